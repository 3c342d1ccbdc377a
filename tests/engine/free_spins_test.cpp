// The free-spins feature: its booking, its record, its jackpots, and Stop, Exit and Step at a turn.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using FreeSpins = test::EngineTest;
using test::kTriggerStops;
using Figures = std::vector<std::int64_t>;

// Every free spin shows five 3s on all 20 lines.
TEST_F(FreeSpins, AFeatureBooksItsWholeWinAtItsEndAndIsRecordedAfterTheNextGame) {
    PrepareTrigger('3');
    Start();
    PlayBaseAt(kTriggerStops, 41);
    ASSERT_EQ(observer.awards.size(), 1u);
    EXPECT_EQ(std::tuple(observer.awards[0].round, observer.awards[0].scatters),
              std::tuple(Round::BaseGame, 3));
    const RunState before = sim().State();
    const RunState& s = sim().State();
    for (int spin = 1; spin < 15; ++spin) {
        sim().Step();
        EXPECT_EQ(Figures({s.FeatureWin, s.TotalWin}),
                  Figures({spin * 20 * 351 * 4, before.TotalWin}))
            << "booked only at the end";
        const ShownGame& shown = observer.shown.back();
        const GameEnd& end = observer.ends.back();
        EXPECT_EQ(Figures({shown.round == Round::FreeSpin, shown.game, shown.spins_left,
                           end.round == Round::FreeSpin, end.win, end.feature_win}),
                  Figures({true, 41, 15 - spin, true, 20 * 351 * 4, s.FeatureWin}));
    }
    sim().Step();
    // Free spins leave the line statistics (WinEvents) alone.
    EXPECT_EQ(Figures({s.Games, s.InFreeSpins, s.TotalWin, s.WinEvents}),
              Figures({41, false, before.TotalWin + 15 * 20 * 351 * 4, before.WinEvents}));
    EXPECT_EQ(File("FreeSpins.txt"), "");
    sim().Step();
    EXPECT_EQ(File("FreeSpins.txt"), "        41   15 Free_Spins_Won = 21060.000\r\n");
}

// A count that brings no spins starts no feature, though its scatters pay; a retrigger adds the
// spins of its own count (three scatters on free-spins reel 0 in every spin); the award tells the
// game's multiplier (what it does to the wins: the golden run of a game with rules).
TEST_F(FreeSpins, SpinsByScatterCountAtATriggerAndAtARetrigger) {
    PrepareTrigger('3');
    def.Rules.FreeSpins = {0, 0, 0, 0, 9, 11};
    def.Rules.Retrigger = {0, 0, 0, 2, 50, 50};
    def.Rules.FreeSpinMultiplier = 3;
    def.PayTable[kScatter][3] = 5;
    test::SetStrip(def, 0, std::string(30, 'S'), true);
    Start();
    PlayBaseAt(kTriggerStops, 41);
    const RunState& s = sim().State();
    EXPECT_EQ(Figures({s.InFreeSpins, s.FreeGames, s.TotalWin - s.WinAtGameStart}),
              Figures({false, 0, 5 * 20}));
    EXPECT_TRUE(observer.awards.empty());

    Start([](RunState& st) {  // the last spin of a feature of 9
        st.InFreeSpins = true;
        st.FeatureSpins = 9;
        st.FreeSpinNo = 8;
    });
    sim().Step();
    ASSERT_EQ(observer.awards.size(), 1u);
    const FreeSpinsAward& award = observer.awards[0];
    EXPECT_EQ(std::tuple(award.round, award.scatters, award.spins, award.multiplier),
              std::tuple(Round::FreeSpin, 3, 2, 3));
    const RunState& after = sim().State();
    EXPECT_EQ(Figures({after.InFreeSpins, after.FreeSpinNo, observer.ends.back().spins_left}),
              Figures({true, 7, 2}));
}

// Auto Stop at a jackpot of a free spin: the feature is played to its end, then the run ends.
TEST_F(FreeSpins, FiveWildsInAFreeSpinAreRecordedAsAFreeSpinJackpot) {
    PrepareTrigger('W');
    Start();
    PlayBaseAt(kTriggerStops, 123);
    sim().SetAutoStop(true);
    sim().StartOrStop();
    const RunState& s = sim().State();
    EXPECT_EQ(Figures({sim().Running(), s.InFreeSpins, s.Games, s.HitCount[6][5][kWild]}),
              Figures({false, false, 123, 0}));
    ASSERT_FALSE(observer.auto_stops.empty());
    const AutoStopAt& stop = observer.auto_stops[0];
    EXPECT_EQ(std::tuple(stop.cause, stop.round, stop.game),
              std::tuple(AutoStopCause::Jackpot, Round::FreeSpin, std::int64_t{123}));
    // The run's first free spin comes on show at its first jackpot, under way.
    ASSERT_GE(observer.shown.size(), 2u);
    const ShownGame& joined = observer.shown[1];
    EXPECT_EQ(std::tuple(joined.round, joined.spins_left, joined.joined_under_way),
              std::tuple(Round::FreeSpin, std::int64_t{14}, true));
    const auto records = test::Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 15u * 20u);
    EXPECT_EQ(records[6], "     123       7              Free Spin");
}

// Free-spins reels 0..2 all scatters: every spin retriggers. Stopped at a turn the feature stays
// pending; Step plays one spin, Run goes on (Step at a turn playing nothing), Exit ends at once.
TEST_F(FreeSpins, AFeatureStoppedAtATurnStaysPendingWhereItStands) {
    PrepareTrigger('3');
    for (int r = 0; r < 3; ++r) test::SetStrip(def, r, std::string(30, 'S'), true);
    Start([](RunState& st) { st.FreeSpinsTotal = 50; });  // turns count this feature's spins
    SetNextGame(kTriggerStops, 7);
    observer.on_feature_yield = [&] {
        if (observer.feature_turns == 3) sim().StartOrStop();
    };
    sim().StartOrStop();
    const RunState& s = sim().State();
    // Each spin counts one and retriggers; nothing of the feature is booked.
    EXPECT_EQ(Figures({sim().Running(), s.InFreeSpins, s.Games, s.FreeSpinsPlayed, s.FreeSpinNo,
                       s.FreeWin}),
              Figures({false, true, 7, 300, 300 - 15 * 300, 0}));

    sim().Step();
    EXPECT_EQ(s.FreeSpinsPlayed, 301);
    observer.on_feature_yield = [&] {
        sim().Step();
        if (observer.feature_turns == 5) sim().StartOrStop();
    };
    sim().StartOrStop();
    EXPECT_EQ(Figures({s.FreeSpinsPlayed, s.Games, s.InFreeSpins}), Figures({500, 7, true}));

    observer.on_feature_yield = [&] { sim().Exit(); };
    sim().StartOrStop();
    EXPECT_EQ(Figures({sim().Exited(), sim().Running(), s.FreeSpinsPlayed}),
              Figures({true, false, 600}));
}

}  // namespace
}  // namespace kragmoor
