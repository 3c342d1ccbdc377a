// The base game: its window and bookings against the reference rules, what a shown game tells
// the window, jackpots, the odometer and the definitions the engine refuses.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/line_evaluator.h"
#include "engine_fixture.h"
#include "rng/rng.h"

namespace kragmoor {
namespace {

using BaseGame = test::EngineTest;

// Random strips with wilds and scatters, random stops: every game's window is what the strips
// show around its stops, its line and scatter results are what the reference rules give on that
// window, and every counter moves by exactly what those results book.
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
    test::CreateLogs(logs, dir.path());
    test::EngineParts parts(def, logs, observer, dir.path());
    rng_Init(99);
    RunState& s = parts.state;
    for (int game = 0; game < 5000 && !HasFailure(); ++game) {
        SCOPED_TRACE(game);
        const RunState before = s;
        parts.rounds.PlayBaseGame();
        s.InFreeSpins = false;  // no features here
        EXPECT_EQ(s.Games, before.Games + 1);
        for (int r = 0; r < kReels; ++r) {
            const int stop = s.ReelStop[r], last = def.ReelLen[r];
            ASSERT_TRUE(stop >= 0 && stop <= last);
            EXPECT_EQ(s.Window[0][r], def.ReelStrip[stop == 0 ? last : stop - 1][r]);
            EXPECT_EQ(s.Window[1][r], def.ReelStrip[stop][r]);
            EXPECT_EQ(s.Window[2][r], def.ReelStrip[stop == last ? 0 : stop + 1][r]);
        }
        RunState reference = s;
        for (int line = 0; line < kLines; ++line) EvaluateLine(def, reference, line);
        EvaluateScatters(def, reference);
        std::int64_t won = 0, events = 0;
        for (int line = 0; line <= kScatterLine; ++line) {
            const auto* want = reference.LineResult[line];
            const auto* got = s.LineResult[line];
            ASSERT_EQ(std::vector<int>(want, want + 3), std::vector<int>(got, got + 3))
                << "line " << line;
            const int sym = want[0], count = want[1];
            EXPECT_EQ(s.HitCount[line][count][sym], before.HitCount[line][count][sym] + 1);
            const bool scatters = line == kScatterLine;
            const std::int64_t win = scatters ? (count >= 2 ? want[2] * 20 : 0) : want[2];
            if (scatters ? count >= 2 : win > 0 || (sym == kWild && count == 5)) {
                EXPECT_EQ(s.WinSum[line][count][sym], before.WinSum[line][count][sym] + win);
                won += win;
                ++events;
            }
        }
        EXPECT_EQ(s.TotalWin - before.TotalWin, won);
        EXPECT_EQ(s.WinEvents - before.WinEvents, events);
        EXPECT_EQ(s.TotalBet - before.TotalBet, 20);
        EXPECT_EQ(s.WinAtGameStart, before.TotalWin);
    }
}

TEST_F(BaseGame, AShownGameDescribesItsWins) {
    test::NoShortPays(def);
    def.ReelStrip[6][3] = def.ReelStrip[8][4] = kScatter;
    Start();
    // Every reel at stop 7: the rows read 6, 7 and 8 across but for two scatters, top right and
    // bottom right. Lines 1 to 3 (rows 1, 0 and 2) win five, three and four; lines 6 and 7 (rows
    // 0 0 1 2 2 and 2 2 1 0 0) two; the scatters pay 20 times their pay.
    SetNextGame({7, 7, 7, 7, 7});
    sim().Step();
    EXPECT_EQ(observer.text,
              "Line :  1,  Win :  751, - 5 S7\r\n"
              "Line :  2,  Win :  631, - 3 S6\r\n"
              "Line :  3,  Win :  841, - 4 S8\r\n"
              "Line :  6,  Win :  621, - 2 S6\r\n"
              "Line :  7,  Win :  821, - 2 S8\r\n"
              "2 Scatter Win: 24 420\r\n");
    EXPECT_EQ(observer.win_lines, (std::vector<int>{0, 1, 2, 5, 6}));
    EXPECT_EQ(observer.scatter_boxes, (std::vector<std::array<int, 2>>{{0, 3}, {2, 4}}));
    EXPECT_EQ(sim().State().TotalWin, 751 + 631 + 841 + 621 + 821 + 1221 * 20);
    EXPECT_EQ(sim().State().WinEvents, 6);
}

// Five wilds on every line, paying nothing: 20 jackpots a game, each an event and a record of
// Jackpot.txt (a game number of more than eight digits keeps its last eight).
TEST_F(BaseGame, FiveWildsAreAJackpotEvenWhenTheyPayNothing) {
    def.PayTable[kWild][5] = 0;
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, std::string(30, 'W'));
    Start();
    PlayBaseAt({3, 3, 3, 3, 3}, 12345);
    EXPECT_EQ(sim().State().WinEvents, 20);
    EXPECT_EQ(sim().State().TotalWin, 0);
    PlayBaseAt({3, 3, 3, 3, 3}, 123456789);
    EXPECT_EQ(sim().State().JackpotLines, 40);
    const auto records = test::Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 40u);
    const std::pair<std::size_t, const char*> want[] = {{0, "   12345       1 "},
                                                        {4, "   12345       5 "},
                                                        {19, "   12345       20 "},
                                                        {20, "23456789       1 "}};
    for (const auto& [i, record] : want) EXPECT_EQ(records[i], record);
}

