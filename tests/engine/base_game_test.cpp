// The base game: stops, the window, the bookings of lines and scatters, jackpots, the trigger,
// what a shown game tells the window, the odometer and the random draws.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "engine/line_evaluator.h"
#include "engine_fixture.h"
#include "rng/rng.h"

namespace kragmoor {
namespace {

using test::EngineTest;

class BaseGame : public EngineTest {};

TEST_F(BaseGame, TheStopShowsInTheMiddleRowAndStripsWrapAround) {
    Start();
    PlayBaseAt({0, 29, 5, 5, 5});
    const auto& w = rc().State().Window;
    // Reel 0 at stop 0: the last position above; reel 1 at its last position: position 0 below.
    EXPECT_EQ(w[0][0], 29 % 11);
    EXPECT_EQ(w[1][0], 0);
    EXPECT_EQ(w[2][0], 1);
    EXPECT_EQ(w[0][1], 28 % 11);
    EXPECT_EQ(w[1][1], 29 % 11);
    EXPECT_EQ(w[2][1], 0);
    EXPECT_EQ(rc().State().ReelStop[2], 5);
}

// Random strips with wilds and scatters, random stops: every game's line and scatter results
// are what the reference rules give on its window, and every counter moves by exactly what
// those results book.
TEST_F(BaseGame, ResultsAndBookingsFollowTheRulesOnRandomGames) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> symbol(0, 15);  // codes 13..15 stand for more wilds
    for (int r = 0; r < kReels; ++r) {
        def.ReelLen[r] = static_cast<std::int16_t>(20 + r);
        for (int p = 0; p <= def.ReelLen[r]; ++p) {
            const int s = symbol(random);
            def.ReelStrip[p][r] = static_cast<std::int16_t>(s > kScatter ? kWild : s);
        }
    }
    Start();
    rng_Init(99);
    RunState& s = st();
    for (int game = 0; game < 5000; ++game) {
        const RunState before = s;
        ++s.Games;
        rc().PlayBaseGame();
        s.InFreeSpins = false;  // no features here

        for (int r = 0; r < kReels; ++r) {
            const int stop = s.ReelStop[r];
            const int last = def.ReelLen[r];
            ASSERT_GE(stop, 0);
            ASSERT_LE(stop, last);
            EXPECT_EQ(s.Window[0][r], def.ReelStrip[stop == 0 ? last : stop - 1][r]);
            EXPECT_EQ(s.Window[1][r], def.ReelStrip[stop][r]);
            EXPECT_EQ(s.Window[2][r], def.ReelStrip[stop == last ? 0 : stop + 1][r]);
        }
        RunState reference = s;
        for (int line = 0; line < kLines; ++line) EvaluateLine(def, reference, line);
        EvaluateScatters(def, reference);
        std::int64_t won = 0;
        std::int64_t events = 0;
        for (int line = 0; line <= kScatterLine; ++line) {
            const auto* want = reference.LineResult[line];
            const auto* got = s.LineResult[line];
            ASSERT_EQ(std::vector<int>(want, want + 3), std::vector<int>(got, got + 3))
                << "game " << game << " line " << line;
            const int sym = want[0], count = want[1];
            EXPECT_EQ(s.HitCount[line][count][sym], before.HitCount[line][count][sym] + 1);
            std::int64_t win = want[2];
            bool event = win > 0 || (sym == kWild && count == 5);
            if (line == kScatterLine) {
                win = count >= 2 ? win * 20 : 0;
                event = count >= 2;
            }
            if (event) {
                EXPECT_EQ(s.WinSum[line][sym][count], before.WinSum[line][sym][count] + win);
                won += win;
                ++events;
            }
        }
        EXPECT_EQ(s.TotalWin - before.TotalWin, won);
        EXPECT_EQ(s.WinEvents - before.WinEvents, events);
        EXPECT_EQ(s.TotalBet - before.TotalBet, 20);
        EXPECT_EQ(rc().WinAtGameStart(), before.TotalWin);
        if (HasFailure()) return;
    }
}

TEST_F(BaseGame, AShownGameDescribesItsWins) {
    test::NoShortPays(def);
    Start();
    // Every reel at stop 7: the rows read 6, 7 and 8 across; lines 1 to 3 win five, lines 6
    // and 7 (rows 0 0 1 2 2 and 2 2 1 0 0) two.
    st().Games = 6;
    SetNextStops({7, 7, 7, 7, 7});
    rc().cmdStart_Click();
    EXPECT_EQ(observer.show_reels, 1);
    EXPECT_EQ(observer.text,
              "Line :  1,  Win :  751, - 5 S7\r\n"
              "Line :  2,  Win :  651, - 5 S6\r\n"
              "Line :  3,  Win :  851, - 5 S8\r\n"
              "Line :  6,  Win :  621, - 2 S6\r\n"
              "Line :  7,  Win :  821, - 2 S8\r\n");
    EXPECT_EQ(observer.win_lines, (std::vector<int>{0, 1, 2, 5, 6}));
    EXPECT_EQ(observer.captions.size(), 5u);
    EXPECT_EQ(observer.captions[4], (std::array<int, 2>{4, 7}));
    EXPECT_EQ(rc().State().TotalWin, 751 + 651 + 851 + 621 + 821);
    EXPECT_EQ(rc().State().WinEvents, 5);
}

TEST_F(BaseGame, FiveWildsAreAJackpotEvenWhenTheyPayNothing) {
    def.PayTable[kWild][5] = 0;
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, 'W'));
    Start();
    st().Games = 12344;
    PlayBaseAt({3, 3, 3, 3, 3});
    const RunState& s = rc().State();
    EXPECT_EQ(s.WinEvents, 20);
    EXPECT_EQ(s.TotalWin, 0);
    EXPECT_EQ(s.HitCount[4][5][kWild], 1);
    EXPECT_EQ(rc().JackpotCount(), 20);
    const auto records = Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 20u);
    EXPECT_EQ(records[0], "   12345       1 ");
    EXPECT_EQ(records[4], "   12345       5 ");
    EXPECT_EQ(records[19], "   12345       20 ");
    // Shown (not in a run): each line's text, with its win of 0.
    EXPECT_NE(observer.text.find("Line : 20,  Win :    0, - 5 Wild\r\n"), std::string::npos);
}

