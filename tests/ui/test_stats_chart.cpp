// The RTP chart. Its picture alone: grid labels, bad scales and values, redrawing after a resize,
// points drawn without the window's turns. The window over a real run control: settings
// applied only when the set-up frame closes, options at once (the end of a run at a full chart
// with its curves and bitmap), the points of single steps and Save now.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>
#include <limits>

#include "engine/chart_data.h"
#include "helpers/fixtures.h"
#include "ui/stats/bitmap_file.h"
#include "ui/stats/chart_canvas.h"
#include "ui/stats/chart_frame.h"
#include "ui/stats/chart_setup_frame.h"

using namespace kragmoor;

namespace {

void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

int CountColour(const QImage& image, const QColor& colour, QRect area) {
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour.rgb();
    return n;
}

// A one-pixel line may fall on either side of its mathematical position.
bool Near(const QImage& image, int x, int y, const QColor& colour) {
    return CountColour(image, colour, QRect(x - 1, y - 1, 3, 3)) > 0;
}

// X size 500 on 1040 pixels and 200 y-units on 400: two pixels per unit both ways.
const ChartScale kScale{500, 56, 4, 96};
const QSize kSize(1040, 400);

// A red segment to point x at `red` from the point before at `prev_red`.
ChartPoint Point(int x, double red, std::int32_t prev_red) {
    ChartPoint p;
    p.x = x;
    p.prev_x = std::max(x - 1, 0);
    p.red = {true, prev_red, red};
    return p;
}

// A canvas of kSize on kScale with a flat red curve at y 150 from x 1 to x `points`.
void Flat(ChartCanvas& canvas, int points) {
    canvas.Resize(kSize, kScale);
    for (int x = 1; x <= points; ++x) canvas.Add(Point(x, 150, 150), 0);
}

// The chart window of 1040 x 400 saving into the game's directory, its questions answered with
// `answer` and recorded with their buttons.
struct ChartGame : test::StatsGame {
    QStringList asked;
    ChartSetupFrame& setup = *chart.findChild<ChartSetupFrame*>(QStringLiteral("fraCharSetup"));

    explicit ChartGame(bool answer = true) {
        chart.SetAsk([this, answer](QWidget*, const QString& text, bool yes_no) {
            asked << (yes_no ? "Yes/No " : "OK/Cancel ") + text;
            return answer;
        });
        chart.resize(kSize);
    }
    // The reference game pays far above its header's RTP: a scale that shows its curves, and a
    // green window short enough for the green curve to part from the red one.
    void ShowReferenceScale() {
        chart.cmdCharSetup_Click();
        Type(setup.txtMastabi[1], QStringLiteral("500"));
        Type(setup.txtMastabi[2], QStringLiteral("20"));
        Type(setup.txtMastabi[3], QStringLiteral("660"));
        Type(setup.txtCounterRST[1], QStringLiteral("50"));
        chart.cmdCharSetup_Click();
    }
    bool BitmapOfChartSize(const std::string& name) {
        QFile file(QString::fromStdString((dir / name).string()));
        if (!file.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = file.readAll();
        return bytes.startsWith("BM") && QImage::fromData(bytes, "BMP").size() == chart.size();
    }
};

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void gridLabelsReadLikePrintedNumbers() {
        const struct {
            int y;
            ChartScale scale;
            const char* label;
        } cases[] = {{190, kScale, " 132"},
                     {10, kScale, " 60"},
                     {30, {500, -20, 3, 0}, "-11"},
                     {10, {500, 0, 0, 0}, " 0"}};
        for (const auto& c : cases) QCOMPARE(GridLabel(c.y, c.scale), QString::fromLatin1(c.label));
    }

    void badScalesAndValuesStillDraw() {
        QImage image(QSize(300, 200), QImage::Format_RGB32);
        DrawChartFrame(image, ChartScale{0, 0, 0, 0}, QFont());  // no band, no target line
        QCOMPARE(CountColour(image, kChartBand, image.rect()), 0);
        DrawChartFrame(image, ChartScale{-100, 56, 4, 96}, QFont());    // no column fits
        QVERIFY(CountColour(image, kChartGrid, image.rect()) > 0);      // the rows still do
        DrawChartFrame(image, ChartScale{32767, 56, -4, 96}, QFont());  // many columns, upside down
        QVERIFY(CountColour(image, kChartGridMajor, image.rect()) > 0);

        // A game paying 650 % on a 56..136 % scale is far above the picture; no number, no line.
        ChartCanvas canvas{QFont()};
        Flat(canvas, 0);
        canvas.Add(Point(1, 1.5e9, 0), 0);
        canvas.Add(Point(2, std::numeric_limits<double>::quiet_NaN(), 1500), 0);
        canvas.Add(Point(3, -std::numeric_limits<double>::infinity(), 1500), 0);
        canvas.Add(Point(std::numeric_limits<std::int32_t>::max() - 5, 100, 100), 0);
        canvas.Flush();
        QCOMPARE(CountColour(canvas.Image(), kChartRed, QRect(30, 0, 1010, 400)), 0);
    }

