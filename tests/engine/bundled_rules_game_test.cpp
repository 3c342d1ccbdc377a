// The second bundled game, Cinderbrae (a wild that only substitutes, 10 free spins at three times
// the win, retriggers of 5, 10 and 20 spins, win lines of its own), valued from scratch: every
// window of both strip sets is enumerated and judged line by line by the line rule (its known
// answers: line_evaluation_test.cpp), the feature is a branching process derived below, and the
// exact analysis, which counts combinations instead, must give the same figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <tuple>

#include "engine/analysis/exact_analysis.h"
#include "engine/rules/line_evaluator.h"
#include "model/definition_reader.h"
#include "test_support.h"

namespace kragmoor::test {
namespace {

using Symbols = std::array<std::int16_t, kReels>;

// Sums over every window of one strip set, each stop combination once. Y is a spin's own win in
// credits, lines and scatters, before any free-spin multiplier; R the spins its scatters award.
struct StripSums {
    double windows = 0;
    std::array<std::int64_t, kMaxScatters + 1> by_scatters{};  // windows by scatters counted
    std::int64_t line_win = 0, scatter_win = 0;
    std::int64_t hits = 0;  // windows that pay, show five wilds on a line or award spins
    std::int64_t win_square = 0, win_award = 0;  // sums of Y^2 and Y R
    std::int64_t award = 0, award_square = 0, awarded = 0;
};

using Window = std::array<Symbols, kRows>;

// Top, middle and bottom row of each reel: the stop is the middle row, the others wrap around it.
Window WindowAt(const ReelStrips& strip, const ReelLengths& last, const Symbols& stop) {
    Window window{};
    for (int r = 0; r < kReels; ++r) {
        const int positions = last[r] + 1;
        for (int row = 0; row < kRows; ++row) {
            const int at = (stop[static_cast<std::size_t>(r)] + row - 1 + positions) % positions;
            window[static_cast<std::size_t>(row)][static_cast<std::size_t>(r)] = strip[at][r];
        }
    }
    return window;
}

void AddWindow(const Window& window, const GameDefinition& def,
               const GameRules::SpinsByScatters& awards, StripSums& sums) {
    std::int64_t lines = 0;
    bool hit = false;
    for (int line = 0; line < kLines; ++line) {
        Symbols s{};
        for (std::size_t r = 0; r < kReels; ++r)
            s[r] = window[static_cast<std::size_t>(def.LineTable[line][r])][r];
        const LineOutcome result = EvaluateLineSymbols(s, def.PayTable, def.Rules.WildMultiplier);
        lines += result.win;
        hit = hit || result.win > 0 || (result.symbol == kWild && result.count == kReels);
    }
    int scatters = 0;
    for (const Symbols& row : window)
        scatters += static_cast<int>(std::count(row.begin(), row.end(), kScatter));
    scatters = std::min(scatters, kMaxScatters);
    const auto n = static_cast<std::size_t>(scatters);
    const std::int64_t scatter_win =
        scatters >= kScatterWinFrom ? std::int64_t{def.PayTable[kScatter][n]} * kTotalBet : 0;
    const std::int64_t award = scatters >= kTriggerScatters ? awards[n] : 0;
    const std::int64_t win = lines + scatter_win;
    sums.windows += 1;
    sums.by_scatters[n] += 1;
    sums.line_win += lines;
    sums.scatter_win += scatter_win;
    sums.hits += hit || scatter_win > 0 || award > 0 ? 1 : 0;
    sums.win_square += win * win;
    sums.win_award += win * award;
    sums.award += award;
    sums.award_square += award * award;
    sums.awarded += award > 0 ? 1 : 0;
}

// The odometer turns the rightmost reel first.
StripSums Enumerate(const GameDefinition& def, const ReelStrips& strip, const ReelLengths& last,
                    const GameRules::SpinsByScatters& awards) {
    StripSums sums;
    Symbols stop{};
    for (;;) {
        AddWindow(WindowAt(strip, last, stop), def, awards, sums);
        int r = kReels - 1;
        while (r >= 0 && ++stop[static_cast<std::size_t>(r)] > last[r])
            stop[static_cast<std::size_t>(r--)] = 0;
        if (r < 0) return sums;
    }
}

// The figures of ExactAnalysis, in its units (percent, credits, bets).
struct Valuation {
    double lines = 0, scatters = 0, feature = 0, total = 0;
    double trigger = 0, retrigger = 0, spins_per_feature = 0, free_spin_win = 0;
    double hit_frequency = 0, sd = 0;
    std::array<double, kMaxScatters + 1> base_scatters{};
};

// A free spin wins S = M Y (M the free spins' multiplier) and adds R spins. One spin with all the
// spins it brings is worth X = S + X_1 + ... + X_R, the X_i independent copies of X, independent
// of (S, R). With m = E[R] < 1:
//   E[X]   = E[S] + E[R] E[X]                               so E[X] = E[S] / (1 - m)
//   E[X^2] = E[S^2] + 2 E[S R] E[X] + E[(X_1 + ... + X_R)^2]
//          = E[S^2] + 2 E[S R] E[X] + E[R] E[X^2] + E[R (R - 1)] E[X]^2
//   so E[X^2] (1 - m) = E[S^2] + 2 E[S R] E[X] + E[R (R - 1)] E[X]^2.
// A base game wins B and awards A spins by the same scatters; its feature is F = X_1 + ... + X_A,
// so E[F | A] = A E[X] and E[F^2 | A] = A E[X^2] + A (A - 1) E[X]^2. For W = B + F:
//   E[W]   = E[B] + E[A] E[X]
//   E[W^2] = E[B^2] + 2 E[B A] E[X] + E[A] E[X^2] + E[A (A - 1)] E[X]^2
// and the spins of a feature that starts are E[A | A > 0] / (1 - m).
Valuation Value(const GameDefinition& def) {
    const StripSums b = Enumerate(def, def.ReelStrip, def.ReelLen, def.Rules.FreeSpins);
    const StripSums f = Enumerate(def, def.FsReelStrip, def.FsReelLen, def.Rules.Retrigger);
    const auto mean = [](std::int64_t sum, const StripSums& s) {
        return static_cast<double>(sum) / s.windows;
    };
    const double multiplier = def.Rules.FreeSpinMultiplier;
    const double s1 = multiplier * mean(f.line_win + f.scatter_win, f);
    const double s2 = multiplier * multiplier * mean(f.win_square, f);
    const double sr = multiplier * mean(f.win_award, f);
    const double m = mean(f.award, f);
    const double x1 = s1 / (1 - m);
    const double x2 = (s2 + 2 * sr * x1 + mean(f.award_square - f.award, f) * x1 * x1) / (1 - m);
    const double a1 = mean(b.award, b);
    const double w1 = mean(b.line_win + b.scatter_win, b) + a1 * x1;
    const double w2 = mean(b.win_square, b) + 2 * mean(b.win_award, b) * x1 + a1 * x2 +
                      mean(b.award_square - b.award, b) * x1 * x1;

    Valuation v;
    v.lines = mean(b.line_win, b) * 100 / kTotalBet;
    v.scatters = mean(b.scatter_win, b) * 100 / kTotalBet;
    v.feature = a1 * x1 * 100 / kTotalBet;
    v.total = w1 * 100 / kTotalBet;
    v.trigger = mean(b.awarded, b);
    v.retrigger = mean(f.awarded, f);
    v.spins_per_feature = a1 / v.trigger / (1 - m);
    v.free_spin_win = s1;
    v.hit_frequency = mean(b.hits, b);
    v.sd = std::sqrt(w2 - w1 * w1) / kTotalBet;
    for (std::size_t n = 0; n <= kMaxScatters; ++n) v.base_scatters[n] = mean(b.by_scatters[n], b);
    return v;
}

void ExpectRelative(double actual, double expected, double tolerance, const char* what) {
    EXPECT_NEAR(actual, expected, tolerance * std::abs(expected)) << what;
}

// The game's own rules (those the header describes) against the enumerations; what a player of a
// real 20-line game meets: a win in 25 to 45 % of the games, a feature every 100 to 250 games.
TEST(BundledRulesGame, TheAnalysisIsTheEnumerations) {
    const GameDefinition def = ReadDefinition(SourceFile("games/cinderbrae/ReelSetup.ini"));
    ASSERT_EQ(std::tuple(def.Rules.WildMultiplier, def.Rules.Retrigger[3], def.Rules.Retrigger[5],
                         def.Rules.FreeSpinMultiplier, def.Rules.LinesFromDefinition),
              std::tuple(1, 5, 20, 3, true));
    const Valuation own = Value(def);
    const ExactAnalysis product = AnalyseGame(def);
    const ExactReturn& rtp = product.rtp;
    ExpectRelative(rtp.base_lines_percent, own.lines, 1e-12, "base-game lines");
    ExpectRelative(rtp.base_scatter_percent, own.scatters, 1e-12, "base-game scatters");
    ExpectRelative(rtp.feature_percent, own.feature, 1e-12, "features");
    ExpectRelative(rtp.total_percent, own.total, 1e-12, "RTP");
    ExpectRelative(rtp.trigger_probability, own.trigger, 1e-12, "trigger");
    ExpectRelative(rtp.retrigger_probability, own.retrigger, 1e-12, "retrigger");
    ExpectRelative(rtp.free_spins_per_feature, own.spins_per_feature, 1e-12, "spins");
    ExpectRelative(rtp.free_spin_win, own.free_spin_win, 1e-12, "free spin");
    for (std::size_t n = 0; n <= kMaxScatters; ++n)
        EXPECT_NEAR(rtp.base_scatter_odds[n], own.base_scatters[n], 1e-12) << n << " scatters";
    ExpectRelative(product.hit_frequency, own.hit_frequency, 1e-12, "hit frequency");
    ExpectRelative(product.sd_per_game, own.sd, 1e-9, "standard deviation");
    EXPECT_NEAR(def.GameRTP, std::round(own.total * 100) / 100, 1e-4);  // the header's RTP
    EXPECT_TRUE(own.hit_frequency > 0.25 && own.hit_frequency < 0.45) << own.hit_frequency;
    EXPECT_TRUE(own.trigger > 1.0 / 250 && own.trigger < 1.0 / 100) << own.trigger;
}

}  // namespace
}  // namespace kragmoor::test
