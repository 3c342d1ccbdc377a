// The free-spin feature's law and the spread of whole runs. The branching formula is checked
// against the feature's spins counted out one by one; the analysis of small games against many
// features and a long run played by the engine (seeded, so the same every time), within four
// standard errors of what was played.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/exact_analysis.h"
#include "engine/run_verdict.h"
#include "engine_fixture.h"
#include "rng/rng.h"

namespace kragmoor::test {
namespace {

// A spin that retriggers wins with mean mu1 and variance var1, any other with mu0 and var0.
struct SpinLaw {
    double q, mu0, var0, mu1, var1;
};

// The feature played spin by spin: with k retriggers it plays 15 (1 + k) spins, k of them
// retriggers, and ends when that many are played. P(k) follows from a walk over the spins
// played and retriggers so far; given k, the spins' wins are independent. Features of more than
// 6000 spins are left out: the share of them is returned last.
std::array<double, 3> FeatureMomentsSpinBySpin(const SpinLaw& s) {
    std::vector<double> alive{1.0};  // by retriggers so far, features not yet ended
    double mean = 0, square = 0, ended = 0;
    for (int played = 1; played <= 6000; ++played) {
        alive.push_back(0);
        for (std::size_t k = alive.size() - 1; k-- > 0;) {
            alive[k + 1] += alive[k] * s.q;
            alive[k] *= 1 - s.q;
        }
        if (played % kFreeSpinsAward != 0) continue;
        const std::size_t k = static_cast<std::size_t>(played / kFreeSpinsAward - 1);
        const double p = alive[k];  // ends now: its spins are all played
        alive[k] = 0;
        ended += p;
        const double others = played - static_cast<double>(k);
        const double m = others * s.mu0 + static_cast<double>(k) * s.mu1;
        const double v = others * s.var0 + static_cast<double>(k) * s.var1;
        mean += p * m;
        square += p * (v + m * m);
    }
    return {mean, square, 1 - ended};
}

TEST(FeatureLaw, BranchingFormulaIsTheFeaturePlayedSpinBySpin) {
    const SpinLaw laws[] = {
        {0.01, 40, 900, 300, 2500},
        {0.03, 25, 4000, 120, 0},
        {0.04, 0, 0, 500, 10000},  // only retriggers win
        {0.0, 60, 100, 0, 0},
    };
    for (const SpinLaw& s : laws) {
        const double mean = (1 - s.q) * s.mu0 + s.q * s.mu1;
        const double square = (1 - s.q) * (s.var0 + s.mu0 * s.mu0) + s.q * (s.var1 + s.mu1 * s.mu1);
        const FeatureLaw f = FeatureFromSpin(mean, square, s.q * s.mu1, s.q);
        const auto [want_mean, want_square, left_out] = FeatureMomentsSpinBySpin(s);
        ASSERT_LT(left_out, 1e-14);
        EXPECT_NEAR(f.win_mean, want_mean, 1e-9 * want_mean) << "q " << s.q;
        EXPECT_NEAR(f.win_second_moment, want_square, 1e-9 * want_square) << "q " << s.q;
        EXPECT_NEAR(f.spins_mean, 15.0 / (1 - 15 * s.q), 1e-12);
    }
}

TEST(FeatureLaw, RetriggersThatNeverDieOutHaveNoFiniteMean) {
    const FeatureLaw winning = FeatureFromSpin(10, 400, 10, 1.0 / 15);
    EXPECT_TRUE(std::isinf(winning.spins_mean));
    EXPECT_TRUE(std::isinf(winning.win_mean));
    EXPECT_TRUE(std::isinf(winning.win_second_moment));
    // q as the analysis finds it, a count of windows over their number: exactly 1/15 is endless
    // whatever the rounding, anything below it is not.
    for (const double windows :
         {15.0, 105.0, 3.0 * 7 * 11 * 13 * 15, 15.0 * 101 * 101 * 101 * 101}) {
        EXPECT_TRUE(std::isinf(FeatureFromSpin(10, 400, 10, windows / 15 / windows).spins_mean));
        EXPECT_TRUE(
            std::isfinite(FeatureFromSpin(10, 400, 10, (windows / 15 - 1) / windows).spins_mean));
    }
    const FeatureLaw silent = FeatureFromSpin(0, 0, 0, 0.5);
    EXPECT_TRUE(std::isinf(silent.spins_mean));
    EXPECT_EQ(silent.win_mean, 0.0);
    EXPECT_EQ(silent.win_second_moment, 0.0);
}

// Free-spins reels of 20 positions with one scatter each: a spin retriggers about once in 38.
void FeatureReels(GameDefinition& def) {
    const char* strips[kReels] = {"S123W1231W2312312312", "1S23123W1231231W3123",
                                  "12S3123123W123123123", "123S1231W31231231231",
                                  "1231S23123123W123123"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r], true);
    NoShortPays(def);
    for (int s = 0; s < kWild; ++s) def.PayTable[s][2] = 0;  // runs of three and more pay
}

// Mean and variance of a sample, and the standard error of that variance from its fourth
// central moment.
struct Sample {
    double mean = 0, variance = 0, variance_error = 0;
};
Sample Describe(const std::vector<double>& x) {
    Sample s;
    const double n = static_cast<double>(x.size());
    for (const double v : x) s.mean += v / n;
    double m4 = 0;
    for (const double v : x) {
        s.variance += (v - s.mean) * (v - s.mean) / (n - 1);
        m4 += std::pow(v - s.mean, 4) / n;
    }
    s.variance_error = std::sqrt((m4 - s.variance * s.variance) / n);
    return s;
}

using FeatureRuns = EngineTest;

// Three scatters stand on every base window, so every game plays one feature. A run yields every
// 100 games, after the base game and again after its feature; between two yields with no
// feature pending lie 100 whole games.
TEST_F(FeatureRuns, ManyFeaturesPlayedByTheEngineHaveTheAnalysedLaw) {
    FeatureReels(def);
    for (int r = 0; r < 3; ++r) SetStrip(def, r, "SS");
    const ExactAnalysis a = AnalyseGame(def);
    ASSERT_DOUBLE_EQ(a.rtp.trigger_probability, 1.0);
    ASSERT_GT(a.feature.retrigger_probability * 15, 0.3);
    Start();
    rng_Init(20261206);
    std::vector<double> blocks;
    std::int64_t free_win = 0;
    observer.on_yield = [&] {
        if (sim().State().InFreeSpins) return;
        blocks.push_back(static_cast<double>(sim().State().FreeWin - free_win));
        free_win = sim().State().FreeWin;
        if (sim().State().Games >= 100000) sim().StartOrStop();
    };
    sim().StartOrStop();
    const Sample s = Describe(blocks);
    const double features = 100.0 * static_cast<double>(blocks.size());
    const double variance = a.feature.win_second_moment - a.feature.win_mean * a.feature.win_mean;
    EXPECT_NEAR(s.mean / 100, a.feature.win_mean, 4 * std::sqrt(variance / features));
    EXPECT_NEAR(s.variance / 100, variance, 4 * s.variance_error / 100);
}

// The spread of 1000-game blocks of a long run (whole games: their features included) is what
// the deviation of one game says, and the run's return passes its verdict.
TEST_F(FeatureRuns, LongRunSpreadsAsTheDeviationSays) {
    FeatureReels(def);
    const char* strips[kReels] = {"W1S2345", "6W7S8", "S1W2W1", "21W30", "1W24"};
    for (int r = 0; r < kReels; ++r) SetStrip(def, r, strips[r]);
    def.PayTable[kScatter][3] = 10;  // the trigger pays, so its window and feature go together
    const ExactAnalysis a = AnalyseGame(def);
    Start();
    rng_Init(77);
    std::vector<double> blocks;
    std::int64_t total = 0;
    observer.on_yield = [&] {
        if (sim().State().Games % 1000 != 0 || sim().State().InFreeSpins) return;
        blocks.push_back(static_cast<double>(sim().State().TotalWin - total));
        total = sim().State().TotalWin;
        if (sim().State().Games >= 1000000) sim().StartOrStop();
    };
    sim().StartOrStop();
    const Sample s = Describe(blocks);
    const double per_game = kBet * kBet * a.sd_per_game * a.sd_per_game;
    EXPECT_NEAR(s.variance / 1000, per_game, 4 * s.variance_error / 1000);
    const RunVerdict v = JudgeRun(a.rtp.total_percent, a.sd_per_game,
                                  100.0 * static_cast<double>(sim().State().TotalWin) /
                                      static_cast<double>(sim().State().TotalBet),
                                  sim().State().Games);
    EXPECT_LT(std::fabs(v.z_score), 4.0);
}

}  // namespace
}  // namespace kragmoor::test
