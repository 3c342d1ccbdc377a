// The free-spin feature's law: the branching formula against the feature's spins counted out
// one by one, and retriggers that never die out.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/exact_analysis.h"

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
    EXPECT_TRUE(std::isinf(winning.spins_mean) && std::isinf(winning.win_mean) &&
                std::isinf(winning.win_second_moment));
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
    EXPECT_EQ(std::pair(silent.win_mean, silent.win_second_moment), std::pair(0.0, 0.0));
}

}  // namespace
}  // namespace kragmoor::test
