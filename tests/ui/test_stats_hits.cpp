// The hit statistics window over a real run control: layout, the change colours of the first
// and second refresh, a minimized window left alone, the throttled repaint and the clipboard copy.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "engine/hit_table.h"
#include "helpers/stats_fixture.h"
#include "ui/stats/hit_table_model.h"
#include "ui/stats/statistics_hits.h"

using namespace kragmoor;
using kragmoor::testing::StatsGame;

namespace {

QColor Background(const HitTableModel& model, int row, int column) {
    return model.data(model.index(row - 1, column - 1), Qt::BackgroundRole).value<QBrush>().color();
}

QString Text(const HitTableModel& model, int row, int column) {
    return model.data(model.index(row - 1, column - 1)).toString();
}

}  // namespace

class StatisticsHitsTest : public QObject {
    Q_OBJECT

  private slots:
    void layoutAtLoad() {
        StatsGame game;
        StatisticsHits hits(game.run);
        QCOMPARE(hits.windowTitle(), QStringLiteral("Statistics (HITS)"));
        QCOMPARE(hits.size(), QSize(312, 213));  // 4680 x 3195 twips
        HitTableModel& model = hits.Model();
        QCOMPARE(model.rowCount(), 52);
        QCOMPARE(model.columnCount(), 24);
        QCOMPARE(model.CornerText(), QStringLiteral("Win Name"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Line1"));
        QCOMPARE(model.headerData(19, Qt::Horizontal).toString(), QStringLiteral("Line20"));
        QCOMPARE(model.headerData(20, Qt::Horizontal).toString(), QStringLiteral("SPECIAL"));
        QCOMPARE(model.headerData(23, Qt::Horizontal).toString(), QStringLiteral("TOTAL"));
        const auto& figures = game.run.Definition().Figures;
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(),
                 QStringLiteral("2 ") + QString::fromStdString(figures[0]));
        QCOMPARE(model.headerData(51, Qt::Vertical).toString(),
                 QStringLiteral("5 ") + QString::fromStdString(figures[12]));
        // Only the names and the pays are filled before the first refresh.
        QCOMPARE(Text(model, 4, 23), QString::number(game.run.Definition().PayTable[0][5]));
        QCOMPARE(Text(model, 4, 1), QString());
        QCOMPARE(Background(model, 4, 1), QColor(Qt::white));

        hits.show();
        hits.resize(700, 500);
        QCOMPARE(hits.Grid().geometry(), QRect(0, 0, 700, 500));  // the grid fills the window
        QVERIFY(hits.StatusLabel().isHidden());
    }

    void changedCountsAreRedOrYellowOnceAndWhiteAfter() {
        StatsGame game;
        StatisticsHits hits(game.run);
        game.forwarder.hits = &hits;
        game.PlayAndRefresh(3000);
        const HitTableModel& model = hits.Model();
        const auto& def = game.run.Definition();
        const RunState& state = game.run.State();
        int red = 0, yellow = 0, white = 0;
        for (int symbol = 0; symbol < 13; ++symbol) {
            for (int count = 2; count <= 5; ++count) {
                const int row = HitTable::RowOf(symbol, count);
                for (int line = 0; line <= 20; ++line) {
                    const std::int64_t n = state.HitCount[line][count][symbol];
                    QCOMPARE(Text(model, row, line + 1), QString::number(n));
                    const QColor expected = n == 0 ? QColor(Qt::white)
                                            : def.PayTable[symbol][count] != 0
                                                ? QColor(255, 0, 0)
                                                : QColor(255, 255, 0);
                    QCOMPARE(Background(model, row, line + 1), expected);
                    red += expected == QColor(255, 0, 0);
                    yellow += expected == QColor(255, 255, 0);
                    white += expected == QColor(Qt::white);
                }
            }
        }
        QVERIFY(red > 0 && white > 0);  // the run reached both kinds of cell

        game.run.ShowHits();  // no game in between
        for (int row = 1; row <= 52; ++row)
            for (int column = 1; column <= 21; ++column)
                QCOMPARE(Background(model, row, column), QColor(Qt::white));
    }

    void aMinimizedWindowIsLeftAlone() {
        StatsGame game;
        StatisticsHits hits(game.run);
        game.forwarder.hits = &hits;
        hits.show();
        game.PlayAndRefresh(500);
        const QString before = QString::fromStdString(game.run.ClipboardText());
        QSignalSpy changed(&hits.Model(), &QAbstractItemModel::dataChanged);

        hits.showMinimized();
        QVERIFY(hits.IsMinimizedForRefresh());
        game.PlayAndRefresh(500);
        QCoreApplication::processEvents();
        QCOMPARE(QString::fromStdString(game.run.ClipboardText()).section(QLatin1Char('\n'), 0, 52),
                 before.section(QLatin1Char('\n'), 0, 52));
        QCOMPARE(changed.count(), 0);

        hits.showNormal();
        QVERIFY(!hits.IsMinimizedForRefresh());
        game.PlayAndRefresh(10);
        QTRY_VERIFY(changed.count() > 0);
    }

    void aRunRepaintsWithinItsPeriodOnceAndStepsAtOnce() {
        StatsGame game;
        StatisticsHits hits(game.run);
        hits.SetRepaintPeriod(std::chrono::milliseconds(5000));
        game.forwarder.hits = &hits;
        QSignalSpy changed(&hits.Model(), &QAbstractItemModel::dataChanged);
        // A run to the full chart (49 900 games) refreshes the table at 10 000 ... 40 000.
        game.run.ChartData().Options().Continue = false;
        game.run.cmdAUTO_Click();
        QCOMPARE(game.run.State().Games, 49900);
        QCOMPARE(changed.count(), 1);  // the first at once, the others folded into one
        hits.SetRepaintPeriod(std::chrono::milliseconds(50));
        QTRY_COMPARE(changed.count(), 2);
        // The folded repaint shows the last refresh.
        QCOMPARE(hits.Model().data(hits.Model().index(0, 0)).toString(),
                 QString::fromStdString(game.run.Hits().Cell(1, 1)));
        // Single steps are shown at once, however close together.
        game.run.cmdStart_Click();
        game.run.cmdStart_Click();
        QCOMPARE(changed.count(), 4);
        const QModelIndex first = changed.at(1).at(0).value<QModelIndex>();
        const QModelIndex last = changed.at(1).at(1).value<QModelIndex>();
        QCOMPARE(first.row(), 0);
        QCOMPARE(first.column(), 0);
        QCOMPARE(last.row(), 51);
        QCOMPARE(last.column(), 23);
    }

    void columnsFitTheirLongestText() {
        StatsGame game;
        StatisticsHits hits(game.run);
        game.forwarder.hits = &hits;
        hits.show();
        game.PlayAndRefresh(20000);
        QCoreApplication::processEvents();
        const QFontMetrics fm(hits.Grid().font());
        const QHeaderView& header = *hits.Grid().horizontalHeader();
        const HitTable& table = game.run.Hits();
        for (int c = 1; c < HitTable::kColumns; ++c) {
            for (int r = 0; r < HitTable::kRows; ++r) {
                const int needed = fm.horizontalAdvance(QString::fromStdString(table.Cell(r, c)));
                QVERIFY2(header.sectionSize(c - 1) > needed,
                         qPrintable(QStringLiteral("column %1 row %2").arg(c).arg(r)));
            }
        }
        const QHeaderView& names = *hits.Grid().verticalHeader();
        for (int r = 1; r < HitTable::kRows; ++r)
            QVERIFY(names.width() > fm.horizontalAdvance(QString::fromStdString(table.Cell(r, 0))));
    }

    void aClickCopiesTheTableAndTheTotals() {
        StatsGame game;
        StatisticsHits hits(game.run);
        game.forwarder.hits = &hits;
        hits.SetClipboardPause(std::chrono::milliseconds(0));
        hits.show();
        game.PlayAndRefresh(2000);
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));

