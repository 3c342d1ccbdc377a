// The chart's points, its full-chart events, wraps and restarts, the lines of Percent_10000.txt
// and divisions by 0.
#include <gtest/gtest.h>

#include <cmath>

#include "engine_fixture.h"
#include "model/text_format.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class ChartTest : public EngineTest {
  protected:
    // Applies set-up fields: X size, Min, Step, Target and the three restart periods.
    void Setup(const std::array<std::string, 4>& scale, const std::array<std::string, 3>& resets) {
        rc().ReadChartSetup(scale, resets);
    }
    // Plays an automatic run up to the yield at `games`.
    void RunTo(std::int64_t games) {
        observer.on_yield = [this, games] {
            if (rc().State().Games >= games && rc().Running()) rc().cmdAUTO_Click();
        };
        rc().cmdAUTO_Click();
    }
};

TEST_F(ChartTest, StartsFromTheGamesRtp) {
    def.GameRTP = 96.5f;  // rounds half to even
    Start();
    EXPECT_EQ(rc().ChartData().ScaleTexts(), (std::array<std::string, 4>{"500", "56", "4", "96"}));
    EXPECT_EQ(rc().ChartData().CounterResetTexts(),
              (std::array<std::string, 3>{"0", "500", "100"}));
    EXPECT_DOUBLE_EQ(rc().ChartData().Y(0.96), 100.0);  // (96 - 56) x 10 / 4
}

