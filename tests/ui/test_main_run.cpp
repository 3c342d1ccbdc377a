// Step and the automatic run in the window: what a Step shows and settles, a run that yields to
// the window (Stop, Step, Exit and the counters at a turn), Exit and the title-bar close.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "engine/chart.h"
#include "helpers/window_fixture.h"
#include "model/text_format.h"
#include "ui/main/statistics_views.h"
#include "ui/main/yield_throttle.h"

using namespace kragmoor;
using kragmoor::testing::WindowFixture;

namespace {

// Starts a run with the Run button and runs `action` at the window's first turn; then clicks
// Stop there, unless the action has ended the run itself.
void DuringRun(WindowFixture& f, const std::function<void()>& action) {
    QTimer::singleShot(0, [&f, action] {
        QVERIFY(f.Control().Running());
        action();
        if (f.Control().Running() && !f.Control().Exited()) f.Button("cmdAUTO")->click();
    });
    f.Button("cmdAUTO")->click();  // returns when the run has ended
}

// Stand-ins for the statistics windows that count what the main window forwards to them.
struct CountingHits : HitsView {
    void ShowView(const QWidget&) override {}
    bool IsMinimized() const override { return minimized; }
    void Refreshed() override { ++refreshed; }
    bool minimized = false;
    int refreshed = 0;
};

struct CountingChart : ChartView {
    void ShowView() override {}
    void Cleared() override { ++cleared; }
    void PointAdded(const ChartPoint&) override { ++points; }
    void Full(std::string_view, std::string_view) override { ++full; }
    void Turn() override { ++turns; }
    int cleared = 0, points = 0, full = 0, turns = 0;
};

}  // namespace

class RunTest : public QObject {
    Q_OBJECT

