// Step and the automatic run: the pass order, the yields, the ends of a run, the cash of
// single-step play, the loss streaks, the credit entry, Exit and the counter labels.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "model/text_format.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class RunControlTest : public EngineTest {
  protected:
    // A game whose base stops 5, 8, 11 on reels 0..2 show three scatters; nothing else wins
    // unless a test says so.
    void PrepareTrigger() {
        test::NoShortPays(def);
        def.ReelStrip[5][0] = kScatter;
        def.ReelStrip[8][1] = kScatter;
        def.ReelStrip[11][2] = kScatter;
        for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, '3'), true);
    }
    struct YieldSeen {
        std::int64_t games;
        bool in_free_spins;
        std::int64_t chart_points;
    };
};

// A pass that plays a feature leaves Games as it was: when the trigger was game 100, the every-
// 100 block runs again after the feature, this time with the chart point.
TEST_F(RunControlTest, AFeaturePassRepeatsTheBlockOfItsTriggeringGame) {
    PrepareTrigger();
    Start();
    st().Games = 99;
    SetNextStops({5, 8, 11, 14, 17});
    std::vector<YieldSeen> seen;
    observer.on_yield = [&] {
        rc().SetRandomStops(true);  // the odometer would end the run when reel 4 wraps
        seen.push_back(
            {rc().State().Games, rc().State().InFreeSpins, rc().ChartData().ChartPoints()});
        if (seen.size() == 3) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].games, 100);
    EXPECT_TRUE(seen[0].in_free_spins);
    EXPECT_EQ(seen[0].chart_points, 0) << "no point while the feature is pending";
    EXPECT_EQ(seen[1].games, 100);
    EXPECT_FALSE(seen[1].in_free_spins);
    EXPECT_EQ(seen[1].chart_points, 1);
    EXPECT_EQ(seen[2].games, 200);
    EXPECT_EQ(seen[2].chart_points, 2);
    EXPECT_EQ(File("FreeSpins.txt").substr(0, 15), "       100   15");
}

TEST_F(RunControlTest, ARunEndsItselfAtAMultipleOfCycleGamesWithASave) {
    def.CycleGames = 300;
    Start();
    rc().cmdAUTO_Click();
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(rc().State().Games, 300);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{"300 Games!"}));
    EXPECT_EQ(observer.text, "LOG DONE !!!");
    EXPECT_NE(File("Temp1.txt").find("Games     =    300\r\n"), std::string::npos);
    EXPECT_EQ(observer.yields, 3);
    EXPECT_TRUE(observer.add_enabled);
}

TEST_F(RunControlTest, AFeaturePendingAtTheCycleEndIsPlayedByTheNextRunWhichStopsAtOnce) {
    PrepareTrigger();
    def.CycleGames = 300;
    Start();
    st().Games = 299;
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 300);
    EXPECT_TRUE(rc().State().InFreeSpins);
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 300) << "the feature pass leaves Games on the multiple";
    EXPECT_FALSE(rc().State().InFreeSpins);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{"300 Games!", "300 Games!"}));
    const std::string report = File("Temp1.txt");
    EXPECT_NE(report.find("HIT DESCRIPTION"), report.rfind("HIT DESCRIPTION")) << "two saves";
}

TEST_F(RunControlTest, StopAtAYieldEndsTheRunAfterThatPass) {
    Start();
    observer.on_yield = [&] {
        if (rc().State().Games == 500) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 500);
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(rc().State().SkipDisplay, 0);
    EXPECT_TRUE(observer.add_enabled);
    EXPECT_EQ(rc().Label(1), " Games = 500");
    EXPECT_EQ(rc().State().Credit, 1000000) << "a run neither checks nor changes the cash";
}

TEST_F(RunControlTest, AStepDuringARunPlaysOneGameAndLeavesTheCashAlone) {
    Start();
    observer.on_yield = [&] {
        if (rc().State().Games == 100) rc().cmdStart_Click();
        if (rc().State().Games >= 300) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 300);  // 100, the step's 101, then the run's 102..300
    EXPECT_EQ(rc().State().TotalBet, 300 * 20);
    EXPECT_EQ(rc().State().Credit, 1000000);
}

TEST_F(RunControlTest, AutoStopAtAJackpotShowsTheRestOfTheGameAndEndsTheRun) {
    test::NoShortPays(def);
    // Reels all '3' except the top row of stop 20, where five wilds line up on line 2.
    for (int r = 0; r < kReels; ++r) {
        test::SetStrip(def, r, std::string(30, '3'));
        def.ReelStrip[19][r] = kWild;
    }
    Start();
    rc().SetAutoStop(true);
    st().Games = 12344;
    SetNextStops({20, 20, 20, 20, 20});
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 12345);
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(observer.messages, (std::vector<std::string>{"JACKPOT!!!\r\nGame = 12345"}));
    // Line 1 (the middle row of 3s) came before the jackpot and was not shown; line 2 and the
    // lines after it are, added to what the box held.
    EXPECT_EQ(observer.text.find("Line :  1,"), std::string::npos);
    EXPECT_EQ(observer.text.find("Line :  2,  Win : 1151, - 5 Wild\r\n"), 0u);
    EXPECT_NE(observer.text.find("Line :  3,"), std::string::npos);
    EXPECT_EQ(observer.show_reels, 1);
    EXPECT_EQ(std::vector<int>(observer.win_lines.begin(), observer.win_lines.begin() + 2),
              (std::vector<int>{1, 2}));
}

