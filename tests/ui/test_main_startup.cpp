// Start-up of the window application: a definition that cannot be read is refused with one
// message before any window opens and before anything is written or deleted; a good one opens
// the main window after deleting the leftovers and writing the report and the logs.
#include <QApplication>
#include <QtTest>

#include "helpers/ui_test_support.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/start_up.h"

using namespace kragmoor;
using kragmoor::testing::GameDir;
using kragmoor::testing::MessageRecorder;

class StartUpTest : public QObject {
    Q_OBJECT

  private:
    static int OpenWindows() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += w->isVisible() ? 1 : 0;
        return n;
    }

  private slots:
    void brokenDefinitionIsRefusedWithOneMessage() {
        GameDir dir;
        dir.CopyReferenceGame();
        std::string text = dir.Read("ReelSetup.ini");
        text.erase(text.find("PAYTABLE DESCRIPTION"));  // the paytable never comes
        dir.Write("ReelSetup.ini", text);
        dir.Write("readme.txt", "left over");
        const QStringList before = dir.Files();

        MessageRecorder messages;
        const auto app = StartUp(dir.Path());
        QVERIFY(app == nullptr);
        QCOMPARE(messages.Texts().size(), 1);
        QCOMPARE(messages.Titles().first(), QStringLiteral("Kragmoor"));
        // The reader's own words: the file, the line and what it expected there.
        QVERIFY2(messages.Texts().first().contains(QStringLiteral("ReelSetup.ini:")),
                 qPrintable(messages.Texts().first()));
        QVERIFY(messages.Texts().first().contains(QStringLiteral("PAYTABLE DESCRIPTION")));
        QCOMPARE(dir.Files(), before);  // nothing written, nothing deleted
        QCOMPARE(OpenWindows(), 0);
    }

    void missingDefinitionIsRefused() {
        GameDir dir;
        MessageRecorder messages;
        QVERIFY(StartUp(dir.Path()) == nullptr);
        QCOMPARE(messages.Texts().size(), 1);
        QVERIFY(messages.Texts().first().contains(QStringLiteral("ReelSetup.ini")));
        QVERIFY(dir.Files().isEmpty());
    }

    void goodDefinitionOpensTheWindow() {
        GameDir dir;
        dir.CopyReferenceGame();
        dir.Write("readme.txt", "left over");
        dir.Write("setup.bat", "left over");
        MessageRecorder messages;
        const auto app = StartUp(dir.Path());
        QVERIFY(app != nullptr);
        QVERIFY(messages.Texts().isEmpty());
        QVERIFY(app->main->isVisible());
        QVERIFY(app->main->windowTitle().startsWith(QStringLiteral(" SLOT  Simulator RTP = 96")));
        QCOMPARE(dir.Files(), (QStringList{"FreeSpins.txt", "Jackpot.txt", "Percent_10000.txt",
                                           "ReelSetup.ini", "Temp1.txt"}));
        app->main->SetQuitFunction([] {});
    }
};

QTEST_MAIN(StartUpTest)
#include "test_main_startup.moc"
