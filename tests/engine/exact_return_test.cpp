#include "engine/exact_return.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor::test {
namespace {

TEST(ExactReturn, FeatureSpinsHaveNoEndWhenEveryAwardBreedsOne) {
    GameDefinition def = SmallGame();
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, "S00", true);  // scatters in every window
    const ExactReturn x = ComputeExactReturn(def);
    EXPECT_TRUE(std::isinf(x.free_spins_per_feature));
    EXPECT_EQ(x.feature_percent, 0.0);  // no base-game scatters: the feature never comes
}

// Over one whole reel cycle the odometer plays every combination of stops exactly once, so what
// the base games book over the cycle is the exact expectation times the number of games.
TEST_F(EngineTest, ExactReturnIsWhatAWholeReelCycleOfBaseGamesBooks) {
    NoShortPays(def);
    SetStrip(def, 0, "W1S23W4");
    SetStrip(def, 1, "1W2S3");
    SetStrip(def, 2, "S1W2W1");
    SetStrip(def, 3, "21WS0");
    SetStrip(def, 4, "1W2S");
    CreateLogs(logs, dir.path());
    EngineParts parts(def, logs, observer, dir.path());
    parts.status.SetRandomStops(false);
    const RunState& st = parts.state;
    const std::int64_t cycle = 7 * 5 * 6 * 5 * 4;
    for (std::int64_t g = 0; g < cycle; ++g) {
        parts.rounds.PlayBaseGame();  // the features it triggers are counted, not played
    }
    const ExactReturn x = ComputeExactReturn(def);
    const double bet = static_cast<double>(st.TotalBet);
    EXPECT_NEAR(100.0 * static_cast<double>(st.TotalWin) / bet,
                x.base_lines_percent + x.base_scatter_percent, 1e-9);
    EXPECT_NEAR(static_cast<double>(st.WinEvents), x.win_events_per_game * cycle, 1e-7);
    EXPECT_NEAR(static_cast<double>(st.FreeGames), x.trigger_probability * cycle, 1e-7);
    EXPECT_NEAR(static_cast<double>(st.JackpotLines), x.jackpot_lines_per_game * cycle, 1e-7);
    EXPECT_GT(st.JackpotLines, 0);
    EXPECT_GT(st.FreeGames, 0);
}

// Known answers from an independent computation of the same rules.
TEST(ExactReturn, ReferenceGameAndBundledGame) {
    const GameDefinition g0 = ReadDefinition(TestData("g0/ReelSetup.ini"));
    const ExactReturn x = ComputeExactReturn(g0);
    EXPECT_NEAR(x.total_percent, 687.8844570711937, 1e-9);
    EXPECT_NEAR(x.base_lines_percent, 224.84189723324897, 1e-9);
    EXPECT_NEAR(x.base_scatter_percent, 23.17987718802936, 1e-9);
    EXPECT_NEAR(1.0 / x.trigger_probability, 48.45002992220228, 1e-9);
    EXPECT_NEAR(x.free_spins_per_feature, 19.103011425210582, 1e-9);

    const GameDefinition bundled = ReadDefinition(SourceFile("games/ReelSetup.ini"));
    const ExactReturn b = ComputeExactReturn(bundled);
    EXPECT_NEAR(b.total_percent, 95.74447881811136, 1e-9);
    // The header states the true return to the hundredth.
    EXPECT_EQ(std::round(b.total_percent * 100.0) / 100.0,
              std::round(bundled.GameRTP * 100.0f) / 100.0);
}

}  // namespace
}  // namespace kragmoor::test
