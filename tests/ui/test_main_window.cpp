// The main window: as the loader leaves it, what a Step shows and settles, a run that yields to
// the window (Stop, Step and Exit at a turn), Save, the title-bar close and the statistics views.
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "engine/chart_data.h"
#include "helpers/fixtures.h"
#include "model/text_format.h"
#include "ui/main/window_caption.h"

using namespace kragmoor;
using kragmoor::test::WindowFixture;

namespace {

// Starts a run with the Run button and runs `action` at the window's first turn; then clicks
// Stop there, unless the action has ended the run itself. Returns when the run has ended.
void DuringRun(WindowFixture& f, const std::function<void()>& action) {
    QTimer::singleShot(0, [&f, action] {
        QVERIFY(f.Engine().Running());
        action();
        if (f.Engine().Running() && !f.Engine().Exited()) f.Button("cmdAUTO")->click();
    });
    f.Button("cmdAUTO")->click();
}

// Stands in for both statistics windows beside the main window, counting what it is told.
struct CountingViews : RunObserver {
    bool HitsMinimized() override { return minimized; }
    void HitsRefreshed() override { ++refreshed; }
    void ChartPointAdded(const ChartPoint&) override { ++points; }
    void Yield() override { ++yields; }
    bool minimized = false;
    int refreshed = 0, points = 0, yields = 0;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void loaderStateAndCaption() {
        WindowFixture f;
        QCOMPARE(f.Window().windowTitle(),
                 QStringLiteral(" SLOT  Simulator RTP = 96.5%  ver.G0 reference 1"));
        // The cells show the window of stop 0: the row above it is the strip's last symbol.
        const GameDefinition& def = f.Engine().Definition();
        for (int reel = 0; reel < 5; ++reel) {
            QCOMPARE(f.Window().Display().Code(reel), int{def.ReelStrip[def.ReelLen[reel]][reel]});
            QCOMPARE(f.Window().Display().Code(reel + 5), int{def.ReelStrip[0][reel]});
            QCOMPARE(f.Window().Display().Code(reel + 10), int{def.ReelStrip[1][reel]});
        }
        // The caption shows the RTP with the system's decimal point, and whole numbers without.
        GameDefinition other;
        other.GameVersion = "2.1";
        other.GameRTP = 95.67f;
        QCOMPARE(WindowCaption(other, QStringLiteral(",")),
                 QStringLiteral(" SLOT  Simulator RTP = 95,67%  ver.2.1"));
        other.GameRTP = 96.0f;
        QCOMPARE(WindowCaption(other, QStringLiteral(".")),
                 QStringLiteral(" SLOT  Simulator RTP = 96%  ver.2.1"));
    }