    void aResizeRedrawsCurvesAndSummary() {
        ChartCanvas canvas{QFont()};
        Flat(canvas, 300);
        canvas.Print(QStringLiteral("Games = 29 900    96.123% = 574 775 / 598 000"));
        canvas.Flush();
        canvas.Resize(QSize(520, 800), kScale);  // one pixel per x unit, four per y unit
        QVERIFY(Near(canvas.Image(), 200, 200, kChartRed));  // y 150 -> row 800 - 600
        QVERIFY(Near(canvas.Image(), 310, 200, kChartRed));
        QVERIFY(!Near(canvas.Image(), 330, 200, kChartRed));
        QVERIFY(CountColour(canvas.Image(), Qt::black, QRect(10, 760, 500, 40)) > 30);
    }

    // Each curve in its own colour, flat at y 50 (red), 100 (green) and 150 (blue): rows 300,
    // 200 and 100 of the picture.
    void eachCurveHasItsOwnColour() {
        ChartCanvas canvas{QFont()};
        canvas.Resize(kSize, kScale);
        for (int x = 1; x <= 100; ++x) {
            ChartPoint p = Point(x, 50, 50);
            p.green = {true, 100, 100};
            p.blue = {true, 150, 150};
            canvas.Add(p, 0);
        }
        canvas.Flush();
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int curve = 0; curve < 3; ++curve) {
            for (int other = 0; other < 3; ++other) {
                QCOMPARE(Near(canvas.Image(), 100, 300 - 100 * curve, colours[other]),
                         curve == other);
            }
        }
    }

    void pointsAreDrawnWithoutTheWindowsTurns() {
        ChartCanvas canvas{QFont()};
        const std::size_t n = ChartCanvas::kPendingLimit + 10;
        Flat(canvas, static_cast<int>(n));
        QVERIFY(canvas.PendingCount() <= ChartCanvas::kPendingLimit);
        QVERIFY(CountColour(canvas.Image(), kChartRed, canvas.Image().rect()) > 0);
        QCOMPARE(canvas.RecordedCount(), n);
        QVERIFY(!canvas.TakeDirty().isEmpty());  // and the window will be told
    }

    void settingsApplyOnlyWhenTheFrameCloses() {
        ChartGame g;
        g.chart.cmdCharSetup_Click();  // open and close without a change: nothing applied
        QVERIFY(!g.setup.isHidden());
        g.chart.cmdCharSetup_Click();
        QVERIFY(g.setup.isHidden());
        QCOMPARE(g.cleared, 0);

        g.chart.cmdCharSetup_Click();
        Type(g.setup.txtMastabi[0], QStringLiteral("250"));
        Type(g.setup.txtMastabi[2], QStringLiteral("abc"));
        Type(g.setup.txtCounterRST[1], QStringLiteral("7.6"));
        QCOMPARE(g.run.Chart().Scale().XSize, 500);  // still open: not yet
        QCOMPARE(g.cleared, 0);

        g.chart.cmdCharSetup_Click();
        QCOMPARE(g.run.Chart().Scale().XSize, 250);
        QCOMPARE(g.run.Chart().Scale().Step, 0);
        QCOMPARE(g.run.Chart().CounterReset()[1], 8);
        QCOMPARE(g.cleared, 1);
        // The fields now show what the chart uses, and the picture is the frame at the new scale.
        QCOMPARE(g.setup.txtMastabi[2]->text(), QStringLiteral("0"));
        QCOMPARE(g.setup.txtCounterRST[1]->text(), QStringLiteral("8"));
        QImage expected(g.chart.Picture().size(), QImage::Format_RGB32);
        DrawChartFrame(expected, g.run.Chart().Scale(), g.chart.font());
        QCOMPARE(g.chart.Picture(), expected);
        QVERIFY(g.asked.isEmpty());  // Print unchecked: no question

        // With Print checked, applying asks "Print data ?" with OK and Cancel.
        g.setup.chkPrint->setChecked(true);
        g.chart.cmdCharSetup_Click();
        Type(g.setup.txtMastabi[2], QStringLiteral("4"));
        g.chart.cmdCharSetup_Click();
        QCOMPARE(g.asked, QStringList{QStringLiteral("OK/Cancel Print data ?")});
    }

