// Start-up (a refused definition exits with 1), and the main window on a full disk and in a
// feature that never ends.

#include "helpers/fixtures.h"
#include "model/definition_reader.h"
#include "rng/rng.h"
#include "ui/main/start_up.h"
#include "ui/stats/bitmap_file.h"

using namespace kragmoor;
using kragmoor::test::MessageRecorder;
using kragmoor::test::TempDir;
using kragmoor::test::WindowFixture;

namespace {

// A game whose free spins always retrigger, opened as start-up would were it not refused there.
Session EndlessSession(const std::filesystem::path& dir) {
    Session session;
    session.dir = dir;
    session.definition = ReadGameDefinition(dir);
    session.start = LoaderState(session.definition);
    rng_Init(session.definition.Seed);
    for (auto [log, name] : {std::pair{&session.logs.Percent, "Percent_10000.txt"},
                             {&session.logs.Jackpot, "Jackpot.txt"},
                             {&session.logs.FreeSpins, "FreeSpins.txt"}})
        if (!log->Create(dir / name)) qFatal("cannot create %s", name);
    return session;
}

}  // namespace

class StartUpAndFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    // The message is the reader's (checked in its own tests); shown in a box, nothing written.
    void badDefinitionIsRefused() {
        TempDir dir;
        std::filesystem::copy_file(test::TestData("feature-bound/endless.ini"),
                                   dir / "ReelSetup.ini");
        test::WriteFile(dir / "readme.txt", "left over");
        const std::set<std::string> before = dir.Files();
        MessageRecorder messages;
        QVERIFY(StartUp(dir.path()) == nullptr);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].contains(QStringLiteral("a feature never ends")));
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QVERIFY(dir.Files() == before);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }

    void goodDefinitionOpensTheWindow() {
        TempDir dir;
        test::CopyReferenceGame(dir);
        test::WriteFile(dir / "readme.txt", "left over");
        MessageRecorder messages;  // none expected; one would be answered, not left open
        const auto app = StartUp(dir.path());
        QVERIFY(app != nullptr && messages.texts.isEmpty() && app->main->isVisible());
        QVERIFY(dir.Files() ==
                (std::set<std::string>{"FreeSpins.txt", "Jackpot.txt", "Percent_10000.txt",
                                       "ReelSetup.ini", "Temp1.txt"}));
    }

    // FreeSpins.txt on a full disk fails at game 10000's flush: told once, the other logs go on.
    void aFullLogIsToldOnceAndStopsTheRun() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        WindowFixture f({}, {}, [](const std::filesystem::path& dir) {
            std::filesystem::create_symlink("/dev/full", dir / "FreeSpins.txt");
            return OpenSession(dir, SessionOptions{});
        });
        f.Button("cmdAUTO")->click();  // a run the failure does not stop ends at the watchdog
        const QStringList told{
            QStringLiteral("Cannot write FreeSpins.txt: No space left on device")};
        QCOMPARE(f.messages.texts, told);
        QCOMPARE(f.messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        f.DuringRun([] {});
        f.Button("cmdExit")->click();
        QCOMPARE(f.messages.texts, told);
    }

    void aChartPictureOnAFullDiskIsReported() {
        if (!std::filesystem::exists("/dev/full")) QSKIP("no /dev/full");
        TempDir dir;
        std::filesystem::create_symlink("/dev/full", dir / "Test500.bmp");
        const QString path = QString::fromStdString((dir / "Test500.bmp").string());
        QString error;
        QVERIFY(!SaveBitmap(QImage(64, 32, QImage::Format_RGB32), path, &error));
        QCOMPARE(error,
                 "The chart picture could not be written to " + path + ": No space left on device");
    }

    // The window takes its turns inside a feature: Stop at one leaves the feature pending.
    void stopWorksInsideAFeatureThatNeverEnds() {
        WindowFixture f(test::ReadFile(test::TestData("feature-bound/endless.ini")), {},
                        EndlessSession);
        QTimer turn;  // fires at each of the window's turns during the run
        turn.callOnTimeout([&] {
            if (f.Engine().Running() && f.State().FreeSpinsPlayed > 0) f.Button("cmdAUTO")->click();
        });
        turn.start(0);
        f.Button("cmdAUTO")->click();
        const std::int64_t played = f.State().FreeSpinsPlayed;
        QVERIFY(!f.Engine().Running() && f.State().InFreeSpins && played > 0 && played % 100 == 0);
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
    }
};

KRAGMOOR_QTEST_MAIN(StartUpAndFaultsTest)
#include "test_main_startup.moc"
