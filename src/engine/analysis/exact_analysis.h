// The exact analysis of a game: what its strips and paytable pay for uniform random stops,
// computed over every window instead of sampled. Beside the return and its parts it gives the
// spread of one paid game's win, features included (the standard deviation and the volatility
// index, so how far a run of N games may stray from the return), how often a game wins, the
// largest win and the distribution of the base game's wins, the odds of every paying
// combination with the odds rules of the regulators, those of one free spin with their shares of
// the return, and the designed return of the header against the exact one.
//
// Units: a paid game bets 20 credits. Wins are in credits where a field says so, otherwise in
// multiples of the total bet ("bets").
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/analysis/exact_return.h"
#include "engine/analysis/window_enumeration.h"
#include "model/game_model.h"

namespace kragmoor {

// Confidence levels of the volatility index and their two-sided normal quantiles.
inline constexpr std::array<int, 3> kConfidencePercent = {90, 95, 99};
inline constexpr std::array<double, 3> kConfidenceZ = {1.645, 1.960, 2.576};
// Runs of 10^3, 10^4, ..., 10^9 games.
inline constexpr int kRangeRuns = 7;

// Odds rules: an award rarer than 1 in 100 000 000 games (GLI-11 4.8.2) and a base-game winning
// pattern rarer than 1 in 7 000 000 games (the Australian/New Zealand standard).
inline constexpr double kAwardOddsLimit = 100000000.0;
inline constexpr double kBasePatternOddsLimit = 7000000.0;
enum OddsFlag : unsigned { kRarerThanAwardLimit = 1u, kRarerThanBasePatternLimit = 2u };

enum class CombinationKind {
    kLine,          // a run on a line (symbol 12 with count 0: a line that starts with a scatter)
    kLineWithWild,  // a run of an ordinary symbol with a wild in it: the wild multiplies it
    kJackpot,       // five wilds on a line
    kScatters,      // 2..5 scatters anywhere
    kFeature,       // the free-spin feature of a scatter count, or of that count or more
    kRetrigger,     // a free spin's scatters that add spins: of a count, or of that count or more
};

// One paying combination of a base game, or of one free spin (ExactAnalysis::free_spins), where
// "a game" is one free spin and its cycle the free-spin strips'.
struct Combination {
    CombinationKind kind = CombinationKind::kLine;
    int symbol = 0;                // symbol code; the scatter's for scatters and the feature
    int count = 0;                 // run length or scatters
    bool or_more = false;          // the feature and the retrigger: its count or more scatters
                                   // (every count that brings spins brings as many)
    double pay = 0;                // credits of one paid game; the feature: its expected win; a
                                   // free spin's: times its multiplier, a retrigger none
    double hits_per_game = 0;      // expected lines (scatter results, features) per paid game
    double one_in_games = 0;       // 1 / hits_per_game; infinite when it never comes
    double rtp_share_percent = 0;  // hits_per_game x pay / 20 x 100; the shares add up to the RTP
                                   // (a free spin's: also times FreeSpinTable::spins_per_game)
    unsigned odds_flags = 0;       // OddsFlag bits; the rules are the base game's: a free spin's
                                   // rows carry none
    // Of the full cycle (ExactAnalysis::full_cycle): the windows in which one line shows a line
    // result, the same for each of the 20 lines; the (window, line) pairs over all 20 lines,
    // 20 times as many, so that hits_per_game = windows_all_lines / full_cycle. Scatters and the
    // feature are counted in whole windows, both counts the same.
    std::uint64_t windows_one_line = 0;
    std::uint64_t windows_all_lines = 0;
};

// The free-spin feature as a branching process. A spin wins S (its multiplier included) and adds
// R spins (the retrigger of its scatter count, 0 without one); one spin and all the spins it
// brings are worth X = S + the sum of R independent X. A feature triggered with A spins (the
// award of the base game's scatter count) is the sum of A independent X. When a spin adds
// m = E[R] >= 1 spins on average, retriggers never die out: the spins and, unless free spins
// never win, the win have no finite mean.
struct FeatureLaw {
    double spin_mean = 0;              // E[S], credits
    double spin_second_moment = 0;     // E[S^2]
    double spin_times_added = 0;       // E[S R]
    double added_mean = 0;             // m = E[R]
    double added_factorial = 0;        // E[R (R - 1)]
    double retrigger_probability = 0;  // P(R > 0)
    double award_mean = 0;             // E[A] over the features triggered
    double award_factorial = 0;        // E[A (A - 1)] over the features triggered
    double spin_value = 0;             // E[X], credits
    double spins_mean = 0;             // E[A] / (1 - m)
    double win_mean = 0;               // E[F], credits, over the features triggered
    double win_second_moment = 0;      // E[F^2]
    // E[F] of a feature triggered by 0..5 scatters: its award times E[X]; 0 without an award.
    std::array<double, kMaxScatters + 1> win_by_scatters{};
};

// One free spin of the free-spin strips: its paying combinations (lines, five wilds, scatters
// and the retriggers) over the free-spins cycle. A paid game brings spins_per_game free spins on
// average, so a row's share of the RTP is its hits per free spin x pay x spins_per_game / 20 x
// 100, and the rows' shares add up to the feature's. In whole numbers: the spins the base cycle
// awards (each window's award, summed) and the spins the free-spins cycle adds (each window's
// retrigger) give spins_per_game = awarded / base cycle x cycle / (cycle - added), infinite
// when added >= cycle (retriggers never die out) and some window awards spins.
struct FreeSpinTable {
    std::uint64_t full_cycle = 0;       // the product of the five free-spin reel lengths
    std::uint64_t winning_windows = 0;  // a free spin wins something or adds spins
    std::uint64_t awarded_spins = 0;
    std::uint64_t added_spins = 0;
    double spins_per_game = 0;
    double hit_frequency = 0;               // winning_windows / full_cycle
    std::vector<Combination> combinations;  // lines, scatters, then the retriggers
};

// The return a run of `games` games stays within, at each confidence level, in percent.
struct RtpRange {
    std::int64_t games = 0;
    std::array<double, 3> low_percent{};
    std::array<double, 3> high_percent{};
};

struct ExactAnalysis {
    ExactReturn rtp;  // the return and its parts (ComputeExactReturn)