    void continueUncheckedEndsTheRunAtTheFullChartWithItsCurvesAndBitmap() {
        ChartGame g(false);
        g.ShowReferenceScale();
        QTest::mouseClick(g.setup.chkContinue, Qt::LeftButton);
        QTest::mouseClick(g.setup.chkSave, Qt::LeftButton);  // "Save now?" No
        g.run.StartOrStop();                                 // returns when the run has ended
        // The pass that adds the 499th point is the last: 499 x 100 games.
        QCOMPARE(g.run.State().Games, 49900);
        QCOMPARE(g.run.Chart().ChartPoints(), 499);
        QVERIFY(g.summaries.size() == 1 && g.summaries[0].starts_with("Games = 49 900    "));
        QCOMPARE(g.bitmaps, std::vector<std::string>{"Test49900.bmp"});
        QVERIFY(g.BitmapOfChartSize("Test49900.bmp"));
        QVERIFY(!std::filesystem::exists(g.dir / "TestTemp.bmp"));

        // The red curve ends at point 498 (x = 508) at the cumulative RTP, and nothing lies
        // right of it; the green and blue curves are drawn too.
        g.chart.FlushPending();
        const QImage& picture = g.chart.Picture();
        const RunState& state = g.run.State();
        const double y = PercentY(
            100.0 * static_cast<double>(state.TotalWin) / static_cast<double>(state.TotalBet),
            g.run.Chart().Scale());
        QVERIFY2(y > 10 && y < 190, qPrintable(QString::number(y)));
        const QPoint end = ChartMapper(picture.size(), g.run.Chart().Scale()).Map(508, y).toPoint();
        QVERIFY(CountColour(picture, Qt::red, QRect(end - QPoint(3, 3), QSize(5, 7))) > 0);
        QCOMPARE(CountColour(picture, Qt::red, QRect(end.x() + 4, 0, 1040, 400)), 0);
        QVERIFY(CountColour(picture, Qt::green, picture.rect()) > 100);
        QVERIFY(CountColour(picture, Qt::blue, picture.rect()) > 100);
    }

    void singleStepsDrawTheirPointsAndSaveNowWritesTestTemp() {
        ChartGame g;
        g.ShowReferenceScale();
        const QImage empty = g.chart.Picture();
        while (g.run.State().Games < 300 || g.run.State().InFreeSpins) g.run.Step();
        QCOMPARE(g.points, 3);                    // at games 100, 200 and 300
        QTRY_VERIFY(g.chart.Picture() != empty);  // drawn once the event loop turns

        const QImage before = g.chart.Picture();
        g.chart.cmdCharSetup_Click();
        QTest::mouseClick(g.setup.chkSave, Qt::LeftButton);
        QCOMPARE(g.asked, QStringList{QStringLiteral("Yes/No Save now?")});  // answered Yes
        QVERIFY(g.BitmapOfChartSize("TestTemp.bmp"));
        // The summary is printed at the bottom left, past the grid label, and the file holds the
        // picture with it, curves in their colours.
        const QPoint bottom_left =
            ChartMapper(before.size(), g.run.Chart().Scale()).Map(10, 10).toPoint();
        const QRect text(bottom_left + QPoint(30, 0), QSize(300, 12));
        QCOMPARE(CountColour(before, Qt::black, text), 0);
        QVERIFY(CountColour(g.chart.Picture(), Qt::black, text) > 30);
        const QImage saved(QString::fromStdString((g.dir / "TestTemp.bmp").string()));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), g.chart.Picture());
        // A file that cannot be written is named in the error.
        const QString bad = QString::fromStdString((g.dir / "missing" / "Test.bmp").string());
        QString error;
        QVERIFY(!SaveBitmap(g.chart.Picture(), bad, &error));
        QVERIFY2(error.contains(bad), qPrintable(error));
    }
};

QTEST_MAIN(ChartWindowTest)
#include "test_stats_chart.moc"