TEST_F(BaseGame, AGameNumberOfMoreThanEightDigitsKeepsItsLastEight) {
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, 'W'));
    Start();
    st().Games = 123456788;
    PlayBaseAt({3, 3, 3, 3, 3});
    EXPECT_EQ(Lines(File("Jackpot.txt"))[0], "23456789       1 ");
}

// Scatters at the middle row of the first n reels; the other symbols of the window make no run.
class Scatters : public BaseGame {
  protected:
    void PlayWithScatters(int n) {
        test::NoShortPays(def);
        const std::array<int, kReels> stops = {5, 8, 11, 14, 17};
        for (int r = 0; r < n; ++r) def.ReelStrip[stops[r]][r] = kScatter;
        Start();
        PlayBaseAt(stops);
    }
};

TEST_F(Scatters, OneScatterOnlyCounts) {
    PlayWithScatters(1);
    const RunState& s = rc().State();
    EXPECT_EQ(s.HitCount[kScatterLine][1][kScatter], 1);
    EXPECT_EQ(s.TotalWin, 0);
    EXPECT_EQ(s.WinEvents, 0);
    EXPECT_TRUE(observer.scatter_boxes.empty());
}

TEST_F(Scatters, TwoScattersPayTimesTheTotalBetAsOneEvent) {
    PlayWithScatters(2);
    const RunState& s = rc().State();
    EXPECT_EQ(s.TotalWin, 1221 * 20);
    EXPECT_EQ(s.WinSum[kScatterLine][kScatter][2], 1221 * 20);
    EXPECT_EQ(s.WinEvents, 1);
    EXPECT_FALSE(s.InFreeSpins);
    EXPECT_EQ(observer.text, "2 Scatter Win: 24 420\r\n");
    EXPECT_EQ(observer.scatter_boxes, (std::vector<std::array<int, 2>>{{1, 0}, {1, 1}}));
}

