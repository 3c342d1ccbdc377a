#include "engine/analysis/exact_analysis.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/analysis/combinations.h"
#include "engine/analysis/line_odds.h"
#include "engine/rules/game_tables.h"

namespace kragmoor {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A base game books a paying line and every line of five wilds, and the scatters from two on,
// times the total bet; it wins something with any of them or with a feature triggered.
WindowRules BaseGameRules(const GameDefinition& def, const LineAutomaton& automaton,
                          const SpinGroups& awards) {
    WindowRules rules;
    for (int code = 0; code < LineAutomaton::kCodes; ++code) {
        const AutomatonOutcome& r = automaton.Outcome(code);
        const bool booked = r.win > 0 || r.jackpot;
        rules.line_win[static_cast<std::size_t>(code)] = booked ? r.win : 0;
        rules.line_hit[static_cast<std::size_t>(code)] = booked;
    }
    for (int n = kScatterWinFrom; n <= kMaxScatters; ++n) {
        const std::int16_t pay = def.PayTable[kScatter][n];
        rules.scatter_win[static_cast<std::size_t>(n)] = pay * kTotalBet;
        rules.scatter_hit[static_cast<std::size_t>(n)] =
            pay > 0 || awards.group_of[static_cast<std::size_t>(n)] >= 0;
    }
    rules.spin_group = awards.group_of;
    return rules;
}

// A free spin books only paying lines, and everything times the free spins' multiplier; it
// wins something, as a base game does, with a paying line, five wilds, paying scatters or spins
// added.
WindowRules FreeSpinRules(const GameDefinition& def, const LineAutomaton& automaton,
                          const SpinGroups& retriggers) {
    WindowRules rules;
    for (int code = 0; code < LineAutomaton::kCodes; ++code) {
        const AutomatonOutcome& r = automaton.Outcome(code);
        rules.line_win[static_cast<std::size_t>(code)] =
            r.win > 0 ? r.win * def.Rules.FreeSpinMultiplier : 0;
        rules.line_hit[static_cast<std::size_t>(code)] = r.win > 0 || r.jackpot;
    }
    for (int n = kScatterWinFrom; n <= kMaxScatters; ++n) {
        const std::int16_t pay = def.PayTable[kScatter][n];
        rules.scatter_win[static_cast<std::size_t>(n)] =
            pay * kTotalBet * def.Rules.FreeSpinMultiplier;
        rules.scatter_hit[static_cast<std::size_t>(n)] =
            pay > 0 || retriggers.group_of[static_cast<std::size_t>(n)] >= 0;
    }
    rules.spin_group = retriggers.group_of;
    return rules;
}

// Passes the share done on to the caller at most four times a second, and stops the analysis
// once it is cancelled: the enumerations call in after every pair of columns of their first two
// reels, a few milliseconds apart even on reels of 101 positions. `from` and `share` place one
// enumeration within the whole analysis.
class Throttle {
  public:
    Throttle(const AnalysisProgress& report, const std::atomic<bool>* cancel)
        : report_(report), cancel_(cancel), last_(std::chrono::steady_clock::now()) {}
    std::function<void(double)> Part(double from, double share) {
        if (!report_ && cancel_ == nullptr) return {};
        return [this, from, share](double done) {
            StopIfCancelled();
            if (!report_) return;
            const auto now = std::chrono::steady_clock::now();
            if (now - last_ < std::chrono::milliseconds(250)) return;
            last_ = now;
            report_(from + share * done);
        };
    }
    void StopIfCancelled() const {
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            throw AnalysisCancelled();
        }
    }
    void Done() const {
        if (report_) report_(1.0);
    }

  private:
    const AnalysisProgress& report_;
    const std::atomic<bool>* cancel_;
    std::chrono::steady_clock::time_point last_;
};

