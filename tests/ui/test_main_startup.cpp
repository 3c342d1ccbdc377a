// Start-up of the window application: a definition that cannot be read is refused with one
// message before any window opens and before anything is written or deleted; a good one opens
// the main window after deleting the leftovers and writing the report and the logs.
#include <QApplication>
#include <QtTest>

#include "helpers/fixtures.h"
#include "ui/main/start_up.h"

using namespace kragmoor;
using kragmoor::test::MessageRecorder;
using kragmoor::test::TempDir;

class StartUpTest : public QObject {
    Q_OBJECT

  private slots:
    void badDefinitionIsRefused_data() {
        QTest::addColumn<QString>("cut_from");  // the definition ends before this; null: no file
        QTest::addColumn<QString>("message");   // %1 stands for the definition's path
        QTest::newRow("no definition")
            << QString() << "%1: no such file: expected the game definition here";
        QTest::newRow("no paytable") << "PAYTABLE DESCRIPTION"
                                     << "%1: expected a line \"PAYTABLE DESCRIPTION\" after line "
                                        "64, reached the end of the file";
    }

    void badDefinitionIsRefused() {
        QFETCH(QString, cut_from);
        QFETCH(QString, message);
        TempDir dir;
        if (!cut_from.isNull()) {
            std::string text = test::ReadFile(test::TestData("g0/ReelSetup.ini"));
            text.erase(text.find(cut_from.toStdString()));
            test::WriteFile(dir / "ReelSetup.ini", text);
        }
        test::WriteFile(dir / "readme.txt", "left over");
        const std::set<std::string> before = dir.Files();
        MessageRecorder messages;
        QVERIFY(StartUp(dir.path()) == nullptr);
        QCOMPARE(
            messages.texts,
            QStringList{message.arg(QString::fromStdString((dir / "ReelSetup.ini").string()))});
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Kragmoor")});
        QVERIFY(dir.Files() == before);  // nothing written, nothing deleted
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }

    void goodDefinitionOpensTheWindow() {
        TempDir dir;
        test::CopyReferenceGame(dir);
        test::WriteFile(dir / "readme.txt", "left over");
        MessageRecorder messages;  // none expected, but never a modal box in a test
        const auto app = StartUp(dir.path());
        QVERIFY(app != nullptr && messages.texts.isEmpty());
        QVERIFY(app->main->isVisible());
        QVERIFY(dir.Files() ==
                (std::set<std::string>{"FreeSpins.txt", "Jackpot.txt", "Percent_10000.txt",
                                       "ReelSetup.ini", "Temp1.txt"}));
        app->main->SetQuitFunction([] {});
    }
};

QTEST_MAIN(StartUpTest)
#include "test_main_startup.moc"