TEST_F(Scatters, ThreeScattersTriggerTheFeature) {
    PlayWithScatters(3);
    const RunState& s = rc().State();
    EXPECT_TRUE(s.InFreeSpins);
    EXPECT_EQ(s.FreeGames, 1);
    EXPECT_EQ(s.WinEvents, 1);
    EXPECT_EQ(observer.text, "3 Scatter Win: 24 620\r\n3 SCATTERS = 15 Free Spins At x4\r\n");
    EXPECT_EQ(rc().FreeSpinNo(), 0);
}

TEST_F(Scatters, SixVisibleScattersCountAsFive) {
    for (int r = 0; r < 2; ++r) test::SetStrip(def, r, "0123SSS789A0123456789A01234567");
    Start();
    PlayBaseAt({5, 5, 9, 9, 9});
    EXPECT_EQ(rc().State().LineResult[kScatterLine][1], 5);
    EXPECT_EQ(rc().State().HitCount[kScatterLine][5][kScatter], 1);
}

// Sequential stepping on five strips of 30: from the loader's stops the first game plays
// 0 0 0 0 0 and ends the run; the next run ends when reel 4 wraps, in its 30th game.
TEST_F(BaseGame, TheOdometerEndsARunWhenTheSelectedReelWraps) {
    Start();
    rc().SetRandomStops(false);
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 1);
    EXPECT_FALSE(rc().Running());
    EXPECT_EQ(std::vector<int>(rc().State().ReelStop, rc().State().ReelStop + 5),
              (std::vector<int>{0, 0, 0, 0, 0}));
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 31);
    EXPECT_EQ(std::vector<int>(rc().State().ReelStop, rc().State().ReelStop + 5),
              (std::vector<int>{0, 0, 0, 1, 0}));
    // Reel 2 selected: the run goes on until reel 2 carries over into reel 1.
    rc().cmdReels_Click(2);
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 31 + 30 * 30 * 30 - 30);
    EXPECT_EQ(std::vector<int>(rc().State().ReelStop, rc().State().ReelStop + 5),
              (std::vector<int>{0, 1, 0, 0, 0}));
}

TEST_F(BaseGame, WithReelZeroSelectedTheOdometerPlaysEveryCombinationOnce) {
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, r % 2 ? "12" : "34");
    Start();
    SetNextStops({0, 0, 0, 0, 1});
    rc().cmdReels_Click(0);
    rc().cmdAUTO_Click();
    EXPECT_EQ(rc().State().Games, 32);
    EXPECT_EQ(std::vector<int>(rc().State().ReelStop, rc().State().ReelStop + 5),
              (std::vector<int>{0, 0, 0, 0, 0}));
    // Each of the 32 windows once: line 0 (the middle row) saw every five-symbol pattern.
    std::int64_t middle_row_games = 0;
    for (int count = 0; count <= 5; ++count) {
        for (int s = 0; s < kSymbols; ++s) middle_row_games += rc().State().HitCount[0][count][s];
    }
    EXPECT_EQ(middle_row_games, 32);
}

// Random stops: five draws per base game, one per reel in order, with the strip lengths.
TEST_F(BaseGame, RandomStopsAreFiveDrawsPerGame) {
    for (int r = 0; r < kReels; ++r) def.ReelLen[r] = static_cast<std::int16_t>(10 + 3 * r);
    Start();
    rng_Init(4242);
    for (int game = 0; game < 3; ++game) {
        ++st().Games;
        rc().PlayBaseGame();
        st().InFreeSpins = false;
    }
    const std::vector<int> played(rc().State().ReelStop, rc().State().ReelStop + 5);
    rng_Init(4242);
    std::vector<int> drawn;
    for (int game = 0; game < 3; ++game) {
        drawn.clear();
        for (int r = 0; r < kReels; ++r) drawn.push_back(rng_GenNumber(def.ReelLen[r] + 1));
    }
    EXPECT_EQ(played, drawn);
}

TEST_F(BaseGame, ARefusedDefinitionNamesTheProblem) {
    def.ReelLen[2] = 0;
    EXPECT_THROW(Start(), std::invalid_argument);
    def = test::SmallGame();
    def.ReelStrip[4][1] = kGap;
    EXPECT_THROW(Start(), std::invalid_argument);
    def = test::SmallGame();
    def.LineTable[7][2] = 2;
    EXPECT_THROW(Start(), std::invalid_argument);
}

}  // namespace
}  // namespace kragmoor