// Scatters at three neighbouring positions of reels 0 and 1 show six in the window, of all five
// reels fifteen: they count as five, with the 5-scatter pay, booked in the cells of five.
TEST_F(BaseGame, SixOrMoreScattersCountAsFive) {
    for (const int reels : {2, 5}) {
        SCOPED_TRACE(reels);
        def = test::SmallGame();
        for (int r = 0; r < reels; ++r)
            def.ReelStrip[6][r] = def.ReelStrip[7][r] = def.ReelStrip[8][r] = kScatter;
        Start();
        PlayBaseAt({7, 7, 7, 7, 7}, 9);
        const RunState& s = sim().State();
        const std::int32_t* result = s.LineResult[kScatterLine];
        EXPECT_EQ(std::vector<int>(result, result + 3), (std::vector<int>{kScatter, 5, 1251}));
        EXPECT_EQ(s.HitCount[kScatterLine][5][kScatter], 1);
        EXPECT_EQ(s.WinSum[kScatterLine][5][kScatter], 1251 * 20);
        EXPECT_EQ(s.Games, 9);
        EXPECT_TRUE(s.InFreeSpins);
    }
}

// Sequential stepping on five strips of 30: from the loader's stops the first game plays
// 0 0 0 0 0 and ends the run; the next run ends when reel 4 wraps, in its 30th game.
TEST_F(BaseGame, TheOdometerEndsARunWhenTheSelectedReelWraps) {
    Start();
    const auto stops = [&] {
        const RunState& s = sim().State();
        return std::vector<int>(s.ReelStop, s.ReelStop + kReels);
    };
    sim().SetRandomStops(false);
    sim().StartOrStop();
    EXPECT_EQ(sim().State().Games, 1);
    EXPECT_FALSE(sim().Running());
    EXPECT_EQ(stops(), (std::vector<int>{0, 0, 0, 0, 0}));
    sim().StartOrStop();
    EXPECT_EQ(sim().State().Games, 31);
    EXPECT_EQ(stops(), (std::vector<int>{0, 0, 0, 1, 0}));
    // Reel 2 selected (a reel number out of range changes nothing): the run goes on until reel
    // 2 carries over into reel 1.
    sim().SelectReel(2);
    sim().SelectReel(7);
    sim().StartOrStop();
    EXPECT_EQ(sim().State().Games, 31 + 30 * 30 * 30 - 30);
    EXPECT_EQ(stops(), (std::vector<int>{0, 1, 0, 0, 0}));
}

// With reel 0 selected a run plays every combination once and ends when reel 0 wraps: on strips
// of 2, 3, 2, 3 and 2 positions after 72 games. A run that missed the wrap is stopped at game 1000.
TEST_F(BaseGame, WithReelZeroSelectedARunPlaysTheWholeCycle) {
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, r % 2 == 0 ? "01" : "012");
    Start();
    StopAt(1000);
    sim().SetRandomStops(false);
    sim().SelectReel(0);
    sim().StartOrStop();  // from the loader's stops, the first game reaches 0 0 0 0 0
    EXPECT_EQ(sim().State().Games, 1);
    sim().StartOrStop();
    EXPECT_EQ(sim().State().Games, 1 + 72);
    const RunState& s = sim().State();
    EXPECT_EQ(std::vector<int>(s.ReelStop, s.ReelStop + kReels), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST_F(BaseGame, ARefusedDefinitionNamesTheProblem) {
    const std::pair<std::function<void(GameDefinition&)>, const char*> cases[] = {
        {[](GameDefinition& d) { d.ReelLen[2] = 0; }, "base-game reel 3: needs 2 to 101 positions"},
        {[](GameDefinition& d) { d.FsReelLen[0] = kMaxPositions; },
         "free-spins reel 1: needs 2 to 101 positions"},
        {[](GameDefinition& d) { d.ReelStrip[4][1] = kGap; },
         "base-game reel 2: position 4 holds no symbol"},
        {[](GameDefinition& d) { d.FsReelStrip[0][4] = -1; },
         "free-spins reel 5: position 0 holds no symbol"},
        {[](GameDefinition& d) { d.LineTable[7][2] = 2; },
         "the win lines are not the built-in ones"},
    };
    for (const auto& [spoil, message] : cases) {
        GameDefinition d = test::SmallGame();
        spoil(d);
        try {
            GameTables::Build(d);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

}  // namespace
}  // namespace kragmoor
