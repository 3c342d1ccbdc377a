#include "helpers/fixtures.h"

#include <QAbstractButton>
#include <QSpinBox>
#include <QtTest>

#include "engine/play/headless_run.h"

namespace kragmoor::test {
namespace {

int quit_requests = 0;

struct QuitCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Quit) return false;
        ++quit_requests;
        return true;
    }
};

}  // namespace

int RunQtTests(QObject& tests, int argc, char** argv) {
    QuitCounter counter;
    qApp->installEventFilter(&counter);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    int result = 1;
    QTimer::singleShot(0, [&] {
        result = QTest::qExec(&tests, argc, argv);
        QCoreApplication::exit(result);
    });
    QApplication::exec();
    return result;
}

int QuitRequests() {
    return quit_requests;
}

MessageRecorder::MessageRecorder(bool answer) {
    poll_.callOnTimeout([this, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        titles << box->windowTitle();
        texts << box->text();
        const bool yes_no = box->button(QMessageBox::Yes) != nullptr;
        QAbstractButton* reply = box->button(yes_no ? QMessageBox::Yes : QMessageBox::Ok);
        if (QAbstractButton* no = box->button(yes_no ? QMessageBox::No : QMessageBox::Cancel)) {
            questions << (yes_no ? "Yes/No " : "OK/Cancel ") + box->text();
            if (!answer) reply = no;
        }
        reply->click();
    });
    poll_.start(1);
}

void CopyReferenceGame(const TempDir& dir) {
    std::filesystem::copy_file(TestData("g0/ReelSetup.ini"), dir / "ReelSetup.ini");
}

WindowFixture::WindowFixture(const std::string& definition,
                             const std::function<void(RunState&)>& prepare, const Opener& open) {
    definition.empty() ? CopyReferenceGame(dir) : WriteFile(dir / "ReelSetup.ini", definition);
    Session session = open ? open(dir.path()) : OpenSession(dir.path(), SessionOptions{});
    if (prepare) prepare(session.start);
    window_ = std::make_unique<frmReelvik>(std::move(session));
    // Run plays the seeded single stream unless a test chooses more threads.
    Find<QSpinBox>(QStringLiteral("Threads"))->setValue(1);
    // A run a broken rule never ends is stopped, so that the test fails instead of hanging.
    watchdog_.callOnTimeout([this] {
        if (Engine().Running()) qWarning("a run stopped by the test's watchdog");
        if (Engine().Running()) Engine().StartOrStop();
    });
    watchdog_.start(20000);
}

void WindowFixture::ShowActive() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

void WindowFixture::DuringRun(const std::function<void()>& action) {
    QTimer::singleShot(0, [this, action] {
        QVERIFY(Engine().Running());
        action();
        if (Engine().Running() && !Engine().Exited()) Button("cmdAUTO")->click();
    });
    Button("cmdAUTO")->click();
}

void StatsGame::PlayAndRefresh(std::int64_t games) {
    HeadlessRun(run, run.State().Games + games).Play();
    run.RefreshHits();
}

}  // namespace kragmoor::test