TEST_F(RunControlTest, AutoStopAtATriggerLeavesTheFeaturePending) {
    PrepareTrigger();
    Start();
    rc().SetAutoStop(true);
    st().Games = 40;
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 41);
    EXPECT_TRUE(rc().State().InFreeSpins);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{"Free Spins \r\nGame = 41"}));
    EXPECT_EQ(observer.focus, "start");
    rc().SetAutoStop(false);
    rc().cmdStart_Click();  // the next Step plays the first free spin
    EXPECT_EQ(rc().FreeSpinNo(), 1);
}

// In a run only every 10000th game is shown; the game after a refresh writes its stops into
// the reel buttons.
TEST_F(RunControlTest, ARunShowsEveryTenThousandthGame) {
    Start();
    observer.on_yield = [&] {
        if (rc().State().Games == 20100) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    EXPECT_EQ(observer.show_reels, 2);
    EXPECT_EQ(observer.captions.size(), 3u * 5u) << "games 1, 10001 and 20001";
    EXPECT_EQ(observer.hits_refreshed, 2);
}

TEST_F(RunControlTest, StepNeedsTwentyCredits) {
    Start();
    st().Credit = 19;
    rc().cmdStart_Click();
    EXPECT_EQ(rc().State().Games, 0);
    EXPECT_EQ(observer.messages, (std::vector<std::string>{" Add Credit ! "}));
    EXPECT_FALSE(observer.start_enabled);
    EXPECT_EQ(observer.focus, "add");
    observer.on_yield = [&] { rc().cmdAUTO_Click(); };
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 100) << "a run plays without credit";
    EXPECT_EQ(rc().State().Credit, 19);
}

TEST_F(RunControlTest, StepSettlesTheCashOfEachGame) {
    test::NoShortPays(def);
    Start();
    SetNextStops({7, 7, 7, 7, 7});
    rc().cmdStart_Click();
    const std::int64_t win = rc().State().TotalWin;
    EXPECT_GT(win, 0);
    EXPECT_EQ(rc().State().Credit, 1000000 - 20 + win);
    EXPECT_EQ(rc().Label(5), " Cash = " + text::Mask(1000000 - 20 + win, "# ### ### $"));
    EXPECT_EQ(rc().Label(2), " GameWin = " + std::to_string(win));
    EXPECT_EQ(rc().Label(1), " Games = 1");
}

// Losing streaks: reels 0..3 all 0s, reel 4 all 1s except one 0 at position 4, and only five
// of a kind pays, so the game at reel-4 stop s wins when position 4 is on screen (s = 3..5).
class LossStreaks : public RunControlTest {
  protected:
    void SetUp() override {
        test::NoShortPays(def);
        for (int s = 0; s < kSymbols; ++s) {
            for (int n = 2; n <= 4; ++n) def.PayTable[s][n] = 0;
        }
        for (int r = 0; r < 4; ++r) test::SetStrip(def, r, std::string(30, '0'));
        test::SetStrip(def, 4, std::string(30, '1'));
    }
};

TEST_F(LossStreaks, ThreeLossesThenAWin) {
    def.ReelStrip[4][4] = 0;
    Start();
    SetNextStops({0, 0, 0, 0, 0});
    for (int game = 0; game < 4; ++game) rc().cmdStart_Click();
    const auto& hits = rc().State().LossStreakHits;
    EXPECT_EQ(std::vector<std::int64_t>(hits, hits + 5),
              (std::vector<std::int64_t>{1, 1, 1, 1, 0}));
    EXPECT_EQ(rc().State().LossStreak, 0);
}

TEST_F(LossStreaks, TheFiftiethLossRestartsTheCount) {
    Start();
    SetNextStops({0, 0, 0, 0, 0});
    for (int game = 0; game < 51; ++game) rc().cmdStart_Click();
    const auto& hits = rc().State().LossStreakHits;
    EXPECT_EQ(hits[0], 0);
    EXPECT_EQ(hits[1], 2) << "the 51st loss counts at 1 again";
    for (int k = 2; k < 50; ++k) EXPECT_EQ(hits[k], 1) << k;
    EXPECT_EQ(rc().State().LossStreak, 1);
}

