// The chart window over a real run control: placement and set-up frame, options that take effect
// at once, settings applied only when the frame closes, the questions it asks, the end of a run
// at a full chart, the curves on the picture and the bitmap files.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cmath>

#include "helpers/stats_fixture.h"
#include "ui/stats/chart_frame.h"
#include "ui/stats/chart_setup_frame.h"
#include "ui/stats/frm_slot_chart.h"

using namespace kragmoor;
using kragmoor::testing::StatsGame;

namespace {

struct Question {
    QString text;
    bool yes_no;
};

// Answers every question with `answer` and remembers it.
struct Asker {
    std::vector<Question> asked;
    bool answer = true;
    frmSlotChart::Ask Fn() {
        return [this](QWidget*, const QString& text, bool yes_no) {
            asked.push_back({text, yes_no});
            return answer;
        };
    }
};

void Type(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The reference game pays far above its header's RTP: a scale that shows its curves, and a
// green window short enough for the green curve to part from the red one.
void ShowReferenceScale(frmSlotChart& chart) {
    chart.cmdCharSetup_Click();
    Type(chart.Setup().txtMastabi[1], QStringLiteral("500"));
    Type(chart.Setup().txtMastabi[2], QStringLiteral("20"));
    Type(chart.Setup().txtMastabi[3], QStringLiteral("660"));
    Type(chart.Setup().txtCounterRST[1], QStringLiteral("50"));
    chart.cmdCharSetup_Click();
}

bool BitmapOfSize(const std::filesystem::path& path, QSize size) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("BM") && QImage::fromData(bytes, "BMP").size() == size;
}

int CountColour(const QImage& image, const QColor& colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour.rgb();
    return n;
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void placedAcrossTheTopWithItsSetupHidden() {
        StatsGame game;
        frmSlotChart chart(game.run);
        QCOMPARE(chart.windowTitle(), QStringLiteral("Slot Chart"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(chart.pos(), screen.topLeft());
        QCOMPARE(chart.width(), screen.width());
        QCOMPARE(chart.height(), screen.height() * 5 / 8);
        QCOMPARE(chart.Picture().size(), chart.size());
        const ChartMapper map(chart.Picture().size(), game.run.ChartData().Scale());
        QCOMPARE(chart.Picture().pixel(map.Map(15, 195).toPoint()), QColor(Qt::white).rgb());

        QCOMPARE(chart.SetupButton().text(), QStringLiteral("Char Setup"));
        QCOMPARE(chart.SetupButton().pos(), QPoint(0, 0));
        ChartSetupFrame& setup = chart.Setup();
        QVERIFY(setup.isHidden());
        QCOMPARE(setup.title(), QStringLiteral("Chart Setup"));
        QCOMPARE(setup.pos(), QPoint(24, 24));
        QVERIFY(setup.width() >= 297 && setup.height() >= 145);
        QCOMPARE(setup.lblMastabi[0]->text(), QStringLiteral("X size               steps"));
        QCOMPARE(setup.lblMastabi[3]->text(), QStringLiteral("Target              %"));
        QCOMPARE(setup.lblCounters->text(), QStringLiteral("Line counter reset"));
        // GameRTP 96.5 of the reference game: Min and Target from its whole number.
        const ChartScale& scale = game.run.ChartData().Scale();
        QCOMPARE(setup.txtMastabi[0]->text(), QStringLiteral("500"));
        QCOMPARE(setup.txtMastabi[1]->text(), QString::number(scale.Min));
        QCOMPARE(setup.txtMastabi[2]->text(), QStringLiteral("4"));
        QCOMPARE(setup.txtMastabi[3]->text(), QString::number(scale.Target));
        QCOMPARE(scale.Target - scale.Min, 40);
        QCOMPARE(setup.txtCounterRST[0]->text(), QStringLiteral("0"));
        QCOMPARE(setup.txtCounterRST[1]->text(), QStringLiteral("500"));
        QCOMPARE(setup.txtCounterRST[2]->text(), QStringLiteral("100"));
        QCOMPARE(setup.txtCounterRST[0]->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(setup.txtCounterRST[1]->palette().color(QPalette::Base), QColor(0, 255, 0));
        QVERIFY(setup.chkContinue->isChecked() && setup.chkChart->isChecked());
        QVERIFY(!setup.chkClear->isChecked() && !setup.chkPrint->isChecked() &&
                !setup.chkSave->isChecked());
        for (QCheckBox* box :
             {setup.chkContinue, setup.chkClear, setup.chkPrint, setup.chkSave, setup.chkChart}) {
            QCOMPARE(box->toolTip(),
                     QStringLiteral("When unchecked the drawing stops at the end of the chart"));
        }
        QVERIFY(!chart.SetupChanged());
    }

    void setupFieldsSitInsideTheirCaptions() {
        StatsGame game;
        frmSlotChart chart(game.run);
        ChartSetupFrame& setup = chart.Setup();
        const QFontMetrics fm(setup.font());
        for (int i = 0; i < 4; ++i) {
            // The field covers only the blanks: the words before it and the unit after it show.
            const QString caption = setup.lblMastabi[i]->text();
            const QString words = caption.left(caption.indexOf(QStringLiteral("  ")));
            const QString up_to_unit = caption.left(caption.lastIndexOf(QLatin1Char(' ')) + 1);
            const QRect field = setup.txtMastabi[i]->geometry();
            const QRect label = setup.lblMastabi[i]->geometry();
            QVERIFY2(field.left() >= label.left() + fm.horizontalAdvance(words),
                     qPrintable(caption));
            QVERIFY2(field.right() < label.left() + fm.horizontalAdvance(up_to_unit),
                     qPrintable(caption));
            QVERIFY(field.width() >= fm.horizontalAdvance(QStringLiteral("500")));
            QVERIFY(setup.rect().contains(label));
        }
        for (QWidget* w :
             {static_cast<QWidget*>(setup.chkChart), static_cast<QWidget*>(setup.lblCounters),
              static_cast<QWidget*>(setup.txtCounterRST[2])})
            QVERIFY(setup.rect().contains(w->geometry()));
    }

    void optionBoxesTakeEffectAtOnce() {
        StatsGame game;
        frmSlotChart chart(game.run);
        Asker asker;
        asker.answer = false;
        chart.SetAsk(asker.Fn());
        chart.cmdCharSetup_Click();
        const ChartOptions& options = game.run.ChartData().Options();
        QTest::mouseClick(chart.Setup().chkContinue, Qt::LeftButton);
        QTest::mouseClick(chart.Setup().chkClear, Qt::LeftButton);
        QTest::mouseClick(chart.Setup().chkPrint, Qt::LeftButton);
        QTest::mouseClick(chart.Setup().chkSave, Qt::LeftButton);
        QTest::mouseClick(chart.Setup().chkChart, Qt::LeftButton);
        QVERIFY(!options.Continue && options.Clear && options.Print && options.Save &&
                !options.Chart);
        // Ticking Save asks once; nothing else did.
        QCOMPARE(asker.asked.size(), std::size_t{1});
        QCOMPARE(asker.asked[0].text, QStringLiteral("Save now?"));
        QVERIFY(asker.asked[0].yes_no);
        QVERIFY(!game.Exists("TestTemp.bmp"));  // answered No
        QTest::mouseClick(chart.Setup().chkSave, Qt::LeftButton);
        QVERIFY(!options.Save);
        QCOMPARE(asker.asked.size(), std::size_t{1});  // unticking asks nothing
    }

    void settingsApplyOnlyWhenTheFrameCloses() {
        StatsGame game;
        frmSlotChart chart(game.run);
        Asker asker;
        chart.SetAsk(asker.Fn());
        ChartSetupFrame& setup = chart.Setup();

        chart.cmdCharSetup_Click();  // open and close without a change: nothing applied
        QVERIFY(!setup.isHidden());
        chart.cmdCharSetup_Click();
        QVERIFY(setup.isHidden());
        QCOMPARE(game.forwarder.cleared, 0);

        chart.cmdCharSetup_Click();
        Type(setup.txtMastabi[0], QStringLiteral("250"));
        Type(setup.txtMastabi[2], QStringLiteral("abc"));
        Type(setup.txtCounterRST[1], QStringLiteral("7.6"));
        QVERIFY(chart.SetupChanged());
        QCOMPARE(game.run.ChartData().Scale().XSize, 500);  // still open: not yet
        QCOMPARE(game.forwarder.cleared, 0);

        chart.cmdCharSetup_Click();
        QVERIFY(!chart.SetupChanged());
        QCOMPARE(game.run.ChartData().Scale().XSize, 250);
        QCOMPARE(game.run.ChartData().Scale().Step, 0);
        QCOMPARE(game.run.ChartData().CounterReset()[1], 8);
        QCOMPARE(game.forwarder.cleared, 1);
        // The fields now show what the chart uses.
        QCOMPARE(setup.txtMastabi[2]->text(), QStringLiteral("0"));
        QCOMPARE(setup.txtCounterRST[1]->text(), QStringLiteral("8"));
        QVERIFY(asker.asked.empty());  // Print unchecked: no question

        // With Print checked, applying asks "Print data ?" with OK and Cancel.
        setup.chkPrint->setChecked(true);
        chart.cmdCharSetup_Click();
        Type(setup.txtMastabi[2], QStringLiteral("4"));
        chart.cmdCharSetup_Click();
        QCOMPARE(asker.asked.size(), std::size_t{1});
        QCOMPARE(asker.asked[0].text, QStringLiteral("Print data ?"));
        QVERIFY(!asker.asked[0].yes_no);
    }

    void newSettingsRedrawTheFrameAtTheNewScale() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        chart.cmdCharSetup_Click();
        Type(chart.Setup().txtMastabi[0], QStringLiteral("100"));
        chart.cmdCharSetup_Click();
        QImage expected(chart.Picture().size(), QImage::Format_RGB32);
        DrawChartFrame(expected, game.run.ChartData().Scale(), chart.font());
        QCOMPARE(chart.Picture(), expected);
    }

    void continueUncheckedEndsTheRunAtTheFullChart() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        chart.SetAsk(Asker().Fn());
        chart.cmdCharSetup_Click();
        QTest::mouseClick(chart.Setup().chkContinue, Qt::LeftButton);
        chart.cmdCharSetup_Click();

        game.run.cmdAUTO_Click();
        QVERIFY(!game.run.Running());
        // The pass that adds the 499th point is the last: 499 x 100 games.
        QCOMPARE(game.run.State().Games, 49900);
        QCOMPARE(game.run.ChartData().ChartPoints(), 499);
        QCOMPARE(game.forwarder.summaries.size(), std::size_t{1});
        QVERIFY(game.forwarder.summaries[0].starts_with("Games = 49 900    "));
        QCOMPARE(game.forwarder.bitmaps[0], std::string());  // Save unchecked: no file
    }

    void theCurvesLandWhereTheRunIs() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        chart.resize(1040, 400);
        ShowReferenceScale(chart);
        chart.Setup().chkContinue->setChecked(false);
        game.run.cmdAUTO_Click();
        chart.FlushPending();

        const QImage& picture = chart.Picture();
        const ChartMapper map(picture.size(), game.run.ChartData().Scale());
        const RunState& state = game.run.State();
        const double ratio =
            static_cast<double>(state.TotalWin) / static_cast<double>(state.TotalBet);
        const double y = game.run.ChartData().Y(ratio);
        QVERIFY2(y > 10 && y < 190, qPrintable(QString::number(y)));
        // The red curve's last segment ends at point 498 (x = 508) at the cumulative RTP.
        const QPoint end = map.Map(508, y).toPoint();
        QVERIFY(CountColour(picture, QColor(255, 0, 0), QRect(end - QPoint(3, 3), QSize(5, 7))) >
                0);
        // Nothing was drawn right of the last point.
        QCOMPARE(
            CountColour(picture, QColor(255, 0, 0),
                        QRect(end.x() + 4, 0, picture.width() - end.x() - 4, picture.height())),
            0);
        QVERIFY(CountColour(picture, QColor(0, 255, 0), picture.rect()) > 100);
        QVERIFY(CountColour(picture, QColor(0, 0, 255), picture.rect()) > 100);
        // The summary is printed near the bottom left.
        QVERIFY(CountColour(picture, Qt::black, QRect(map.Map(10, 10).toPoint(), QSize(200, 12))) >
                30);
    }

    void aFullChartWithSaveWritesTheBitmapOfTheRun() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        Asker asker;
        asker.answer = false;
        chart.SetAsk(asker.Fn());
        chart.resize(800, 300);
        chart.SetDirectory(game.Dir());
        chart.Setup().chkContinue->setChecked(false);
        QTest::mouseClick(chart.Setup().chkSave, Qt::LeftButton);  // "Save now?" No

        game.run.cmdAUTO_Click();
        QCOMPARE(game.forwarder.bitmaps.at(0), std::string("Test49900.bmp"));
        QVERIFY(BitmapOfSize(game.Dir() / "Test49900.bmp", QSize(800, 300)));
        QVERIFY(!game.Exists("TestTemp.bmp"));
    }

