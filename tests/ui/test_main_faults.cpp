// The main window under faults: a game whose features never end is refused at start; a log on a
// full disk is told once and stops the run; Stop and Exit work in the middle of a feature that
// never ends.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "helpers/fixtures.h"
#include "model/definition_reader.h"
#include "rng/rng.h"
#include "ui/main/start_up.h"
#include "ui/stats/bitmap_file.h"

using namespace kragmoor;
using kragmoor::test::MessageRecorder;
using kragmoor::test::TempDir;

namespace {

const std::filesystem::path kEndlessGame = test::TestData("feature-bound/endless.ini");

// The endless game opened as start-up would open it, were it not refused there.
Session EndlessSession(const TempDir& dir) {
    std::filesystem::copy_file(kEndlessGame, dir / "ReelSetup.ini");
    Session session;
    session.dir = dir.path();
    session.definition = ReadGameDefinition(dir.path());
    session.start = LoaderState(session.definition);
    rng_Init(session.definition.Seed);
    for (auto [log, name] : {std::pair{&session.logs.Percent, "Percent_10000.txt"},
                             {&session.logs.Jackpot, "Jackpot.txt"},
                             {&session.logs.FreeSpins, "FreeSpins.txt"}}) {
        if (!log->Create(dir / name)) qFatal("cannot create %s", name);
    }
    return session;
}

// The main window with Exit only counted, and a check at every turn the window takes.
struct Window {
    explicit Window(Session session) : main(std::move(session)) {
        main.SetQuitFunction([this] { ++quit_calls; });
        QObject::connect(&at_turn, &QTimer::timeout, [this] {
            if (check) check();
        });
        at_turn.start(0);
    }
    QPushButton* Button(const char* name) { return main.findChild<QPushButton*>(name); }
    const RunState& State() { return main.Engine().State(); }

    frmReelvik main;
    QTimer at_turn;
    std::function<void()> check;
    int quit_calls = 0;
};

}  // namespace

class FaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void aGameWhoseFeaturesNeverEndIsRefusedAtStart() {
        TempDir dir;
        std::filesystem::copy_file(kEndlessGame, dir / "ReelSetup.ini");
        test::WriteFile(dir / "readme.txt", "left over");
        const std::set<std::string> before = dir.Files();
        MessageRecorder messages;
        QVERIFY(StartUp(dir.path()) == nullptr);
        QCOMPARE(messages.texts,
                 QStringList{QString::fromStdString((dir / "ReelSetup.ini").string()) +
                             QStringLiteral(": free-spins reels: the free spins retrigger once in "
                                            "1.00 spins, so a feature never ends (15 × chance ≥ "
                                            "1)")});
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QVERIFY(dir.Files() == before);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }

    // FreeSpins.txt on a full disk: its records fail when the logs are flushed at game 10000.
    // The run stops there with one message; what was played stays, the other logs go on, and
    // neither a second run nor Exit tells it again.
    void aFullLogIsToldOnceAndStopsTheRun() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        TempDir dir;
        test::CopyReferenceGame(dir);
        std::filesystem::create_symlink("/dev/full", dir / "FreeSpins.txt");
        MessageRecorder messages;
        Window w(OpenSession(dir.path(), SessionOptions{}));
        w.check = [&] {  // a watchdog: a run that the failure did not stop is stopped
            if (w.State().Games > 50000 && w.main.Engine().Running()) w.Button("cmdAUTO")->click();
        };
        w.Button("cmdAUTO")->click();
        const QStringList told{
            QStringLiteral("Cannot write FreeSpins.txt: No space left on device")};
        QCOMPARE(messages.texts, told);
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QCOMPARE(w.State().Games, std::int64_t{10000});
        QCOMPARE(w.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(w.Button("cmdAdd")->isEnabled());
        QVERIFY(test::ReadFile(dir / "Percent_10000.txt").ends_with(" 10000 \r\n"));

        w.check = [&] {
            if (w.main.Engine().Running()) w.Button("cmdAUTO")->click();
        };
        w.Button("cmdAUTO")->click();
        QVERIFY(w.State().Games > 10000);
        w.Button("cmdExit")->click();
        QCOMPARE(messages.texts, told);
        QCOMPARE(w.quit_calls, 1);
    }

    void aChartPictureOnAFullDiskIsReported() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        TempDir dir;
        std::filesystem::create_symlink("/dev/full", dir / "Test500.bmp");
        const QString path = QString::fromStdString((dir / "Test500.bmp").string());
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QString error;
        QVERIFY(!SaveBitmap(picture, path, &error));
        QCOMPARE(error,
                 "The chart picture could not be written to " + path + ": No space left on device");
    }

    // Every free spin retriggers: Stop at a turn inside the feature ends the run with the feature
    // pending; a later run goes on with it, and Exit there ends everything at once.
    void stopAndExitWorkInsideAFeatureThatNeverEnds() {
        TempDir dir;
        MessageRecorder messages;
        Window w(EndlessSession(dir));
        w.check = [&] {
            if (w.main.Engine().Running() && w.State().FreeSpinsPlayed > 0)
                w.Button("cmdAUTO")->click();
        };
        w.Button("cmdAUTO")->click();
        const std::int64_t played = w.State().FreeSpinsPlayed;
        QVERIFY(!w.main.Engine().Running());
        QVERIFY(w.State().InFreeSpins);
        QVERIFY(played > 0 && played % 100 == 0);
        QCOMPARE(w.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(w.Button("cmdAdd")->isEnabled());

        const std::int64_t games = w.State().Games;
        w.check = [&] {
            if (w.State().FreeSpinsPlayed > played) w.Button("cmdExit")->click();
        };
        w.Button("cmdAUTO")->click();
        QVERIFY(w.main.Engine().Exited());
        QCOMPARE(w.quit_calls, 1);
        QCOMPARE(w.State().Games, games);
        QVERIFY(w.State().FreeSpinsPlayed > played);
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(FaultsTest)
#include "test_main_faults.moc"
