// The base game: what a shown game tells, jackpots, the cap on scatters, the odometer, refusals.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using BaseGame = test::EngineTest;
using test::OutcomeOf;

// The text these events make is checked with the window's text (tests/ui/game_text_test.cpp).
TEST_F(BaseGame, AShownGameTellsItsWindowItsWinsAndItsEnd) {
    test::NoShortPays(def);
    def.ReelStrip[6][3] = def.ReelStrip[8][4] = kScatter;
    Start();
    // Rows of 6s, 7s and 8s but for two scatters, top and bottom right.
    PlayBaseAt({7, 7, 7, 7, 7}, 1);
    EXPECT_EQ(observer.stops, (std::vector<std::vector<int>>{{7, 7, 7, 7, 7}}));
    ASSERT_EQ(observer.shown.size(), 1u);
    const ShownGame& game = observer.shown[0];
    EXPECT_EQ(std::tuple(game.round, game.game, game.spins_left, game.joined_under_way),
              std::tuple(Round::BaseGame, std::int64_t{1}, std::int64_t{0}, false));
    EXPECT_EQ((std::vector<int>{game.window[0][0], game.window[1][0], game.window[2][0],
                                game.window[0][3], game.window[2][4]}),
              (std::vector<int>{6, 7, 8, kScatter, kScatter}));

    std::vector<std::array<std::int64_t, 4>> wins;  // line, symbol, run length, win
    for (const LineWin& w : observer.line_wins) wins.push_back({w.line, w.symbol, w.count, w.win});
    EXPECT_EQ(wins,
              (std::vector<std::array<std::int64_t, 4>>{
                  {0, 7, 5, 751}, {1, 6, 3, 631}, {2, 8, 4, 841}, {5, 6, 2, 621}, {6, 8, 2, 821}}));
    ASSERT_EQ(observer.scatter_wins.size(), 1u);
    const ScatterWin& scatters = observer.scatter_wins[0];
    EXPECT_EQ(std::tuple(scatters.count, scatters.win, scatters.cell_count),
              std::tuple(2, std::int64_t{24420}, 2));
    EXPECT_EQ((std::vector<int>{scatters.cells[0].row, scatters.cells[0].reel,
                                scatters.cells[1].row, scatters.cells[1].reel}),
              (std::vector<int>{0, 3, 2, 4}));
    EXPECT_TRUE(observer.awards.empty());
    ASSERT_EQ(observer.ends.size(), 1u);
    EXPECT_EQ(observer.ends[0].win, 751 + 631 + 841 + 621 + 821 + 24420);
    EXPECT_EQ(sim().State().WinEvents, 6);
}

// Of a run, only every 10000th game is shown; the stops are told for the game after a shown one.
TEST_F(BaseGame, ARunShowsEveryTenThousandthGame) {
    Start();
    StopAt(20000);
    sim().StartOrStop();
    std::vector<std::int64_t> shown;
    for (const ShownGame& g : observer.shown) shown.push_back(g.game);
    EXPECT_EQ(shown, (std::vector<std::int64_t>{10000, 20000}));
    EXPECT_EQ(observer.stops.size(), 2u) << "games 1 and 10001";
    EXPECT_EQ(observer.ends.size(), 2u);
    observer.shown.clear();
    sim().Step();
    ASSERT_EQ(observer.shown.size(), 1u) << "a step after a run is shown";
    EXPECT_EQ(observer.shown[0].game, 20001);
}

// Five wilds that pay nothing still make 20 jackpots, each an event and a record (of a game
// number past eight digits, the last eight).
TEST_F(BaseGame, FiveWildsAreAJackpotEvenWhenTheyPayNothing) {
    def.PayTable[kWild][5] = 0;
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, "WWW");
    Start();
    PlayBaseAt({1, 1, 1, 1, 1}, 12345);
    EXPECT_EQ(std::pair(sim().State().WinEvents, sim().State().TotalWin),
              std::pair(std::int64_t{20}, std::int64_t{0}));
    PlayBaseAt({1, 1, 1, 1, 1}, 123456789);
    const auto records = test::Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 40u);
    EXPECT_EQ(
        (std::vector{records[0], records[19], records[20]}),
        (std::vector<std::string>{"   12345       1 ", "   12345       20 ", "23456789       1 "}));
}

// Six or fifteen scatters in a base game, fifteen in a free spin: each counts as five, booked in
// the cells of five, and triggers or retriggers.
TEST_F(BaseGame, SixOrMoreScattersCountAsFive) {
    for (const int reels : {2, 5}) {
        SCOPED_TRACE(reels);
        def = test::SmallGame();
        test::NoShortPays(def);  // lines that start with a scatter pay nothing
        for (int r = 0; r < reels; ++r)
            def.ReelStrip[6][r] = def.ReelStrip[7][r] = def.ReelStrip[8][r] = kScatter;
        for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, "SSS", true);
        Start();
        PlayBaseAt({7, 7, 7, 7, 7}, 9);
        const RunState& s = sim().State();
        const std::vector<int> five = {kScatter, 5, 1251};
        EXPECT_EQ(OutcomeOf(s, kScatterLine), five);
        EXPECT_EQ(s.WinSum[kScatterLine][5][kScatter], 1251 * kTotalBet);
        EXPECT_TRUE(s.InFreeSpins);
        sim().Step();
        EXPECT_EQ(OutcomeOf(s, kScatterLine), five);
        EXPECT_EQ(s.FeatureWin, 1251 * 4 * kTotalBet);
        EXPECT_EQ(sim().Labels().GamesLabel(), " FreeGames = 29");
    }
}

// A reel outside 0..4 selects nothing (the runs the selected reel ends: the runner's sequential
// runs and the golden runs).
TEST_F(BaseGame, OnlyReelsZeroToFourCanBeSelected) {
    Start();
    for (const int reel : {2, -1, 5, 7}) sim().SelectReel(reel);
    EXPECT_EQ(sim().State().SelectedReel, 2);
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
        {[](GameDefinition& d) { d.LineTable[7][2] = 3; }, "win line 8: a row outside 0..2"},
        {[](GameDefinition& d) { d.Rules.WildMultiplier = 11; }, "the game rules are out of range"},
        {[](GameDefinition& d) { d.Rules.Retrigger[2] = 5; }, "the game rules are out of range"},
        {[](GameDefinition& d) { d.Rules.FreeSpins[5] = 1001; }, "the game rules are out of range"},
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
