// The free-spins feature: the booking at its end, its record after the next base game, its
// jackpots, and features long enough for the window's turns (Stop, Exit and Step at a turn).
#include <gtest/gtest.h>

#include <string>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using FreeSpins = test::EngineTest;
using test::kTriggerStops;

// Every free spin shows five 3s on all 20 lines.
TEST_F(FreeSpins, AFeatureBooksItsWholeWinAtItsEndAndIsRecordedAfterTheNextGame) {
    PrepareTrigger('3');
    Start();
    PlayBaseAt(kTriggerStops, 41);
    const RunState before = sim().State();
    for (int spin = 1; spin < 15; ++spin) {
        sim().Step();
        EXPECT_EQ(sim().State().FeatureWin, spin * 20 * 351 * 4);
        EXPECT_EQ(sim().State().TotalWin, before.TotalWin) << "booked only at the end";
    }
    sim().Step();
    const RunState& s = sim().State();
    EXPECT_EQ(s.Games, 41);
    EXPECT_FALSE(s.InFreeSpins);
    EXPECT_EQ(s.TotalWin, before.TotalWin + 15 * 20 * 351 * 4);
    EXPECT_EQ(s.WinEvents, before.WinEvents) << "free spins leave the line statistics alone";
    EXPECT_EQ(File("FreeSpins.txt"), "");
    sim().Step();
    EXPECT_EQ(File("FreeSpins.txt"), "        41   15 Free_Spins_Won = 21060.000\r\n");
}

// Auto Stop at a jackpot of a free spin: the feature is played to its end, then the run ends.
TEST_F(FreeSpins, FiveWildsInAFreeSpinAreRecordedAsAFreeSpinJackpot) {
    PrepareTrigger('W');
    Start();
    PlayBaseAt(kTriggerStops, 123);
    sim().SetAutoStop(true);
    sim().StartOrStop();
    EXPECT_FALSE(sim().Running());
    EXPECT_FALSE(sim().State().InFreeSpins);
    EXPECT_EQ(sim().State().Games, 123);
    EXPECT_EQ(sim().State().HitCount[6][5][kWild], 0);
    EXPECT_EQ(observer.messages.at(0), "JACKPOT!!!\r\nGame = 123\r\n Free Spin ");
    const auto records = test::Lines(File("Jackpot.txt"));
    ASSERT_EQ(records.size(), 15u * 20u);
    EXPECT_EQ(records[6], "     123       7              Free Spin");
}

// Reels 0..2 of the free spins all scatters: every spin retriggers, the feature never ends. Stop
// at the third turn: the run ends 300 spins into the feature, which stays pending with its count;
// one Step plays its next spin, Run goes on with it (Step at a turn playing nothing), and Exit at
// a turn ends the run at once.
TEST_F(FreeSpins, AFeatureStoppedAtATurnStaysPendingWhereItStands) {
    PrepareTrigger('3');
    for (int r = 0; r < 3; ++r) test::SetStrip(def, r, std::string(30, 'S'), true);
    Start(
        [](RunState& st) { st.FreeSpinsTotal = 50; });  // earlier features: turns count this one's
    SetNextGame(kTriggerStops, 7);
    observer.on_feature_yield = [&] {
        if (observer.feature_turns == 3) sim().StartOrStop();
    };
    sim().StartOrStop();
    const RunState& s = sim().State();
    EXPECT_FALSE(sim().Running());
    EXPECT_TRUE(s.InFreeSpins);
    EXPECT_EQ(s.Games, 7);
    EXPECT_EQ(s.FreeSpinsPlayed, 300);
    EXPECT_EQ(s.FreeSpinNo, 300 - 15 * 300) << "each spin counts one and retriggers";
    EXPECT_EQ(s.FreeWin, 0) << "nothing of the feature booked";

    sim().Step();
    EXPECT_EQ(s.FreeSpinsPlayed, 301);
    observer.on_feature_yield = [&] {
        sim().Step();
        if (observer.feature_turns == 5) sim().StartOrStop();
    };
    sim().StartOrStop();
    EXPECT_EQ(s.FreeSpinsPlayed, 500);
    EXPECT_EQ(s.Games, 7);
    EXPECT_TRUE(s.InFreeSpins);

    observer.on_feature_yield = [&] { sim().Exit(); };
    sim().StartOrStop();
    EXPECT_TRUE(sim().Exited());
    EXPECT_FALSE(sim().Running());
    EXPECT_EQ(s.FreeSpinsPlayed, 600);
}

}  // namespace
}  // namespace kragmoor
