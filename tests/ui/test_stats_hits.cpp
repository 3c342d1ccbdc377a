// The hit statistics window over a real engine: the change colours of the first and second
// refresh, a minimized window left alone, and the clipboard copy from a cell and from the corner.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "engine/hit_table.h"
#include "helpers/fixtures.h"
#include "ui/stats/hit_table_model.h"

using namespace kragmoor;
using kragmoor::test::StatsGame;

namespace {

QTableView& Grid(StatisticsHits& hits) {
    return *hits.findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
}
HitTableModel& Model(StatisticsHits& hits) {
    return *qobject_cast<HitTableModel*>(Grid(hits).model());
}
QLabel& StatusLabel(StatisticsHits& hits) {
    return *hits.findChild<QLabel*>(QStringLiteral("Label1"));
}

}  // namespace

class StatisticsHitsTest : public QObject {
    Q_OBJECT

  private slots:
    // After 3000 games of the reference game every cell shows its count. On line 1 the count of
    // three Nines, which pay, has moved (red), so has that of two Nines, which pay nothing
    // (yellow), and five wilds are still at 0 (white). A second refresh with no game in between
    // turns the table white.
    void changedCountsAreRedOrYellowOnceAndWhiteAfter() {
        StatsGame game;
        HitTableModel& model = Model(game.hits);
        auto background = [&model](int row, int column) {
            return model.data(model.index(row, column), Qt::BackgroundRole).value<QBrush>().color();
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
        QCOMPARE(background(HitTable::RowOf(0, 3) - 1, 0), QColor(255, 0, 0));
        QCOMPARE(background(HitTable::RowOf(0, 2) - 1, 0), QColor(255, 255, 0));
        QCOMPARE(state.HitCount[0][5][11], 0);
        QCOMPARE(background(HitTable::RowOf(11, 5) - 1, 0), QColor(255, 255, 255));

        game.run.RefreshHits();  // no game in between: nothing changed
        for (int row = 0; row < 52; ++row)
            for (int column = 0; column <= 20; ++column)
                QCOMPARE(background(row, column), QColor(Qt::white));
    }

    void aMinimizedWindowIsLeftAlone() {
        StatsGame game;
        auto& hits = game.hits;
        hits.show();
        game.PlayAndRefresh(500);
        const QString before = QString::fromStdString(game.run.ClipboardText());
        QSignalSpy changed(&Model(hits), &QAbstractItemModel::dataChanged);

        hits.showMinimized();
        game.PlayAndRefresh(500);
        QCoreApplication::processEvents();
        // The table part of the copy is unchanged (the totals below it go on).
        QCOMPARE(QString::fromStdString(game.run.ClipboardText()).section(QLatin1Char('\n'), 0, 52),
                 before.section(QLatin1Char('\n'), 0, 52));
        QCOMPARE(changed.count(), 0);

        hits.showNormal();
        game.PlayAndRefresh(10);
        QTRY_VERIFY(changed.count() > 0);
    }

    // A click on a cell, and one on the corner ("Win Name"), each with its two pauses.
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
        QTableView& grid = Grid(hits);
        if (corner) {
            auto* button = hits.findChild<QAbstractButton*>(QStringLiteral("WinName"));
            QVERIFY(button != nullptr && button->isVisible());
            QCOMPARE(button->text(), QStringLiteral("Win Name"));
            QCOMPARE(button->geometry().bottomRight() + QPoint(1, 1),
                     QPoint(grid.verticalHeader()->geometry().right() + 1,
                            grid.horizontalHeader()->geometry().bottom() + 1));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualRect(grid.model()->index(0, 0)).center());
        }

        const QString text = QGuiApplication::clipboard()->text();
        QCOMPARE(text, QString::fromStdString(game.run.ClipboardText()));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 55);
        for (int r = 0; r < 53; ++r) {
            QCOMPARE(lines[r].count(QLatin1Char('\t')), 25);
            QVERIFY(lines[r].endsWith(QLatin1Char('\t')));
        }
        QVERIFY(lines[0].startsWith(QStringLiteral("Win Name\t")));
        const RunState& st = game.run.State();
        QCOMPARE(lines[53],
                 QString("TotalBet\t%1\tTotalWin\t%2").arg(st.TotalBet).arg(st.TotalWin));
        QCOMPARE(lines[54],
                 QString("FreeGames\t%1\tFreeWin\t%2").arg(st.FreeGames).arg(st.FreeWin));
    }

    void theCopyTellsItsProgressAndIgnoresAClickMeanwhile() {
        StatsGame game;
        auto& hits = game.hits;
        hits.show();
        QStringList seen;
        QTimer probe;  // events keep coming during both pauses: watch the label as a person would
        connect(&probe, &QTimer::timeout, [&] {
            const QString text =
                StatusLabel(hits).isVisible() ? StatusLabel(hits).text() : QString();
            if (text.isEmpty() || seen.contains(text)) return;
            seen << text;
            QGuiApplication::clipboard()->setText(QStringLiteral("changed"));
            hits.MSFlexGrid1_Click();  // returns at once and copies nothing
        });
        probe.start(20);
        hits.MSFlexGrid1_Click();
        probe.stop();
        QCOMPARE(seen, QStringList({QString::fromUtf8("Копиране на данните в клипборда!"),
                                    QString::fromUtf8("Данните са в клипборда!")}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("changed"));
        QVERIFY(StatusLabel(hits).isHidden());
    }
};

QTEST_MAIN(StatisticsHitsTest)
#include "test_stats_hits.moc"