    void saveNowPrintsTheSummaryAndWritesTestTemp() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        Asker asker;
        chart.SetAsk(asker.Fn());
        chart.resize(900, 400);
        chart.SetDirectory(game.Dir());
        game.PlayAndRefresh(300);
        const QImage before = chart.Picture();

        chart.cmdCharSetup_Click();
        QTest::mouseClick(chart.Setup().chkSave, Qt::LeftButton);  // "Save now?" Yes
        QCOMPARE(asker.asked.size(), std::size_t{1});
        QVERIFY(BitmapOfSize(game.Dir() / "TestTemp.bmp", QSize(900, 400)));
        const ChartMapper map(chart.Picture().size(), game.run.ChartData().Scale());
        const QRect text(map.Map(10, 10).toPoint() + QPoint(30, 0),
                         QSize(300, 12));  // past the label
        QCOMPARE(CountColour(before, Qt::black, text), 0);
        QVERIFY(CountColour(chart.Picture(), Qt::black, text) > 30);
        // The file holds the picture with its summary.
        const QImage saved(QString::fromStdString((game.Dir() / "TestTemp.bmp").string()));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), chart.Picture());
    }

    void pointsOfSingleStepsAreDrawnWithoutARun() {
        StatsGame game;
        frmSlotChart chart(game.run);
        game.forwarder.chart = &chart;
        chart.resize(1040, 400);
        ShowReferenceScale(chart);
        const QImage empty = chart.Picture();
        // Points at games 100, 200 and 300.
        while (game.run.State().Games < 300 || game.run.State().InFreeSpins)
            game.run.cmdStart_Click();
        QCOMPARE(game.forwarder.points, 3);
        QTRY_VERIFY(chart.Picture() != empty);  // drawn once the event loop turns
    }
};

QTEST_MAIN(ChartWindowTest)
#include "test_stats_chart_window.moc"