double StopCombinations(const std::int16_t (&last)[kReels]) {
    double n = 1;
    for (const std::int16_t l : last) n *= l + 1;
    return n;
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

// The header states the designed return to the hundredth.
std::string DesignedRtpNote(float game_rtp, double exact_percent) {
    const double designed = std::round(static_cast<double>(game_rtp) * 100.0) / 100.0;
    if (std::isinf(exact_percent)) {
        return "The designed RTP of " + Fixed(designed, 2) +
               " % cannot be reached: the exact RTP is infinite (retriggers never die out).";
    }
    const double difference = exact_percent - designed;
    if (std::fabs(difference) <= 0.01 + 1e-9) return {};
    return "The designed RTP of " + Fixed(designed, 2) + " % differs from the exact RTP of " +
           Fixed(exact_percent, 6) + " % by " + Fixed(difference, 6) + " percentage points.";
}

// The win of one paid game is W = B + F: its base game's own win B, and when that triggers a
// feature F, whose spins depend on the window's scatters and whose win, given them, does not
// depend on the window. So E[W^2] = E[B^2] + 2 E[B F] + P(trigger) E[F^2 | a feature]. Returns
// the variance in credits squared.
double VarianceOfGame(const ExactAnalysis& a, double trigger) {
    double mean = a.base_win_mean;
    double second = a.base_win_second_moment;
    if (trigger > 0) {  // a feature that never comes adds nothing, even one without end
        mean += trigger * a.feature.win_mean;
        second += 2.0 * a.base_win_times_feature + trigger * a.feature.win_second_moment;
    }
    if (std::isinf(second)) return kInfinity;
    return std::max(0.0, second - mean * mean);
}

void SetVolatility(ExactAnalysis& a, double trigger) {
    const double sd = std::sqrt(VarianceOfGame(a, trigger)) / kTotalBet;
    a.sd_per_game = sd;
    for (std::size_t k = 0; k < kConfidenceZ.size(); ++k)
        a.volatility_index[k] = kConfidenceZ[k] * sd;
    double games = 1000;
    for (RtpRange& range : a.rtp_ranges) {
        range.games = static_cast<std::int64_t>(games);
        for (std::size_t k = 0; k < kConfidenceZ.size(); ++k) {
            const double half = 100.0 * a.volatility_index[k] / std::sqrt(games);
            const bool bounded = std::isfinite(half);  // an infinite RTP has an infinite sd
            range.low_percent[k] = bounded ? a.rtp.total_percent - half : -kInfinity;
            range.high_percent[k] = bounded ? a.rtp.total_percent + half : kInfinity;
        }
        games *= 10;
    }
}

void SetBaseGame(ExactAnalysis& a, const WindowLaw& base) {
    const double windows = static_cast<double>(base.windows);
    a.full_cycle = base.windows;
    a.winning_windows = base.hits;
    a.hit_frequency = static_cast<double>(base.hits) / windows;
    a.max_base_win = base.max_win;
    for (std::size_t b = 0; b < base.bins.size(); ++b) {
        a.base_win_distribution[b] = static_cast<double>(base.bins[b]) / windows;
    }
    a.base_win_mean = base.mean;
    a.base_win_second_moment = base.second_moment;
}

// What one free spin adds, E[R] and E[R (R - 1)], and E[S R], summed over the groups of scatter
// counts that bring the same spins.
void SetSpinLaw(FeatureLaw& f, const WindowLaw& free, const SpinGroups& retriggers) {
    f.spin_mean = free.mean;
    f.spin_second_moment = free.second_moment;
    const double windows = static_cast<double>(free.windows);
    for (std::size_t g = 0; g < static_cast<std::size_t>(retriggers.count); ++g) {
        const double r = retriggers.spins[g];
        const double p = static_cast<double>(free.group_windows[g]) / windows;
        f.spin_times_added += r * free.mean_if_group[g];
        f.added_mean += r * p;
        f.added_factorial += r * (r - 1) * p;
    }
    f.retrigger_probability = static_cast<double>(free.triggers) / windows;
}

// E[A] and E[A (A - 1)] over the features the base game triggers.
void SetAwardLaw(FeatureLaw& f, const WindowLaw& base, const SpinGroups& awards) {
    std::array<double, SpinGroups::kMaxGroups> windows{};
    for (std::size_t g = 0; g < windows.size(); ++g)
        windows[g] = static_cast<double>(base.group_windows[g]);
    const SpinMoments m = MomentsGivenSpins(awards, windows, static_cast<double>(base.triggers));
    f.award_mean = m.mean;
    f.award_factorial = m.factorial;
}

// E[F] of a feature by the scatters that triggered it: its award's spins times E[X], or
// `endless` when the spins have no finite mean.
void SetWinByScatters(FeatureLaw& f, const SpinGroups& awards, double endless) {
    const bool finite = std::isfinite(f.spins_mean);
    for (std::size_t n = kTriggerScatters; n <= kMaxScatters; ++n) {
        const int g = awards.group_of[n];
        if (g < 0) continue;
        f.win_by_scatters[n] =
            finite ? awards.spins[static_cast<std::size_t>(g)] * f.spin_value : endless;
    }
}

// X = S + the sum of R independent X, R independent of those X given the spin:
// E[X] = E[S] + E[R] E[X], and E[X^2] = E[S^2] + 2 E[S R] E[X] + E[R] E[X^2] +
// E[R (R - 1)] E[X]^2. A feature of A spins: E[F] = E[A] E[X], E[F^2] = E[A] E[X^2] +
// E[A (A - 1)] E[X]^2.
FeatureLaw FeatureOf(const WindowLaw& free, const SpinGroups& retriggers, const WindowLaw& base,
                     const SpinGroups& awards) {
    FeatureLaw f;
    SetSpinLaw(f, free, retriggers);
    SetAwardLaw(f, base, awards);
    const double kept = 1.0 - f.added_mean;
    // E[R] is a count of spins over at most 101^5 windows, so unless it is exactly 1 it is at
    // least 1 / 101^5 away from it, far more than its rounding.
    if (kept < 1e-12) {
        f.spins_mean = kInfinity;
        const bool wins = f.spin_second_moment > 0;
        f.win_mean = wins ? kInfinity : 0.0;
        f.win_second_moment = f.win_mean;
        SetWinByScatters(f, awards, f.win_mean);
        return f;
    }
    const double x = f.spin_mean / kept;
    const double x2 =
        (f.spin_second_moment + 2.0 * f.spin_times_added * x + f.added_factorial * x * x) / kept;
    f.spin_value = x;
    f.spins_mean = f.award_mean / kept;
    f.win_mean = f.award_mean * x;
    f.win_second_moment = f.award_mean * x2 + f.award_factorial * x * x;
    SetWinByScatters(f, awards, kInfinity);
    return f;
}

// E[B F] = the sum over the award groups of E[B x 1{group}] times the win of its feature.
double BaseTimesFeature(const WindowLaw& base, const SpinGroups& awards, const FeatureLaw& f) {
    double sum = 0;
    for (int g = 0; g < awards.count; ++g) {
        const auto first = std::find(awards.group_of.begin(), awards.group_of.end(), g);
        sum += base.mean_if_group[static_cast<std::size_t>(g)] *
               f.win_by_scatters[static_cast<std::size_t>(first - awards.group_of.begin())];
    }
    return sum;
}

}  // namespace

