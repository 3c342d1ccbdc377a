// The statistics windows: the RTP chart's picture alone and over a run (set-up, band, verdict,
// full chart, Save now); the hit table's counts, colours and copy.
#include <QAbstractButton>
#include <QPainter>
#include <QTableView>
#include <cmath>
#include <limits>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/run_verdict.h"
#include "engine/records/chart_data.h"
#include "engine/records/hit_table.h"
#include "helpers/fixtures.h"
#include "ui/stats/chart_canvas.h"
#include "ui/stats/chart_frame.h"

using namespace kragmoor;
using kragmoor::test::StatsGame;

namespace {

int CountColour(const QImage& image, const QColor& colour, QRect area = {0, 0, 1 << 20, 1 << 20}) {
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour.rgb();
    return n;
}

// X size 500 on 1040 pixels and 200 y-units on 400: two pixels per unit both ways.
const ChartScale kScale{500, 56, 4, 96};
const QSize kSize(1040, 400);

// A one-pixel line may fall on either side of its mathematical position.
bool Near(const QImage& image, int x, int y, const QColor& colour) {
    return CountColour(image, colour, QRect(x - 1, y - 1, 3, 3)) > 0;
}

ChartPoint Point(int x, double red, std::int32_t prev_red) {
    return {.x = x,
            .prev_x = std::max(x - 1, 0),
            .red = {true, prev_red, red},
            .green = {},
            .blue = {},
            .totals = {}};
}

// A flat red curve at y 150 from x 1 to x `points`.
void Flat(ChartCanvas& canvas, int points) {
    canvas.Resize(kSize, kScale);
    for (int x = 1; x <= points; ++x) canvas.Add(Point(x, 150, 150), 0);
}

// The chart window of kSize over the reference game on a scale that shows its curves and band,
// with a short green window; its questions are recorded and answered with `answer`.
struct ChartGame : test::StatsGame {
    ChartSetupFrame& setup = test::Child<ChartSetupFrame>(chart, "fraCharSetup");
    ExactAnalysis analysis = AnalyseGame(session.definition);
    test::MessageRecorder messages;

    explicit ChartGame(bool answer) : messages(answer) {
        chart.resize(kSize);
        Setup();
        for (auto [field, text] : {std::pair{setup.txtMastabi[1], "500"},
                                   {setup.txtMastabi[2], "20"},
                                   {setup.txtMastabi[3], "660"},
                                   {setup.txtCounterRST[1], "50"}})
            field->setText(QString::fromLatin1(text));
        Setup();
    }
    void Setup() { test::Child<QPushButton>(chart, "cmdCharSetup").click(); }
    void SetTheory() { chart.SetTheory(analysis.rtp.total_percent, analysis.sd_per_game); }
    // The window's picture as it paints it, without the controls over it.
    QImage Picture() {
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image, {}, {}, QWidget::DrawWindowBackground);
        return image;
    }
    int Pixels(const QColor& colour) { return CountColour(Picture(), colour); }
    // The picture holds `text` as the summary line: printing it again changes no pixel.
    bool Printed(const QString& text) {
        const QImage picture = Picture();
        QImage again = picture;
        QPainter painter(&again);
        painter.setFont(chart.font());
        PrintChartText(painter, ChartMapper(again.size(), run.Chart().Scale()), text);
        painter.end();
        return again == picture;
    }
    QPoint At(int point, double percent) {
        const ChartScale& scale = run.Chart().Scale();
        return ChartMapper(chart.size(), scale).Map(point + 10, PercentY(percent, scale)).toPoint();
    }
    double Rtp() {
        const RunState& st = run.State();
        return 100.0 * static_cast<double>(st.TotalWin) / static_cast<double>(st.TotalBet);
    }
    QImage Saved(const char* name) {
        return QImage(QString::fromStdString((dir / name).string()))
            .convertToFormat(QImage::Format_RGB32);
    }
};

QTableView& Grid(StatisticsHits& hits) {
    return test::Child<QTableView>(hits, QStringLiteral("MSFlexGrid1"));
}

}  // namespace

class StatisticsWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void gridLabelsReadLikePrintedNumbers() {
        QCOMPARE(GridLabel(190, kScale), QStringLiteral(" 132"));
        QCOMPARE(GridLabel(10, kScale), QStringLiteral(" 60"));
        QCOMPARE(GridLabel(30, {500, -20, 3, 0}), QStringLiteral("-11"));
        QCOMPARE(GridLabel(10, {500, 0, 0, 0}), QStringLiteral(" 0"));
    }

    void badScalesAndValuesStillDraw() {
        QImage image(QSize(300, 200), QImage::Format_RGB32);
        DrawChartFrame(image, ChartScale{0, 0, 0, 0}, QFont());  // no band, no target line
        QCOMPARE(CountColour(image, kChartBand), 0);
        DrawChartFrame(image, ChartScale{-100, 56, 4, 96}, QFont());    // no column fits
        QVERIFY(CountColour(image, kChartGrid) > 0);                    // the rows still do
        DrawChartFrame(image, ChartScale{32767, 56, -4, 96}, QFont());  // many columns, upside down
        QVERIFY(CountColour(image, kChartGridMajor) > 0);

        ChartCanvas canvas{QFont()};
        Flat(canvas, 0);
        canvas.Add(Point(1, 1.5e9, 0), 0);
        canvas.Add(Point(2, std::numeric_limits<double>::quiet_NaN(), 1500), 0);
        canvas.Add(Point(3, -std::numeric_limits<double>::infinity(), 1500), 0);
        canvas.Add(Point(std::numeric_limits<std::int32_t>::max() - 5, 100, 100), 0);
        canvas.Flush();
        QCOMPARE(CountColour(canvas.Image(), kChartRed, QRect(30, 0, 1010, 400)), 0);
    }

    // Flat at y 50, 100 and 150: rows 300, 200 and 100, then 600, 400 and 200 after a resize.
    void eachCurveHasItsOwnColourAndIsRedrawnAfterAResize() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        for (int x = 1; x <= 300; ++x) {
            ChartPoint p = Point(x, 50, 50);
            p.green = {true, 100, 100};
            p.blue = {true, 150, 150};
            canvas.Add(p, 0);
        }
        canvas.Flush();
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int curve = 0; curve < 3; ++curve)
            for (int other = 0; other < 3; ++other)
                QCOMPARE(Near(canvas.Image(), 100, 300 - 100 * curve, colours[other]),
                         curve == other);
        canvas.Resize(QSize(520, 800), kScale);
        for (int curve = 0; curve < 3; ++curve) {
            QVERIFY(Near(canvas.Image(), 200, 600 - 200 * curve, colours[curve]));
            QVERIFY(Near(canvas.Image(), 310, 600 - 200 * curve, colours[curve]));
            QVERIFY(!Near(canvas.Image(), 330, 600 - 200 * curve, colours[curve]));
        }
    }

    void pointsAreDrawnWithoutTheWindowsTurns() {
        ChartCanvas canvas{QFont()};
        Flat(canvas, static_cast<int>(ChartCanvas::kPendingLimit + 10));
        QVERIFY(CountColour(canvas.Image(), kChartRed) > 0);
        QVERIFY(!canvas.TakeDirty().isEmpty());  // and the window will be told
    }

    void settingsApplyOnlyWhenTheFrameCloses() {
        ChartGame g(true);
        const int cleared = g.cleared;
        g.Setup();
        for (auto [field, text] :
             {std::pair{g.setup.txtMastabi[0], "250"}, {g.setup.txtCounterRST[1], "7.6"}}) {
            field->selectAll();
            QTest::keyClicks(field, QString::fromLatin1(text));
        }
        QCOMPARE(g.run.Chart().Scale().XSize, 500);  // still open: not yet
        g.Setup();
        QVERIFY(g.setup.isHidden() && g.run.Chart().Scale().XSize == 250);
        QCOMPARE(g.cleared, cleared + 1);
        // The fields show what the chart uses, and the picture is the frame at the new scale.
        QCOMPARE(g.setup.txtCounterRST[1]->text(), QStringLiteral("8"));
        QImage expected(kSize, QImage::Format_RGB32);
        DrawChartFrame(expected, g.run.Chart().Scale(), g.chart.font());
        QCOMPARE(g.Picture(), expected);

        g.setup.chkPrint->setChecked(true);
        g.Setup();
        g.setup.txtMastabi[2]->setText(QStringLiteral("4"));
        g.Setup();
        QCOMPARE(g.messages.questions, QStringList{QStringLiteral("OK/Cancel Print data ?")});
    }

    void theBandAndItsCheckBox() {
        ChartGame g(false);
        g.PlayAndRefresh(40000);  // points 1 to 400, point n after 100 n games
        g.SetTheory();
        const QImage picture = g.Picture();
        for (const int point : {150, 250, 380})
            for (const double side : {-1.0, 1.0}) {
                const double half_width = 1.96 * 100.0 * g.analysis.sd_per_game /
                                          std::sqrt(100.0 * static_cast<double>(point));
                const QPoint at = g.At(point, g.analysis.rtp.total_percent + side * half_width);
                QVERIFY2(at.y() > 20 && at.y() < 380, qPrintable(QString::number(at.y())));
                // Dashes of four pixels: about half of any sixteen columns, never all.
                int drawn = 0;
                for (int x = at.x() - 8; x < at.x() + 8; ++x)
                    drawn += CountColour(picture, kChartBandLine, QRect(x, at.y() - 2, 1, 5)) > 0;
                QVERIFY2(drawn >= 5 && drawn <= 11, qPrintable(QString::number(drawn)));
            }
        QCOMPARE(CountColour(picture, kChartBandLine, QRect(g.At(400, 100).x() + 2, 0, 1040, 400)),
                 0);  // nothing right of the last point

        const int shown = g.Pixels(kChartBandLine), red = g.Pixels(kChartRed);
        const QPoint box(4, g.setup.chkBand->height() / 2);
        QTest::mouseClick(g.setup.chkBand, Qt::LeftButton, {}, box);
        QCOMPARE(g.Pixels(kChartBandLine), 0);
        QVERIFY(g.Pixels(kChartRed) >= red);  // the curves stay
        QTest::mouseClick(g.setup.chkBand, Qt::LeftButton, {}, box);
        QCOMPARE(g.Pixels(kChartBandLine), shown);
    }

    void aFullChartEndsTheRunWithItsCurvesBitmapAndVerdict() {
        ChartGame g(false);
        QTest::mouseClick(g.setup.chkContinue, Qt::LeftButton);
        QTest::mouseClick(g.setup.chkSave, Qt::LeftButton);  // "Save now?" No
        g.run.StartOrStop();                                 // ends at point 499, game 49900
        QCOMPARE(g.Saved("Test49900.bmp").size(), kSize);
        QVERIFY(g.Printed(QString::fromStdString(g.summaries.at(0))));  // no verdict yet

        // Red ends at point 498 at the run's RTP; green and blue are drawn too.
        QCoreApplication::processEvents();
        const QImage picture = g.Picture();
        const QPoint end = g.At(498, g.Rtp());
        QVERIFY2(end.y() > 20 && end.y() < 380, qPrintable(QString::number(end.y())));
        QVERIFY(CountColour(picture, Qt::red, QRect(end - QPoint(3, 3), QSize(5, 7))) > 0);
        QCOMPARE(CountColour(picture, Qt::red, QRect(end.x() + 4, 0, 1040, 400)), 0);
        QVERIFY(g.Pixels(Qt::green) > 100 && g.Pixels(Qt::blue) > 100);

        g.SetTheory();
        g.run.StartOrStop();  // to the next full chart, judged
        const RunVerdict v = JudgeRun(g.analysis.rtp.total_percent, g.analysis.sd_per_game, g.Rtp(),
                                      g.run.State().TotalBet / kTotalBet);
        QVERIFY(v.verdict != Verdict::kNone);
        QVERIFY(g.Printed(QString::fromStdString(g.summaries.at(1)) +
                          QStringLiteral("  z = %1 %2")
                              .arg(v.z_score, 0, 'f', 2)
                              .arg(QString::fromLatin1(VerdictText(v.verdict)))));
    }

    void singleStepsDrawTheirPointsAndSaveNowWritesTestTemp() {
        ChartGame g(true);
        const QImage empty = g.Picture();
        while (g.run.State().Games < 300 || g.run.State().InFreeSpins) g.run.Step();
        QCOMPARE(g.points, 3);              // at games 100, 200 and 300
        QTRY_VERIFY(g.Picture() != empty);  // drawn once the event loop turns

        const QImage before = g.Picture();
        g.Setup();
        QTest::mouseClick(g.setup.chkSave, Qt::LeftButton);
        QCOMPARE(g.messages.questions, QStringList{QStringLiteral("Yes/No Save now?")});
        // The summary is printed at the bottom left, and the file holds the picture with it.
        const QPoint bottom_left = ChartMapper(kSize, g.run.Chart().Scale()).Map(10, 10).toPoint();
        const QRect text(bottom_left + QPoint(30, 0), QSize(300, 12));
        QCOMPARE(CountColour(before, Qt::black, text), 0);
        QVERIFY(CountColour(g.Picture(), Qt::black, text) > 30);
        QCOMPARE(g.Saved("TestTemp.bmp"), g.Picture());
    }

    // On line 1 three Nines (paying) red, two (paying nothing) yellow, five wilds (never seen)
    // white; a refresh with no game in between turns them white.
    void cellsShowTheirCountsInTheirChangeColours() {
        StatsGame game;
        const QAbstractItemModel& model = *Grid(game.hits).model();
        // Four rows a symbol, from 2 of it to 5.
        const auto at = [&model](int symbol, int count, int line) {
            return model.index(4 * symbol + count - 2, line);
        };
        game.PlayAndRefresh(3000);
        const RunState& state = game.run.State();
        for (int symbol = 0; symbol < 13; ++symbol)
            for (int count = 2; count <= 5; ++count)
                for (int line = 0; line <= 20; ++line)
                    QCOMPARE(model.data(at(symbol, count, line)).toString(),
                             QString::number(state.HitCount[line][count][symbol]));
        const auto colours = [&] {
            QList<QColor> list;
            for (auto [symbol, count] : {std::pair{0, 3}, {0, 2}, {11, 5}})
                list
                    << model.data(at(symbol, count, 0), Qt::BackgroundRole).value<QBrush>().color();
            return list;
        };
        QCOMPARE(colours(), (QList<QColor>{Qt::red, Qt::yellow, Qt::white}));
        game.run.RefreshHits();
        QCOMPARE(colours(), (QList<QColor>{Qt::white, Qt::white, Qt::white}));
    }

    // A click on a cell or the corner: the copy tells its progress in its two pauses, and a click
    // meanwhile returns at once.
    void aClickCopiesTheTableAndTheTotals_data() { test::BoolRows("corner", "cell", "corner"); }

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
            QTest::mouseClick(Grid(hits).viewport(), Qt::LeftButton);
            nested_copy |= !label.isVisible();
        });
        probe.start(20);
        QTableView& grid = Grid(hits);
        QTest::mouseClick(corner ? &test::Child<QAbstractButton>(hits, "WinName") : grid.viewport(),
                          Qt::LeftButton, {},
                          corner ? QPoint() : grid.visualRect(grid.model()->index(0, 0)).center());
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
        QCOMPARE(
            lines.mid(53),
            QStringList({QString("TotalBet\t%1\tTotalWin\t%2").arg(st.TotalBet).arg(st.TotalWin),
                         QString("FreeGames\t%1\tFreeWin\t%2").arg(st.FreeGames).arg(st.FreeWin)}));
    }
};

KRAGMOOR_QTEST_MAIN(StatisticsWindowsTest)
#include "test_stats_windows.moc"