TEST_F(LossStreaks, AFeatureCountsOnceWhenItEnds) {
    PrepareTrigger();  // three scatters and free spins that win
    Start();
    SetNextStops({5, 8, 11, 14, 17});
    rc().cmdStart_Click();
    EXPECT_EQ(rc().State().LossStreakHits[0], 0) << "not counted while the feature runs";
    for (int spin = 0; spin < 15; ++spin) rc().cmdStart_Click();
    EXPECT_EQ(rc().State().LossStreakHits[0], 1);
}

TEST_F(RunControlTest, CreditEntryBooksWholeNumbersWithinRange) {
    Start();
    st().Credit = 10;
    EXPECT_TRUE(rc().BookCredit("500"));
    EXPECT_EQ(rc().State().Credit, 510);
    EXPECT_EQ(rc().State().CreditTotal, 1000500);
    EXPECT_EQ(rc().Label(5), " Cash = " + text::Mask(std::int64_t{510}, "# ### ### $"));
    EXPECT_EQ(rc().Label(6), " Total = 1 000 500 $");
    st().Credit = 10;
    EXPECT_FALSE(rc().BookCredit("5"));
    EXPECT_EQ(rc().State().Credit, 15);
    for (const char* nothing : {"", "a", "12a", "1.5", "-", "99999999999"}) {
        EXPECT_FALSE(rc().BookCredit(nothing)) << nothing;
        EXPECT_EQ(rc().State().Credit, 15) << nothing;
    }
    EXPECT_FALSE(rc().BookCredit("-300")) << "a negative amount reads as 0";
    EXPECT_EQ(rc().State().Credit, 15);
    // An amount that would carry a total past the 32-bit range leaves that total alone.
    st().Credit = 2147483000;
    st().CreditTotal = 5;
    EXPECT_TRUE(rc().BookCredit("1000"));
    EXPECT_EQ(rc().State().Credit, 2147483000);
    EXPECT_EQ(rc().State().CreditTotal, 1005);
}

TEST_F(RunControlTest, ExitClosesTheLogsAndEndsARunAtItsYield) {
    Start();
    observer.on_yield = [&] { rc().cmdExit_Click(); };
    rc().cmdAUTO_Click();
    EXPECT_TRUE(rc().Exited());
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(rc().State().Games, 100) << "no game after Exit";
    EXPECT_FALSE(logs.Jackpot.IsOpen());
    EXPECT_FALSE(logs.Percent.IsOpen());
    rc().cmdStart_Click();
    EXPECT_EQ(rc().State().Games, 100) << "nothing runs after Exit";
}

TEST_F(RunControlTest, TheReelButtonsSelectAReel) {
    Start();
    EXPECT_EQ(rc().State().SelectedReel, 4);
    rc().cmdReels_Click(2);
    rc().cmdReels_Click(2);
    EXPECT_EQ(rc().State().SelectedReel, 2);
    rc().cmdReels_Click(7);
    EXPECT_EQ(rc().State().SelectedReel, 2);
}

TEST_F(RunControlTest, LabelsShowWhatTheyWereLastSetFrom) {
    test::NoShortPays(def);
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, r == 1 ? '2' : '1'));
    Start();
    EXPECT_EQ(rc().Label(0), "");
    EXPECT_EQ(rc().Label(5), " Cash = 1 000 000 $");
    SetNextStops({1, 1, 1, 1, 1});
    rc().cmdStart_Click();
    // Nothing won yet: an empty win field, and no hit rate.
    EXPECT_EQ(rc().Label(0), " Win  / 20 = 0.000%");
    EXPECT_EQ(rc().Label(4), "");
    EXPECT_EQ(rc().Label(3), " Free ;  Win ;  0.000%");
}

TEST_F(RunControlTest, AfterAFeaturePassTheWinLabelStillLacksTheFeature) {
    PrepareTrigger();
    Start();
    st().Games = 99;
    SetNextStops({5, 8, 11, 14, 17});
    std::vector<std::string> label0, label3;
    observer.on_yield = [&] {
        label0.push_back(rc().Label(0));
        label3.push_back(rc().Label(3));
        if (label0.size() == 2) rc().cmdAUTO_Click();
    };
    rc().cmdAUTO_Click();
    ASSERT_EQ(label0.size(), 2u);
    const std::int64_t feature = 15 * 20 * 351 * 4;
    const std::int64_t trigger = 1231 * 20;
    // Games was set to 99 without their bets: the bet is that of the one game played.
    EXPECT_EQ(label0[1], " Win " + text::Trimmed(text::Mask(trigger, "### ### ###")) +
                             " / 20 = " + text::Trimmed(text::Mask(trigger / 20.0, "0.000%")));
    EXPECT_EQ(rc().State().TotalWin, trigger + feature);
    EXPECT_EQ(label3[1], " Free 1,  Win " + text::Trimmed(text::Mask(feature, "### ### ###")) +
                             ",  " + text::Trimmed(text::Mask(feature / 20.0, "0.00%")));
}

}  // namespace
}  // namespace kragmoor