ExactAnalysis AnalyseGame(const GameDefinition& def, const AnalysisProgress& progress,
                          const std::atomic<bool>* cancel) {
    CheckPlayable(def);
    const LineAutomaton automaton(def.PayTable, def.Rules.WildMultiplier);
    Throttle throttle(progress, cancel);
    const double base_work = StopCombinations(def.ReelLen);
    const double free_work = StopCombinations(def.FsReelLen);
    const double base_share = base_work / (base_work + free_work);

    const SpinGroups awards = GroupBySpins(def.Rules.FreeSpins);
    const SpinGroups retriggers = GroupBySpins(def.Rules.Retrigger);
    const WindowLaw base =
        EnumerateWindows(def.ReelStrip, def.ReelLen, def.LineTable, automaton,
                         BaseGameRules(def, automaton, awards), throttle.Part(0.0, base_share));
    const WindowLaw free = EnumerateWindows(def.FsReelStrip, def.FsReelLen, def.LineTable,
                                            automaton, FreeSpinRules(def, automaton, retriggers),
                                            throttle.Part(base_share, 1.0 - base_share));
    ExactAnalysis a;
    a.rtp = ComputeExactReturn(def);
    SetBaseGame(a, base);
    a.feature = FeatureOf(free, retriggers, base, awards);
    a.base_win_times_feature = BaseTimesFeature(base, awards, a.feature);
    SetVolatility(a, static_cast<double>(base.triggers) / static_cast<double>(base.windows));
    a.combinations = PayingCombinations(
        def, automaton, CountLineOutcomes(def.ReelStrip, def.ReelLen, def.LineTable, automaton),
        base, awards, a.feature);
    a.free_spins = FreeSpinCombinations(
        def, automaton, CountLineOutcomes(def.FsReelStrip, def.FsReelLen, def.LineTable, automaton),
        free, retriggers, base, awards);
    a.designed_rtp_note = DesignedRtpNote(def.GameRTP, a.rtp.total_percent);
    throttle.StopIfCancelled();  // a cancel that came after the last pair of columns
    throttle.Done();
    return a;
}

}  // namespace kragmoor