    // Every stop combination of the base strips once, the product of the five reel lengths (up
    // to 101^5, some 10^10), and those in which a paid game wins something (hit_frequency).
    std::uint64_t full_cycle = 0;
    std::uint64_t winning_windows = 0;

    // A paid game wins something: a paying line, a line of five wilds, a scatter win or a
    // feature trigger.
    double hit_frequency = 0;
    // The win of one paid game, its features included, in bets: standard deviation and the
    // volatility index z x sd at 90, 95 and 99 %; infinite when the feature's is.
    double sd_per_game = 0;
    std::array<double, 3> volatility_index{};
    std::array<RtpRange, kRangeRuns> rtp_ranges{};

    // The base game's own win B (lines and scatters, without the feature it triggers): its
    // largest value in credits, its distribution over the bins of kWinBinTops (in bets), its
    // mean and second moment, and E[B F] with F the win of the feature it triggers (0 without
    // one), in credits.
    std::int64_t max_base_win = 0;
    std::array<double, kWinBins> base_win_distribution{};
    double base_win_mean = 0;
    double base_win_second_moment = 0;
    double base_win_times_feature = 0;

    FeatureLaw feature;
    std::vector<Combination> combinations;  // lines, scatters, then the feature
    FreeSpinTable free_spins;
    // Empty, or a sentence when the header's RTP and the exact one differ by more than 0.01
    // percentage points.
    std::string designed_rtp_note;
};

// Told the share of the work done (0..1), at most four times a second, and 1 at the end.
using AnalysisProgress = std::function<void(double fraction)>;

// What AnalyseGame throws when it was cancelled: an analysis cancelled at any moment before it
// returned gives no result at all, never a part of one.
class AnalysisCancelled : public std::runtime_error {
  public:
    AnalysisCancelled() : std::runtime_error("the exact analysis was cancelled") {}
};

// The game must be one the reader accepts (reels of 2 to 101 positions holding symbol codes,
// win lines on rows 0..2, rules in range); otherwise std::invalid_argument. When `cancel` is set
// (from any thread) the analysis stops within milliseconds, also on reels of 101 positions, and
// throws AnalysisCancelled.
ExactAnalysis AnalyseGame(const GameDefinition& def, const AnalysisProgress& progress = {},
                          const std::atomic<bool>* cancel = nullptr);

}  // namespace kragmoor
