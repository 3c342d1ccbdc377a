// Features long enough to need the window's turns: Stop, Exit and Step at a turn inside a
// feature, and long features that end after such turns as they would without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using LongFeature = test::EngineTest;
using test::kTriggerStops;

// Reels 0..2 of the free spins all scatters: every spin retriggers, the feature never ends.
void NeverEnding(GameDefinition& def) {
    for (int r = 0; r < 3; ++r) test::SetStrip(def, r, std::string(30, 'S'), true);
}

// Stop at the third turn: the run ends 300 spins into the feature, which stays pending with its
// count; one Step plays its next spin, and Run goes on with it, Step at a turn playing nothing.
TEST_F(LongFeature, StopAtATurnLeavesTheFeaturePendingWhereItStands) {
    PrepareTrigger('3');
    NeverEnding(def);
    Start();
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
    EXPECT_EQ(sim().State().FreeSpinNo, 300 - 15 * 300) << "each spin counts one and retriggers";
    EXPECT_EQ(s.FreeWin, 0) << "nothing of the feature booked";
    EXPECT_EQ(File("FreeSpins.txt"), "");

    sim().Step();
    EXPECT_EQ(s.FreeSpinsPlayed, 301);
    observer.on_feature_yield = [&] {
        sim().Step();  // the run is playing the feature: nothing happens
        if (observer.feature_turns == 5) sim().StartOrStop();
    };
    sim().StartOrStop();
    EXPECT_EQ(s.FreeSpinsPlayed, 500);
    EXPECT_EQ(s.Games, 7);
    EXPECT_TRUE(s.InFreeSpins);
}

TEST_F(LongFeature, ExitAtATurnEndsTheRunAtOnce) {
    PrepareTrigger('3');
    NeverEnding(def);
    Start();
    SetNextGame(kTriggerStops, 7);
    observer.on_feature_yield = [&] { sim().Exit(); };
    sim().StartOrStop();
    EXPECT_TRUE(sim().Exited());
    EXPECT_FALSE(sim().Running());
    EXPECT_EQ(sim().State().FreeSpinsPlayed, 100);
    EXPECT_EQ(observer.feature_turns, 1);
}

// Reels 0..2 of the free spins show a scatter at 12 of their 30 stops each, so a spin retriggers
// with chance 0.4^3 = 0.064 and a feature lasts 375 spins on average, often far more. Turns come
// every 100 spins of a feature and leave it to end as it would; every record counts 15 spins per
// award, and the spins of all records are all the spins played.
TEST_F(LongFeature, LongFeaturesEndAfterTheirTurnsAndAreRecordedWhole) {
    PrepareTrigger('3');
    const std::string strip = "S33S33S33S" + std::string(20, '3');
    for (int r = 0; r < 3; ++r) test::SetStrip(def, r, strip, true);
    Start();
    sim().SetRandomStops(true);
    StopAt(20000);
    sim().StartOrStop();
    sim().Step();  // a base game, so that the last feature is recorded
    ASSERT_FALSE(sim().State().InFreeSpins);
    std::int64_t spins = 0, longest = 0, turns = 0;
    const auto records = test::Lines(File("FreeSpins.txt"));
    for (const std::string& record : records) {
        const std::int64_t n = std::stoll(record.substr(10, 5));
        EXPECT_EQ(n % 15, 0) << record;
        spins += n;
        turns += n / 100;
        longest = std::max(longest, n);
    }
    ASSERT_GT(longest, 200) << "no feature long enough for a turn";
    EXPECT_EQ(static_cast<std::int64_t>(records.size()), sim().State().FreeGames);
    EXPECT_EQ(spins, sim().State().FreeSpinsTotal);
    EXPECT_EQ(observer.feature_turns, turns);
}

}  // namespace
}  // namespace kragmoor