    void stepShowsTheGameAndSettlesTheCash() {
        WindowFixture f;
        f.Button("cmdStart")->click();
        const RunState& st = f.State();
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = 1"));
        for (int cell = 0; cell < 15; ++cell)
            QCOMPARE(f.Window().Display().Code(cell), int{st.Window[cell / 5][cell % 5]});
        for (int reel = 0; reel < 5; ++reel) {
            QCOMPARE(f.Button(QStringLiteral("cmdReels_%1").arg(reel))->text(),
                     QString::number(st.ReelStop[reel]));
        }
        // Play on until a feature is pending: the cash stands still until its last free spin.
        while (!st.InFreeSpins) {
            QCOMPARE(st.Credit, 1000000 - 20 * st.Games + st.TotalWin);
            f.Button("cmdStart")->click();
        }
        QCOMPARE(f.Label(5)->text(),
                 " Cash = " + QString::fromStdString(text::Mask(st.Credit, "# ### ### $")));
        const std::int64_t before_feature = st.Credit;
        const QString cash_label = f.Label(5)->text();
        f.Button("cmdStart")->click();
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" FreeGames = 14"));
        while (st.InFreeSpins) {
            QCOMPARE(st.Credit, before_feature);
            QCOMPARE(f.Label(5)->text(), cash_label);
            f.Button("cmdStart")->click();
        }
        QCOMPARE(st.Credit, 1000000 - 20 * st.Games + st.TotalWin);
    }

    void stepAndStopDuringARun() {
        WindowFixture f;
        std::int64_t games_at_turn = -1, games_after_step = -1;
        DuringRun(f, [&] {
            games_at_turn = f.State().Games;
            QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Stop"));
            QVERIFY(!f.Button("cmdAdd")->isEnabled());
            // The counters are brought up to date before the window takes its turn.
            QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = %1").arg(games_at_turn));
            // Step plays one more game (none while a feature is pending), but settles no cash.
            const bool feature_pending = f.State().InFreeSpins;
            f.Button("cmdStart")->click();
            games_after_step = f.State().Games;
            QCOMPARE(games_after_step, games_at_turn + (feature_pending ? 0 : 1));
        });
        QVERIFY(games_at_turn > 0 && games_at_turn % 100 == 0);
        QCOMPARE(f.State().Games, games_after_step);  // no game after the Stop
        QCOMPARE(f.State().Credit, std::int64_t{1000000});
        QCOMPARE(f.Label(5)->text(), QStringLiteral(" Cash = 1 000 000 $"));
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
        DuringRun(f, [] {});  // and Run starts again
        QVERIFY(f.State().Games > games_after_step);
    }

    void exitDuringARunEndsOnceWithCompleteLogs_data() {
        QTest::addColumn<bool>("title_bar");
        QTest::newRow("Exit") << false;
        QTest::newRow("title-bar close") << true;
    }

    void exitDuringARunEndsOnceWithCompleteLogs() {
        QFETCH(bool, title_bar);
        WindowFixture f;
        f.Window().show();
        DuringRun(f, [&] { title_bar ? void(f.Window().close()) : f.Button("cmdExit")->click(); });
        QVERIFY(f.Engine().Exited() && !f.Engine().Running());
        QCOMPARE(f.quit_calls, 1);
        QVERIFY(!f.Window().isVisible());
        QVERIFY(f.State().FreeGames > 0 &&
                test::ReadFile(f.dir / "FreeSpins.txt").ends_with("\r\n"));
        QVERIFY(f.State().Games < 10000 ||
                test::ReadFile(f.dir / "Percent_10000.txt").ends_with("\r\n"));
        const std::int64_t games = f.State().Games;
        f.Button("cmdStart")->click();  // nothing plays after Exit
        QCOMPARE(f.State().Games, games);
        QVERIFY(f.Window().close());  // nor does it exit twice
        QCOMPARE(f.quit_calls, 1);
    }

    void saveWritesTheReportAndSaysSo() {
        WindowFixture f;
        f.Button("cmdStart")->click();
        const std::size_t report = test::ReadFile(f.dir / "Temp1.txt").size();
        f.Button("cmdSave")->click();
        QCOMPARE(f.Find<QPlainTextEdit>("txtTextBox1")->toPlainText(),
                 QStringLiteral("LOG DONE !!!"));
        QVERIFY(test::ReadFile(f.dir / "Temp1.txt").size() > report);
        QVERIFY(std::filesystem::exists(f.dir / "empty.txt"));
    }

    void statisticsViewsFollowTheGames() {
        WindowFixture f;
        CountingViews views;
        f.Engine().AddObserver(&views);
        f.Button("cmdStart")->click();
        QCOMPARE(views.refreshed, 1);  // the table is refreshed after every Step
        views.minimized = true;
        f.Button("cmdStart")->click();
        QCOMPARE(views.refreshed, 1);  // but not while minimized
        DuringRun(f, [] {});
        // A point every 100 games. The run stops at the window's first turn, at a game that
        // depends on the machine's speed; when that game triggered a feature, the point of its
        // 100 games comes with the feature's pass, in the next run.
        const int pending = f.State().InFreeSpins ? 1 : 0;
        QCOMPARE(views.points, static_cast<int>(f.State().Games / 100) - pending);
        // Every yield reaches it too (a feature's pass repeats the yield of its triggering game).
        QVERIFY(views.yields >= static_cast<int>(f.State().Games / 100));
        f.Engine().RemoveObserver(&views);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