        QTableView& grid = hits.Grid();
        const QRect cell = grid.visualRect(grid.model()->index(0, 0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());

        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text, QString::fromStdString(game.run.ClipboardText()));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 55);
        for (int r = 0; r < 53; ++r) {
            QCOMPARE(lines[r].count(QLatin1Char('\t')), 25);
            QVERIFY(lines[r].endsWith(QLatin1Char('\t')));
        }
        QCOMPARE(lines[0].section(QLatin1Char('\t'), 0, 0), QStringLiteral("Win Name"));
        const RunState& state = game.run.State();
        QCOMPARE(
            lines[53],
            QStringLiteral("TotalBet\t%1\tTotalWin\t%2").arg(state.TotalBet).arg(state.TotalWin));
        QCOMPARE(
            lines[54],
            QStringLiteral("FreeGames\t%1\tFreeWin\t%2").arg(state.FreeGames).arg(state.FreeWin));
        QVERIFY(hits.StatusLabel().isHidden());
        QVERIFY(hits.Grid().updatesEnabled());
        QVERIFY(!hits.CopyInProgress());
    }

    void theCopyTellsItsProgressAndKeepsTheWindowAlive() {
        StatsGame game;
        StatisticsHits hits(game.run);
        hits.SetClipboardPause(std::chrono::milliseconds(300));
        hits.resize(400, 300);
        hits.show();
        QStringList seen;
        QList<QRect> places;
        int ticks = 0;
        QTimer probe;
        // Events keep coming during both pauses: sample the label as a person would see it.
        connect(&probe, &QTimer::timeout, [&] {
            ++ticks;
            const QLabel& label = hits.StatusLabel();
            if (label.isVisible() && !seen.contains(label.text())) {
                seen << label.text();
                places << label.geometry();
                // Each text fits whole inside the label's frame.
                QVERIFY(label.contentsRect().width() >=
                        label.fontMetrics().horizontalAdvance(label.text()));
            }
        });
        probe.start(20);
        hits.MSFlexGrid1_Click();
        probe.stop();
        QCOMPARE(seen, QStringList({QString::fromUtf8("Копиране на данните в клипборда!"),
                                    QString::fromUtf8("Данните са в клипборда!")}));
        QVERIFY(ticks >= 10);
        // One place for both texts: the grid under the label does not repaint during a copy.
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[0], places[1]);
        QVERIFY(hits.StatusLabel().isHidden());
        // The label is centred and wide enough for its text.
        const QLabel& label = hits.StatusLabel();
        QCOMPARE(label.geometry().center().x(), hits.rect().center().x());
        QVERIFY(label.width() >= 217 && label.height() >= 17);
    }

    void aClickDuringACopyIsIgnored() {
        StatsGame game;
        StatisticsHits hits(game.run);
        hits.SetClipboardPause(std::chrono::milliseconds(100));
        int nested = 0;
        QTimer::singleShot(30, [&] {
            QVERIFY(hits.CopyInProgress());
            QGuiApplication::clipboard()->setText(QStringLiteral("changed"));
            hits.MSFlexGrid1_Click();  // returns at once
            ++nested;
        });
        hits.MSFlexGrid1_Click();
        QCOMPARE(nested, 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("changed"));
    }
};

QTEST_MAIN(StatisticsHitsTest)
#include "test_stats_hits.moc"
