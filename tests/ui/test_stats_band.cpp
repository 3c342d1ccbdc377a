// The RTP chart's 95 % band once the exact analysis is known: two dashed magenta curves at exact
// RTP +/- 1.96 sigma / sqrt(games) at each point, under the run's curves; not drawn before the
// analysis nor with its check box cleared; and the verdict appended to the summary line.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>
#include <cmath>

#include "engine/chart_data.h"
#include "engine/exact_analysis.h"
#include "engine/run_verdict.h"
#include "helpers/fixtures.h"
#include "ui/stats/chart_canvas.h"
#include "ui/stats/chart_frame.h"
#include "ui/stats/chart_setup_frame.h"

using namespace kragmoor;

namespace {

int CountColour(const QImage& image, const QColor& colour, QRect area) {
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour.rgb();
    return n;
}

// The columns of [x0, x1] with a magenta pixel within two rows of `row`.
int BandColumns(const QImage& image, int x0, int x1, int row) {
    int columns = 0;
    for (int x = x0; x <= x1; ++x) {
        columns += CountColour(image, kChartBandLine, QRect(x, row - 2, 1, 5)) > 0;
    }
    return columns;
}

// The reference game's chart, 1040 x 400, on a scale that shows its curves and band, with its
// exact analysis.
struct BandGame : test::StatsGame {
    ChartSetupFrame& setup = *chart.findChild<ChartSetupFrame*>(QStringLiteral("fraCharSetup"));
    ExactAnalysis analysis = AnalyseGame(session.definition);

    BandGame() {
        chart.resize(1040, 400);
        chart.SetAsk([](QWidget*, const QString&, bool) { return false; });
        chart.cmdCharSetup_Click();
        const char* const texts[] = {"500", "500", "20", "660"};
        for (int i = 1; i < 4; ++i) setup.txtMastabi[i]->setText(QString::fromLatin1(texts[i]));
        chart.cmdCharSetup_Click();
    }
    // The picture row of `percent` on the chart's own mapping.
    double Row(double percent) {
        const ChartScale& scale = run.Chart().Scale();
        return ChartMapper(chart.Picture().size(), scale).Y(PercentY(percent, scale));
    }
    double Column(int point) {
        return ChartMapper(chart.Picture().size(), run.Chart().Scale()).X(point + 10);
    }
    double HalfWidth(std::int64_t games) {
        return 1.96 * 100.0 * analysis.sd_per_game / std::sqrt(static_cast<double>(games));
    }
};

}  // namespace

class ChartBandTest : public QObject {
    Q_OBJECT

  private slots:
    void theBandIsDashedMagentaAtExactRtpPlusMinus196SigmaOverRootGames() {
        BandGame g;
        g.PlayAndRefresh(40000);  // points 1 to 400, point n after 100 n games
        g.chart.FlushPending();
        QCOMPARE(CountColour(g.chart.Picture(), kChartBandLine, g.chart.Picture().rect()), 0);

        g.chart.SetTheory(g.analysis.rtp.total_percent, g.analysis.sd_per_game);
        const QImage& picture = g.chart.Picture();
        for (const int point : {150, 250, 380}) {
            const std::int64_t games = 100 * point;
            const int x = static_cast<int>(std::lround(g.Column(point)));
            for (const double side : {-1.0, 1.0}) {
                const double percent = g.analysis.rtp.total_percent + side * g.HalfWidth(games);
                const int row = static_cast<int>(std::lround(g.Row(percent)));
                QVERIFY2(row > 20 && row < 380, qPrintable(QString::number(row)));
                // Dashes of four pixels: about half of any sixteen columns, never all.
                const int drawn = BandColumns(picture, x - 8, x + 7, row);
                QVERIFY2(drawn >= 5 && drawn <= 11,
                         qPrintable(QStringLiteral("point %1 side %2: %3 of 16 columns")
                                        .arg(point)
                                        .arg(side)
                                        .arg(drawn)));
            }
        }
        // Nothing of it right of the last point.
        const int last = static_cast<int>(std::lround(g.Column(400)));
        QCOMPARE(CountColour(picture, kChartBandLine, QRect(last + 2, 0, 1040, 400)), 0);
    }

    void itsCheckBoxHidesAndShowsIt() {
        BandGame g;
        QVERIFY(g.setup.chkBand->isChecked());
        g.chart.SetTheory(g.analysis.rtp.total_percent, g.analysis.sd_per_game);
        g.PlayAndRefresh(20000);
        g.chart.FlushPending();
        const int shown = CountColour(g.chart.Picture(), kChartBandLine, g.chart.Picture().rect());
        QVERIFY(shown > 100);
        const QImage red_before = g.chart.Picture();

        QTest::mouseClick(g.setup.chkBand, Qt::LeftButton, {},
                          QPoint(4, g.setup.chkBand->height() / 2));
        QVERIFY(!g.setup.chkBand->isChecked());
        QCOMPARE(CountColour(g.chart.Picture(), kChartBandLine, g.chart.Picture().rect()), 0);
        QVERIFY(CountColour(g.chart.Picture(), kChartRed, g.chart.Picture().rect()) >=
                CountColour(red_before, kChartRed, red_before.rect()));  // the curves stay
        // It does not move the designed boxes.
        QVERIFY(g.setup.chkBand->geometry().left() > g.setup.chkChart->geometry().right());

        QTest::mouseClick(g.setup.chkBand, Qt::LeftButton, {},
                          QPoint(4, g.setup.chkBand->height() / 2));
        QCOMPARE(CountColour(g.chart.Picture(), kChartBandLine, g.chart.Picture().rect()), shown);
    }

    void theSummaryLineGetsTheVerdict() {
        BandGame g;
        g.setup.chkContinue->setChecked(false);  // the run ends at the full chart
        g.run.StartOrStop();
        QCOMPARE(g.summaries.size(), std::size_t{1});
        QCOMPARE(g.chart.Summary(), QString::fromStdString(g.summaries[0]));  // no theory yet

        g.chart.SetTheory(g.analysis.rtp.total_percent, g.analysis.sd_per_game);
        g.run.StartOrStop();  // to the next full chart
        QCOMPARE(g.summaries.size(), std::size_t{2});
        const RunState& st = g.run.State();
        const RunVerdict v =
            JudgeRun(g.analysis.rtp.total_percent, g.analysis.sd_per_game,
                     100.0 * static_cast<double>(st.TotalWin) / static_cast<double>(st.TotalBet),
                     st.TotalBet / kBet);
        QVERIFY(v.verdict != Verdict::kNone);
        const QString expected = QString::fromStdString(g.summaries[1]) +
                                 QStringLiteral("  z = %1 %2")
                                     .arg(v.z_score, 0, 'f', 2)
                                     .arg(QString::fromLatin1(VerdictText(v.verdict)));
        QCOMPARE(g.chart.Summary(), expected);
    }
};

QTEST_MAIN(ChartBandTest)
#include "test_stats_band.moc"