  private slots:
    void stepShowsTheGameAndSettlesTheCash() {
        WindowFixture f;
        f.Button("cmdStart")->click();
        const RunState& st = f.State();
        QCOMPARE(st.Games, std::int64_t{1});
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = 1"));
        for (int row = 0; row < 3; ++row) {
            for (int reel = 0; reel < 5; ++reel) {
                QCOMPARE(f.Window().Display().Code(row * 5 + reel), int{st.Window[row][reel]});
            }
        }
        for (int reel = 0; reel < 5; ++reel) {
            QCOMPARE(f.Button(QStringLiteral("cmdReels_%1").arg(reel))->text(),
                     QString::number(st.ReelStop[reel]));
        }
        // Play on until a feature is pending: the cash stands still until its last free spin.
        while (!st.InFreeSpins) {
            const std::int64_t expected = 1000000 - 20 * st.Games + st.TotalWin;
            QCOMPARE(st.Credit, expected);
            QCOMPARE(f.Label(5)->text(),
                     QStringLiteral(" Cash = ") +
                         QString::fromStdString(text::Mask(expected, "# ### ### $")));
            f.Button("cmdStart")->click();
        }
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

    void stopTakesEffectAtTheNextTurn() {
        WindowFixture f;
        int games_at_turn = -1;
        QString caption_at_turn;
        bool add_enabled_at_turn = true;
        QString games_label_at_turn;
        DuringRun(f, [&] {
            games_at_turn = static_cast<int>(f.State().Games);
            caption_at_turn = f.Button("cmdAUTO")->text();
            add_enabled_at_turn = f.Button("cmdAdd")->isEnabled();
            games_label_at_turn = f.Label(1)->text();
        });
        QCOMPARE(caption_at_turn, QStringLiteral("Stop"));
        QVERIFY(!add_enabled_at_turn);
        // The counters are brought up to date before the window takes its turn.
        QCOMPARE(games_label_at_turn, QStringLiteral(" Games = %1").arg(games_at_turn));
        QVERIFY(games_at_turn > 0 && games_at_turn % 100 == 0);
        QCOMPARE(f.State().Games, std::int64_t{games_at_turn});  // no game after the Stop
        QCOMPARE(f.Button("cmdAUTO")->text(), QStringLiteral("Run"));
        QVERIFY(f.Button("cmdAdd")->isEnabled());
        QVERIFY(!f.Control().Running());
        QCOMPARE(f.Label(1)->text(), QStringLiteral(" Games = %1").arg(games_at_turn));
    }

    void stepDuringARunLeavesTheCashAlone() {
        WindowFixture f;
        std::int64_t games_before = 0;
        std::int64_t games_after = 0;
        bool feature_pending = false;
        DuringRun(f, [&] {
            feature_pending = f.State().InFreeSpins;
            games_before = f.State().Games;
            f.Button("cmdStart")->click();
            games_after = f.State().Games;
        });
        QCOMPARE(f.State().Credit, std::int64_t{1000000});
        QCOMPARE(games_after, games_before + (feature_pending ? 0 : 1));
        QCOMPARE(f.Label(5)->text(), QStringLiteral(" Cash = 1 000 000 $"));
    }

    void runsAgainAfterAStop() {
        WindowFixture f;
        DuringRun(f, [] {});
        const std::int64_t first = f.State().Games;
        DuringRun(f, [] {});
        QVERIFY(f.State().Games > first);
    }

    void exitDuringARunEndsTheProgramCleanly() {
        WindowFixture f;
        f.Window().show();
        DuringRun(f, [&f] { f.Button("cmdExit")->click(); });
        QVERIFY(f.Control().Exited());
        QVERIFY(!f.Control().Running());
        QCOMPARE(f.QuitCalls(), 1);
        QVERIFY(!f.Window().isVisible());
        // Nothing plays after Exit.
        const std::int64_t games = f.State().Games;
        f.Button("cmdStart")->click();
        QCOMPARE(f.State().Games, games);
    }

    void exitLeavesCompleteLogs() {
        WindowFixture f;
        DuringRun(f, [&f] { f.Button("cmdExit")->click(); });
        const std::string features = f.Dir().Read("FreeSpins.txt");
        const std::string chart = f.Dir().Read("Percent_10000.txt");
        QVERIFY(f.State().FreeGames > 0);
        QVERIFY(!features.empty() && features.ends_with("\r\n"));
        QVERIFY(f.State().Games < 10000 || (!chart.empty() && chart.ends_with("\r\n")));
    }

    void statisticsViewsFollowTheGames() {
        WindowFixture f;
        CountingHits hits;
        CountingChart chart;
        f.Window().SetStatisticsViews(&hits, &chart);
        f.Button("cmdStart")->click();
        QCOMPARE(hits.refreshed, 1);  // the table is refreshed after every Step
        hits.minimized = true;
        f.Button("cmdStart")->click();
        QCOMPARE(hits.refreshed, 1);  // but not while minimized
        DuringRun(f, [] {});
        QVERIFY(chart.points > 0);  // a point every 100 games
        QVERIFY(chart.turns > 0);   // and a turn to draw them when the window gets one
        QCOMPARE(chart.points, static_cast<int>(f.State().Games / 100));
        f.Window().SetStatisticsViews(nullptr, nullptr);
    }

    void titleBarCloseActsAsExit() {
        WindowFixture f;
        f.Window().show();
        QVERIFY(f.Window().close());
        QVERIFY(f.Control().Exited());
        QCOMPARE(f.QuitCalls(), 1);
        QVERIFY(f.Window().close());  // a second close does not exit twice
        QCOMPARE(f.QuitCalls(), 1);
    }

    void saveWritesTheReportAndSaysSo() {
        WindowFixture f;
        f.Button("cmdStart")->click();
        const std::size_t report = f.Dir().Read("Temp1.txt").size();
        f.Button("cmdSave")->click();
        QCOMPARE(f.TextBox()->toPlainText(), QStringLiteral("LOG DONE !!!"));
        QVERIFY(f.Dir().Read("Temp1.txt").size() > report);
        QVERIFY(f.Dir().Exists("empty.txt"));
    }

    void keyboardClicksTheFocusedButton() {
        WindowFixture f;
        f.ShowActive();
        f.Button("cmdStart")->setFocus();
        QTest::keyClick(f.Button("cmdStart"), Qt::Key_Return);
        QTest::keyClick(f.Button("cmdStart"), Qt::Key_Space);
        QCOMPARE(f.State().Games + (f.State().InFreeSpins ? 1 : 0), std::int64_t{2});
    }

    void throttleLetsTheWindowInOnlyWhenDue() {
        using namespace std::chrono_literals;
        YieldThrottle throttle(15ms);
        const YieldThrottle::Clock::time_point t0{};
        QVERIFY(throttle.Due(t0 + 1s));  // the first offer is taken
        QVERIFY(!throttle.Due(t0 + 1s + 14ms));
        QVERIFY(throttle.Due(t0 + 1s + 15ms));
        throttle.Restart(t0 + 2s);
        QVERIFY(!throttle.Due(t0 + 2s + 10ms));
        QVERIFY(throttle.Due(t0 + 2s + 16ms));
    }
};

QTEST_MAIN(RunTest)
#include "test_main_run.moc"
