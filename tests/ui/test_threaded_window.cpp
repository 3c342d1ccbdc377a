// The main window's Run on several threads: the Threads control, and what a run on it leaves.
#include <QSettings>
#include <QSpinBox>
#include <QThread>
#include <sstream>

#include "cli/runner.h"
#include "helpers/fixtures.h"

using namespace kragmoor;
using kragmoor::test::TempDir;
using kragmoor::test::WindowFixture;

namespace {

// Stops the run at its first turn at or after `games` games.
struct StopAt : RunObserver {
    StopAt(Simulator& engine, std::int64_t games) : engine_(engine), games_(games) {
        engine_.AddObserver(this);
    }
    ~StopAt() override { engine_.RemoveObserver(this); }
    void Yield() override {
        if (engine_.State().Games >= games_ && engine_.Running()) engine_.StartOrStop();
    }
    Simulator& engine_;
    std::int64_t games_;
};

void RunUntil(WindowFixture& f, std::int64_t games) {
    StopAt stop(f.Engine(), games);
    f.Button("cmdAUTO")->click();
}

void Steps(WindowFixture& f, int n) {
    for (int i = 0; i < n; ++i) f.Button("cmdStart")->click();
}

QSpinBox& Threads(WindowFixture& f) {
    return *f.Find<QSpinBox>(QStringLiteral("Threads"));
}

}  // namespace

class ThreadedWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // One thread to every core, every core until the player chooses, and the choice kept for
    // the next start.
    void theThreadsControlKeepsThePlayersChoice() {
        QSettings(QStringLiteral("Kragmoor"), QStringLiteral("Kragmoor")).clear();
        const int cores = std::max(1, QThread::idealThreadCount());
        {
            TempDir dir;
            test::CopyReferenceGame(dir);
            frmReelvik window(OpenSession(dir.path(), SessionOptions{}));
            auto* threads = window.findChild<QSpinBox*>(QStringLiteral("Threads"));
            QVERIFY(threads != nullptr);
            QCOMPARE(threads->minimum(), 1);
            QCOMPARE(threads->maximum(), cores);
            QCOMPARE(threads->value(), cores);
            threads->setValue(1);
        }
        WindowFixture f;  // sets one thread itself: the setting is read at the window's making
        TempDir dir;
        test::CopyReferenceGame(dir);
        QSettings(QStringLiteral("Kragmoor"), QStringLiteral("Kragmoor"))
            .setValue(QStringLiteral("Threads"), cores + 5);
        frmReelvik window(OpenSession(dir.path(), SessionOptions{}));
        QCOMPARE(window.findChild<QSpinBox*>(QStringLiteral("Threads"))->value(), cores);
    }

    // Run on two threads, stopped and run again, then Save and Exit, leaves the files of
    // kragmoor-sim --threads 2 of the same games.
    void aRunOnTwoThreadsLeavesTheRunnersFiles() {
        WindowFixture f;
        Threads(f).setMaximum(2);  // two threads also on a one-core machine
        Threads(f).setValue(2);
        RunUntil(f, 1);  // stopped at the first chunk
        QCOMPARE(f.State().Games, std::int64_t{1'000'000});
        RunUntil(f, 2'500'000);
        QCOMPARE(f.State().Games, std::int64_t{3'000'000});
        f.Button("cmdSave")->click();
        f.Button("cmdExit")->click();

        TempDir runner;
        test::CopyReferenceGame(runner);
        std::ostringstream out, err;
        const std::string dir = runner.path().string();
        QCOMPARE(cli::Main({dir, "--games", "3000000", "--threads", "2"}, {out, err, nullptr}), 0);
        QCOMPARE(test::RunFilesDiffer(runner.path(), f.dir.path()), std::string());
    }

    // Games that Steps began a chunk with are followed by the games the single stream plays
    // after them, drawn on from the window's own stream, which later Steps draw on from in turn.
    // (The windows play one after the other: each start seeds the process-wide stream.)
    void aChunkBegunBySteppingGoesOnWithTheWindowsStream() {
        const auto play = [](WindowFixture& f, int threads) {
            Threads(f).setMaximum(2);
            Threads(f).setValue(threads);
            Steps(f, 7);
            RunUntil(f, 300'000);  // one thread stops here, two at the chunk's end
            if (threads == 1) RunUntil(f, 1'000'000);
            QCOMPARE(f.State().Games, std::int64_t{1'000'000});
            Steps(f, 3);
            f.Button("cmdSave")->click();
            f.Button("cmdExit")->click();
        };
        WindowFixture one;
        play(one, 1);
        WindowFixture two;
        play(two, 2);
        const std::string differ = test::RunFilesDiffer(one.dir.path(), two.dir.path());
        QVERIFY2(differ.empty(), differ.c_str());
    }
};

KRAGMOOR_QTEST_MAIN(ThreadedWindowTest)
#include "test_threaded_window.moc"