TEST_F(ChartTest, ARunAddsAPointEveryHundredGamesAndLogsEveryHundredPoints) {
    Start();
    std::vector<std::array<std::int64_t, 2>> at;  // win and bet at games 10000 and 20000
    observer.on_yield = [&] {
        const RunState& s = rc().State();
        if (s.Games % 10000 == 0) at.push_back({s.TotalWin, s.TotalBet});
        if (s.Games >= 20000) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().ChartData().ChartPoints(), 200);
    ASSERT_EQ(observer.points.size(), 200u);
    const ChartPoint& last = observer.points.back();
    EXPECT_EQ(last.x, 200);
    EXPECT_EQ(last.prev_x, 199);
    EXPECT_TRUE(last.red.drawn && last.green.drawn && last.blue.drawn);
    const RunState& s = rc().State();
    EXPECT_DOUBLE_EQ(last.red.y, rc().ChartData().Y(static_cast<double>(s.TotalWin) /
                                                    static_cast<double>(s.TotalBet)));
    EXPECT_EQ(last.red.prev_y,
              static_cast<std::int32_t>(std::nearbyint(observer.points[198].red.y)));
    // The second line: the RTP of games 10001 to 20000, then the game count as a number field.
    ASSERT_EQ(at.size(), 2u);
    std::string want = text::Mask(
        100.0 * static_cast<double>(at[1][0] - at[0][0]) / static_cast<double>(at[1][1] - at[0][1]),
        "00.000000");
    text::PadToNextZone(want);
    const auto lines = Lines(File("Percent_10000.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], want + " 20000 ");
}

TEST_F(ChartTest, TheFirstLogLineHoldsTheRtpOfTheFirstTenThousandGames) {
    Start();
    std::string want;
    observer.on_yield = [&] {
        const RunState& s = rc().State();
        if (s.Games == 10000 && want.empty()) {
            // The point of game 10000 has been added by now; its line was written from these.
            want = text::Mask(
                100.0 * static_cast<double>(s.TotalWin) / static_cast<double>(s.TotalBet),
                "00.000000");
            rc().cmdAUTO_Click();
        }
    };
    rc().cmdAUTO_Click();
    const auto lines = Lines(File("Percent_10000.txt"));
    ASSERT_EQ(lines.size(), 1u);
    text::PadToNextZone(want);
    EXPECT_EQ(lines[0], want + " 10000 ");
}

TEST_F(ChartTest, WithContinueUncheckedAFullChartEndsTheRun) {
    Start();
    Setup({"10", "50", "4", "95"}, {"0", "500", "100"});
    rc().ChartData().Options().Continue = false;
    rc().ChartData().Options().Save = true;
    rc().cmdAUTO_Click();
    // Point 9 lands in the last column: the run ends after the pass that added it.
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(rc().State().Games, 900);
    ASSERT_EQ(observer.full.size(), 1u);
    const RunState& s = rc().State();
    EXPECT_EQ(
        observer.full[0][0],
        "Games = 900    " +
            text::Trimmed(text::Mask(
                static_cast<double>(s.TotalWin) / static_cast<double>(s.TotalBet), "0.000%")) +
            " = " + text::Trimmed(text::Mask(s.TotalWin, "### ### ###")) + " / 18 000");
    EXPECT_EQ(observer.full[0][1], "Test900.bmp");
}

TEST_F(ChartTest, WithTheDefaultScaleTheRunEndsAfterPoint499) {
    Start();
    rc().ChartData().Options().Continue = false;
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().ChartData().ChartPoints(), 499);
    EXPECT_EQ(rc().State().Games, 49900);
    ASSERT_EQ(observer.full.size(), 1u);
    EXPECT_EQ(observer.full[0][0].substr(0, 16), "Games = 49 900  ");
}

TEST_F(ChartTest, WithContinueCheckedTheChartWrapsAndClearsWhenAsked) {
    Start();
    Setup({"10", "50", "4", "95"}, {"0", "500", "100"});
    rc().ChartData().Options().Clear = true;
    RunTo(2500);
    EXPECT_EQ(observer.full.size(), 2u);  // points 9 and 19
    EXPECT_EQ(observer.full[1][1], "") << "no bitmap without Save";
    EXPECT_EQ(observer.chart_cleared, 3) << "set-up, then the wraps at points 10 and 20";
    // Point k (counted from 1) sits at k mod 10: point 10 at the left edge, from which the next
    // point's segment starts.
    EXPECT_EQ(observer.points[0].x, 1);
    EXPECT_EQ(observer.points[9].x, 0);
    EXPECT_EQ(observer.points[9].prev_x, 0);
    EXPECT_EQ(observer.points[10].prev_x, 0);
    EXPECT_EQ(observer.points[24].x, 5);
}

TEST_F(ChartTest, WindowsRestartOnTheirPeriodsAndAPeriodOfOneHidesTheCurve) {
    Start();
    Setup({"500", "50", "4", "95"}, {"0", "1", "3"});
    RunTo(600);
    ASSERT_EQ(observer.points.size(), 6u);
    for (const ChartPoint& p : observer.points) {
        EXPECT_FALSE(p.green.drawn);
        EXPECT_TRUE(p.blue.drawn);
    }
    const RunState& s = rc().State();
    EXPECT_EQ(rc().ChartData().Marks().BetMark1, s.TotalBet + 1)
        << "the green window restarts every point";
    EXPECT_EQ(rc().ChartData().Marks().BetMark2, s.TotalBet) << "point 6 restarts the blue window";
    EXPECT_EQ(Lines(File("Percent_10000.txt")).size(), 2u);
    // The blue curve of point 4 is the RTP of games 301..400.
    EXPECT_EQ(observer.points[3].blue.prev_y,
              static_cast<std::int32_t>(std::nearbyint(observer.points[2].blue.y)));
}

TEST_F(ChartTest, WithChartUncheckedPointsAreOnlyCounted) {
    Start();
    rc().ChartData().Options().Chart = false;
    RunTo(10000);
    EXPECT_EQ(rc().ChartData().ChartPoints(), 100);
    EXPECT_TRUE(observer.points.empty());
    EXPECT_EQ(File("Percent_10000.txt"), "");
}

TEST_F(ChartTest, StepAddsPointsAlsoDuringAFeature) {
    test::NoShortPays(def);
    def.ReelStrip[5][0] = kScatter;
    def.ReelStrip[8][1] = kScatter;
    def.ReelStrip[11][2] = kScatter;
    Start();
    st().Games = 99;
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdStart_Click();
    for (int spin = 0; spin < 15; ++spin) rc().cmdStart_Click();
    EXPECT_EQ(rc().ChartData().ChartPoints(), 16) << "the trigger and its 15 free spins";
}

// A divisor of 0 gives a quotient of 0: a window without bets is at 0 %, a Step of 0 puts every
// point at y = 0, an X size of 0 never wraps or fills, a period of 0 never restarts.
TEST_F(ChartTest, DivisionsByZeroGiveZero) {
    Start();
    Setup({"0", "50", "0", "95"}, {"0", "0", "1"});
    rc().DrawPercent();  // before any game
    ASSERT_EQ(observer.points.size(), 1u);
    EXPECT_EQ(observer.points[0].red.y, 0.0);
    EXPECT_EQ(observer.points[0].x, 1);
    EXPECT_EQ(File("Percent_10000.txt"), "00.000000      0 \r\n");
    EXPECT_TRUE(observer.full.empty());
    Setup({"0", "50", "4", "95"}, {"0", "0", "0"});
    RunTo(100000);
    EXPECT_EQ(observer.points.back().x, 1001) << "no wrap";
    EXPECT_TRUE(observer.full.empty());
    EXPECT_EQ(rc().ChartData().Marks().BetMark1, 0) << "a period of 0 never restarts";
    // The blue window last restarted at the first point, before any bet: it spans the run.
    EXPECT_DOUBLE_EQ(observer.points.back().blue.y, observer.points.back().red.y);
}

TEST_F(ChartTest, SetupFieldsReadAsRoundedNumbers) {
    Start();
    Setup({"250.5", "x", "2.5", " 97 %"}, {"0", "1e2", "99999999999"});
    const ChartScale& scale = rc().ChartData().Scale();
    EXPECT_EQ(scale.XSize, 250);
    EXPECT_EQ(scale.Min, 0);
    EXPECT_EQ(scale.Step, 2);
    EXPECT_EQ(scale.Target, 97);
    EXPECT_EQ(rc().ChartData().CounterReset()[1], 100);
    EXPECT_EQ(rc().ChartData().CounterReset()[2], 0) << "too large for the field";
    EXPECT_EQ(observer.chart_cleared, 1);
}

TEST_F(ChartTest, SaveNowPrintsTheUntrimmedSummary) {
    Start();
    st().Games = 1234;
    st().TotalWin = 23000;
    st().TotalBet = 24680;
    EXPECT_EQ(rc().ChartSaveNowSummary(), "Games played = 1 234      23 000 /  24 680 = 93.193%");
}

}  // namespace
}  // namespace kragmoor
