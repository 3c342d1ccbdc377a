// The chart's points, full-chart events, wraps, restarts, set-up fields and divisions by 0.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "engine_fixture.h"
#include "model/text_format.h"

namespace kragmoor {
namespace {

using ChartTest = test::EngineTest;

// The scale starts from the game's RTP rounded half to even; a field too large reads as 0.
TEST_F(ChartTest, SetupFieldsReadAsRoundedNumbers) {
    def.GameRTP = 96.5f;
    Start();
    EXPECT_EQ(sim().Chart().ScaleTexts(), (std::array<std::string, 4>{"500", "56", "4", "96"}));
    EXPECT_DOUBLE_EQ(PercentY(96.0, sim().Chart().Scale()), 100.0);  // (96 - 56) x 10 / 4
    sim().ReadChartSetup({"250.5", "x", "2.5", " 97 %"}, {"0", "1e2", "99999999999"});
    EXPECT_EQ(sim().Chart().ScaleTexts(), (std::array<std::string, 4>{"250", "0", "2", "97"}));
    EXPECT_EQ(sim().Chart().CounterResetTexts(), (std::array<std::string, 3>{"0", "100", "0"}));
    EXPECT_EQ(observer.chart_cleared, 1);
}

// Point k (from 1) sits at k mod 10, its segment from where the last one ended; a second observer
// is told the same.
TEST_F(ChartTest, WithContinueCheckedTheChartWrapsAndClearsWhenAsked) {
    Start();
    test::RecordingObserver second;
    sim().AddObserver(&second);
    sim().ReadChartSetup({"10", "50", "4", "95"}, {"0", "500", "100"});
    sim().Chart().Options().Clear = true;
    StopAt(2500);
    sim().StartOrStop();
    sim().RemoveObserver(&second);
    const auto& p = observer.points;
    ASSERT_EQ(p.size(), 25u);
    EXPECT_EQ((std::vector{second.points.size(), second.full.size(), std::size_t{3}}),
              (std::vector{p.size(), observer.full.size(), std::size_t(second.chart_cleared)}));
    EXPECT_TRUE(p[24].red.drawn && p[24].green.drawn && p[24].blue.drawn);
    EXPECT_EQ(p[24].red.prev_y, static_cast<std::int32_t>(std::nearbyint(p[23].red.y)));
    EXPECT_EQ((std::vector{p[0].x, p[9].x, p[9].prev_x, p[10].prev_x, p[24].prev_x, p[24].x}),
              (std::vector{1, 0, 0, 0, 4, 5}));
    EXPECT_EQ(observer.full.size(), 2u);  // points 9 and 19
    EXPECT_EQ(observer.full[1][1], "") << "no bitmap without Save";
    EXPECT_EQ(observer.chart_cleared, 3) << "set-up, then the wraps at points 10 and 20";
}

TEST_F(ChartTest, WindowsRestartOnTheirPeriodsAndAPeriodOfOneHidesTheCurve) {
    Start();
    sim().ReadChartSetup({"500", "50", "4", "95"}, {"0", "1", "3"});
    StopAt(600);
    sim().StartOrStop();
    ASSERT_EQ(observer.points.size(), 6u);
    for (const ChartPoint& p : observer.points) EXPECT_TRUE(!p.green.drawn && p.blue.drawn);
    EXPECT_EQ(test::Lines(File("Percent_10000.txt")).size(), 2u) << "points 3 and 6";
    // The blue curve of point 4 starts where point 3 ended, not at a restart.
    EXPECT_EQ(observer.points[3].blue.prev_y,
              static_cast<std::int32_t>(std::nearbyint(observer.points[2].blue.y)));
}

// Red since the start, green since its window restarted (every 2 points, its bet mark one above
// the bet), blue since its own (every 3); y is the percent on this scale.
TEST(ChartData, EachCurveFollowsItsOwnWindow) {
    ChartData chart(95.5f);
    chart.ReadSetup({"500", "0", "10", "95"}, {"0", "2", "3"});
    const std::int64_t wins[] = {0, 0, 2000, 4000, 4000};
    const double red[] = {0, 0, 100.0 / 3, 50, 40};
    const double green[] = {0, 0, 200000.0 / 1999, 400000.0 / 3999, 0};
    const double blue[] = {0, 0, 100.0 / 3, 100, 50};
    RunState s;
    for (std::int64_t k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        s.Games = 100 * k;
        s.TotalBet = 2000 * k;
        s.TotalWin = wins[k - 1];
        const ChartStep step = chart.AddPoint(s);
        EXPECT_DOUBLE_EQ(step.point.red.y, red[k - 1]);
        EXPECT_DOUBLE_EQ(step.point.green.y, green[k - 1]);
        EXPECT_DOUBLE_EQ(step.point.blue.y, blue[k - 1]);
        EXPECT_EQ(step.percent_line, k == 3) << "the blue window restarts at point 3";
    }
}

// Checked again, the chart goes on at the point counted: point 101 at x = 101.
TEST_F(ChartTest, WithChartUncheckedPointsAreOnlyCounted) {
    Start();
    sim().Chart().Options().Chart = false;
    StopAt(10000);
    sim().StartOrStop();
    EXPECT_TRUE(observer.points.empty());
    EXPECT_EQ(File("Percent_10000.txt"), "");
    sim().Chart().Options().Chart = true;
    StopAt(10100);
    sim().StartOrStop();
    ASSERT_EQ(observer.points.size(), 1u);
    EXPECT_EQ(observer.points[0].x, 101);
}

// A divisor of 0 gives 0: no bets 0 %, a Step of 0 y = 0, an X size of 0 no wrap, a period of 0
// no restart.
TEST_F(ChartTest, DivisionsByZeroGiveZero) {
    ChartData chart(95.5f);
    chart.ReadSetup({"0", "50", "0", "95"}, {"0", "0", "1"});
    const ChartStep step = chart.AddPoint(RunState());  // before any game
    EXPECT_EQ(std::tuple(step.point.red.y, step.point.x, step.percent_line, step.percent),
              std::tuple(0.0, 1, true, 0.0));
    Start();
    sim().ReadChartSetup({"0", "50", "4", "95"}, {"0", "0", "0"});
    StopAt(100000);
    sim().StartOrStop();
    EXPECT_EQ(observer.points.back().x, 1000) << "no wrap";
    EXPECT_TRUE(observer.full.empty());
    EXPECT_DOUBLE_EQ(observer.points.back().green.y, observer.points.back().red.y)
        << "a period of 0 never restarts";
    EXPECT_EQ(File("Percent_10000.txt"), "") << "nor the blue window's";
    EXPECT_DOUBLE_EQ(observer.points.back().blue.y, observer.points.back().red.y);
}

TEST(ChartData, SaveNowPrintsTheUntrimmedSummary) {
    RunState s;
    s.Games = 1234;
    s.TotalWin = 23000;
    s.TotalBet = 24680;
    EXPECT_EQ(ChartData::SaveNowSummary(s), "Games played = 1 234      23 000 /  24 680 = 93.193%");
}

}  // namespace
}  // namespace kragmoor
