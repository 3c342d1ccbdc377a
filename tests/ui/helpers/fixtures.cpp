#include "helpers/fixtures.h"

#include <QtTest>

namespace kragmoor::testing {

GameDir::GameDir(bool reference_game) {
    if (!reference_game) return;
    std::filesystem::copy_file(std::filesystem::path(KRAGMOOR_TEST_DATA) / "g0" / "ReelSetup.ini",
                               Path() / "ReelSetup.ini");
}

WindowFixture::WindowFixture(const std::string& definition) : dir(definition.empty()) {
    if (!definition.empty()) dir.Write("ReelSetup.ini", definition);
    window_ = std::make_unique<frmReelvik>(OpenSession(dir.Path(), SessionOptions{}));
    window_->SetQuitFunction([this] { ++quit_calls; });
    // A run that a broken rule never ends is stopped after a while, so that the test fails on
    // its counts instead of hanging until CTest gives up.
    watchdog_.setInterval(20000);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (!Control().Running()) return;
        qWarning("a run did not end by itself: stopped by the test's watchdog");
        Control().cmdAUTO_Click();
    });
    watchdog_.start();
}

void WindowFixture::ShowActive() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

void StatsGame::PlayAndRefresh(int games) {
    RunState& state = run.MutableState();
    for (int i = 0; i < games; ++i) {
        state.SkipDisplay = 1;
        ++state.Games;
        run.PlayBaseGame();
        if (state.InFreeSpins) run.EndFeature();
    }
    state.SkipDisplay = 0;
    run.ShowHits();
}

}  // namespace kragmoor::testing
