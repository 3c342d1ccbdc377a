// The hit statistics window over a real engine: counts and change colours, a minimized window
// left alone, the clipboard copy.
#include <QAbstractButton>
#include <QSignalSpy>
#include <QTableView>

#include "engine/hit_table.h"
#include "helpers/fixtures.h"
#include "ui/stats/hit_table_model.h"

using namespace kragmoor;
using kragmoor::test::StatsGame;

namespace {

QTableView& Grid(StatisticsHits& hits) {
    return test::Child<QTableView>(hits, QStringLiteral("MSFlexGrid1"));
}
HitTableModel& Model(StatisticsHits& hits) {
    return *qobject_cast<HitTableModel*>(Grid(hits).model());
}

}  // namespace

class StatisticsHitsTest : public QObject {
    Q_OBJECT

  private slots:
    // On line 1 three Nines (paying) are red, two (paying nothing) yellow, five wilds (never
    // seen) white; a refresh with no game in between turns them white.
    void cellsShowTheirCountsInTheirChangeColours() {
        StatsGame game;
        HitTableModel& model = Model(game.hits);
        auto background = [&model](int symbol, int count) {
            const QModelIndex cell = model.index(HitTable::RowOf(symbol, count) - 1, 0);
            return model.data(cell, Qt::BackgroundRole).value<QBrush>().color();
        };
        game.PlayAndRefresh(3000);
        const RunState& state = game.run.State();
        for (int symbol = 0; symbol < 13; ++symbol) {
            for (int count = 2; count <= 5; ++count) {
                const int row = HitTable::RowOf(symbol, count) - 1;
                for (int line = 0; line <= 20; ++line) {
                    QCOMPARE(model.data(model.index(row, line)).toString(),
                             QString::number(state.HitCount[line][count][symbol]));
                }
            }
        }
        QCOMPARE(background(0, 3), QColor(255, 0, 0));
        QCOMPARE(background(0, 2), QColor(255, 255, 0));
        QCOMPARE(state.HitCount[0][5][11], 0);
        QCOMPARE(background(11, 5), QColor(255, 255, 255));
        game.run.RefreshHits();
        QCOMPARE(background(0, 3), QColor(Qt::white));
        QCOMPARE(background(0, 2), QColor(Qt::white));
    }

    void aMinimizedWindowIsLeftAlone() {
        StatsGame game;
        auto& hits = game.hits;
        hits.show();
        game.PlayAndRefresh(500);
        const std::string before = game.run.ClipboardText();
        QSignalSpy changed(&Model(hits), &QAbstractItemModel::dataChanged);
        hits.showMinimized();
        game.PlayAndRefresh(500);
        QCoreApplication::processEvents();
        // The table part of the copy stands still (the totals below it go on).
        const auto table = [](const std::string& t) { return t.substr(0, t.find("TotalBet")); };
        QCOMPARE(table(game.run.ClipboardText()), table(before));
        QCOMPARE(changed.count(), 0);
        hits.showNormal();
        game.PlayAndRefresh(10);
        QTRY_VERIFY(changed.count() > 0);
    }

    // A click on a cell, and one on the corner ("Win Name"): the copy tells its progress in its
    // two pauses, and a click meanwhile returns at once.
    void aClickCopiesTheTableAndTheTotals_data() {
        QTest::addColumn<bool>("corner");
        QTest::newRow("cell") << false;
        QTest::newRow("corner") << true;
    }

    void aClickCopiesTheTableAndTheTotals() {
        QFETCH(bool, corner);
        StatsGame game;
        auto& hits = game.hits;
        hits.show();
        game.PlayAndRefresh(2000);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        auto& label = test::Child<QLabel>(hits, "Label1");
        QStringList seen;
        bool nested_copy = false;
        QTimer probe;  // events keep coming during both pauses: watch the label as a person would
        connect(&probe, &QTimer::timeout, [&] {
            const QString text = label.isVisible() ? label.text() : QString();
            if (text.isEmpty() || seen.contains(text)) return;
            seen << text;
            hits.MSFlexGrid1_Click();
            nested_copy |= !label.isVisible();
        });
        probe.start(20);
        QTableView& grid = Grid(hits);
        if (corner)
            QTest::mouseClick(&test::Child<QAbstractButton>(hits, "WinName"), Qt::LeftButton);
        else
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualRect(grid.model()->index(0, 0)).center());
        probe.stop();
        QCOMPARE(seen, QStringList({QString::fromUtf8("Копиране на данните в клипборда!"),
                                    QString::fromUtf8("Данните са в клипборда!")}));
        QVERIFY(!nested_copy && label.isHidden());

        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text, QString::fromStdString(game.run.ClipboardText()));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 55);
        for (int r = 0; r < 53; ++r)
            QVERIFY(lines[r].count(QLatin1Char('\t')) == 25 && lines[r].endsWith('\t'));
        QVERIFY(lines[0].startsWith(QStringLiteral("Win Name\t")));
        const RunState& st = game.run.State();
        QCOMPARE(lines[53],
                 QString("TotalBet\t%1\tTotalWin\t%2").arg(st.TotalBet).arg(st.TotalWin));
        QCOMPARE(lines[54],
                 QString("FreeGames\t%1\tFreeWin\t%2").arg(st.FreeGames).arg(st.FreeWin));
    }
};

QTEST_MAIN(StatisticsHitsTest)
#include "test_stats_hits.moc"
