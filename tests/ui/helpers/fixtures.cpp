#include "helpers/fixtures.h"

#include <QtTest>

#include "engine/headless_run.h"

namespace kragmoor::test {

void CopyReferenceGame(const TempDir& dir) {
    std::filesystem::copy_file(TestData("g0/ReelSetup.ini"), dir / "ReelSetup.ini");
}

WindowFixture::WindowFixture(const std::string& definition,
                             const std::function<void(RunState&)>& prepare) {
    if (definition.empty()) {
        CopyReferenceGame(dir);
    } else {
        WriteFile(dir / "ReelSetup.ini", definition);
    }
    Session session = OpenSession(dir.path(), SessionOptions{});
    if (prepare) prepare(session.start);
    window_ = std::make_unique<frmReelvik>(std::move(session));
    window_->SetQuitFunction([this] { ++quit_calls; });
    // A run that a broken rule never ends is stopped after a while, so that the test fails on
    // its counts instead of hanging until CTest gives up.
    watchdog_.setInterval(20000);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (!Engine().Running()) return;
        qWarning("a run did not end by itself: stopped by the test's watchdog");
        Engine().StartOrStop();
    });
    watchdog_.start();
}

void WindowFixture::ShowActive() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

namespace {

Session ReferenceSession(const TempDir& dir) {
    CopyReferenceGame(dir);
    return OpenSession(dir.path(), SessionOptions{});
}

}  // namespace

StatsGame::StatsGame() : session(ReferenceSession(dir)), run(session) {
    run.AddObserver(this);
}

StatsGame::~StatsGame() {
    run.RemoveObserver(this);
}

void StatsGame::PlayAndRefresh(std::int64_t games) {
    HeadlessRun(run, run.State().Games + games).Play();
    run.RefreshHits();
}

}  // namespace kragmoor::test
