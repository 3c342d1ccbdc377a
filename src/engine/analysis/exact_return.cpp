#include "engine/analysis/exact_return.h"

#include <cmath>
#include <limits>
#include <vector>

#include "engine/rules/feature_bound.h"
#include "engine/rules/line_codes.h"
#include "engine/rules/spin_awards.h"
#include "engine/rules/stop_window.h"

namespace kragmoor {

namespace {

// One reel as the window shows it: for a uniform stop, how often each symbol stands in each row
// and how often 0..3 scatters are visible.
struct ReelOdds {
    double symbol[kRows][kSymbols] = {};
    double scatters[kRows + 1] = {};
};

ReelOdds OddsOfReel(const ReelStrips& strip, int reel, int last) {
    ReelOdds odds;
    const double weight = 1.0 / (last + 1);
    for (int stop = 0; stop <= last; ++stop) {
        int scatters = 0;
        const auto column = WindowColumn(strip, reel, stop, last);
        for (int row = 0; row < kRows; ++row) {
            const int symbol = column[static_cast<std::size_t>(row)];
            odds.symbol[row][symbol] += weight;
            scatters += symbol == kScatter ? 1 : 0;
        }
        odds.scatters[scatters] += weight;
    }
    return odds;
}

std::array<ReelOdds, kReels> OddsOfReels(const ReelStrips& strip, const ReelLengths& last) {
    std::array<ReelOdds, kReels> reels;
    for (int r = 0; r < kReels; ++r)
        reels[static_cast<std::size_t>(r)] = OddsOfReel(strip, r, last[r]);
    return reels;
}

// P(0..5 scatters counted): the per-reel counts added up, capped at 5.
std::array<double, 6> ScatterOdds(const std::array<ReelOdds, kReels>& reels) {
    std::vector<double> total{1.0};
    for (const ReelOdds& reel : reels) {
        std::vector<double> next(total.size() + kRows, 0.0);
        for (std::size_t have = 0; have < total.size(); ++have) {
            for (int add = 0; add <= kRows; ++add)
                next[have + static_cast<std::size_t>(add)] += total[have] * reel.scatters[add];
        }
        total = std::move(next);
    }
    std::array<double, 6> capped{};
    for (std::size_t n = 0; n < total.size(); ++n)
        capped[std::min<std::size_t>(n, kMaxScatters)] += total[n];
    return capped;
}

// Expected values over one line's outcomes: what the base game books and counts, and what a free
// spin books (it books only paying lines).
struct LineExpectation {
    double base_win = 0;
    double free_spin_win = 0;
    double win_events = 0;
    double jackpots = 0;
};

struct SymbolOdds {
    std::int16_t symbol;
    double p;
};

std::vector<SymbolOdds> PresentSymbols(const ReelOdds& reel, int row) {
    std::vector<SymbolOdds> present;
    for (int s = 0; s < kSymbols; ++s) {
        if (reel.symbol[row][s] > 0)
            present.push_back({static_cast<std::int16_t>(s), reel.symbol[row][s]});
    }
    return present;
}

void AddOutcome(const CodeOutcome& o, double p, LineExpectation& e) {
    if (o.jackpot) {
        e.base_win += p * o.win;
        e.win_events += p;
        e.jackpots += p;
    } else if (o.win > 0) {
        e.base_win += p * o.win;
        e.win_events += p;
    }
    if (o.win > 0) e.free_spin_win += p * o.win;
}

// Every line of symbols is valued by the table of the game's line codes: one load each instead of
// an evaluation, for the some 10^5 lines of each of the 20.
LineExpectation ExpectLine(const GameDefinition& def, const LineCodeTable& codes,
                           const std::array<ReelOdds, kReels>& reels, int line) {
    std::array<std::vector<SymbolOdds>, kReels> present;
    for (int r = 0; r < kReels; ++r) {
        present[static_cast<std::size_t>(r)] =
            PresentSymbols(reels[static_cast<std::size_t>(r)], def.LineTable[line][r]);
    }
    LineExpectation e;
    const auto part = [](int reel, const SymbolOdds& s) {
        return LineCodeTable::Part(reel, s.symbol);
    };
    for (const auto& a : present[0]) {
        for (const auto& b : present[1]) {
            for (const auto& c : present[2]) {
                const std::uint32_t abc = part(0, a) + part(1, b) + part(2, c);
                const double pabc = a.p * b.p * c.p;
                for (const auto& d : present[3]) {
                    for (const auto& f : present[4]) {
                        const std::uint32_t key = abc + part(3, d) + part(4, f);
                        AddOutcome(codes.Outcome(codes.Code(key)), pabc * d.p * f.p, e);
                    }
                }
            }
        }
    }
    return e;
}

LineExpectation ExpectAllLines(const GameDefinition& def, const LineCodeTable& codes,
                               const std::array<ReelOdds, kReels>& reels) {
    LineExpectation sum;
    for (int line = 0; line < kLines; ++line) {
        const LineExpectation e = ExpectLine(def, codes, reels, line);
        sum.base_win += e.base_win;
        sum.free_spin_win += e.free_spin_win;
        sum.win_events += e.win_events;
        sum.jackpots += e.jackpots;
    }
    return sum;
}

double ScatterWin(const std::array<double, 6>& odds, const GameDefinition& def, int multiplier) {
    double win = 0;
    for (int n = kScatterWinFrom; n <= kMaxScatters; ++n)
        win += odds[static_cast<std::size_t>(n)] * def.PayTable[kScatter][n] * multiplier;
    return win;
}

// The chance of each group of scatter counts that bring the same spins.
std::array<double, SpinGroups::kMaxGroups> GroupOdds(const std::array<double, 6>& odds,
                                                     const SpinGroups& groups) {
    std::array<double, SpinGroups::kMaxGroups> chance{};
    for (std::size_t n = kTriggerScatters; n <= kMaxScatters; ++n) {
        const int g = groups.group_of[n];
        if (g >= 0) chance[static_cast<std::size_t>(g)] += odds[n];
    }
    return chance;
}

double Sum(const std::array<double, SpinGroups::kMaxGroups>& chance) {
    double sum = 0;
    for (const double p : chance) sum += p;
    return sum;
}

// A feature starts with A spins on average, and each spin adds spins S of the W stop combinations
// together bring, so the expected number of spins N solves N = A + (S / W) N: it is
// A W / (W - S), taken from whole numbers so that a game near the bound keeps its digits, and
// finite only while S < W.
double SpinsPerFeature(const RetriggerCount& count, double award) {
    if (!count.FeaturesEnd()) return std::numeric_limits<double>::infinity();
    return award * static_cast<double>(count.windows) /
           static_cast<double>(count.windows - count.added_spins);
}

}  // namespace

ExactReturn ComputeExactReturn(const GameDefinition& def) {
    const auto base = OddsOfReels(def.ReelStrip, def.ReelLen);
    const auto free = OddsOfReels(def.FsReelStrip, def.FsReelLen);
    const LineCodeTable codes(def.PayTable, def.Rules.WildMultiplier);
    const LineExpectation base_lines = ExpectAllLines(def, codes, base);
    const LineExpectation free_lines = ExpectAllLines(def, codes, free);

    ExactReturn x;
    x.base_scatter_odds = ScatterOdds(base);
    const auto free_scatter_odds = ScatterOdds(free);
    const SpinGroups awards = GroupBySpins(def.Rules.FreeSpins);
    const auto award_odds = GroupOdds(x.base_scatter_odds, awards);
    x.trigger_probability = Sum(award_odds);
    x.retrigger_probability = Sum(GroupOdds(free_scatter_odds, GroupBySpins(def.Rules.Retrigger)));
    const double award = MomentsGivenSpins(awards, award_odds, x.trigger_probability).mean;
    x.free_spins_per_feature = SpinsPerFeature(CountRetriggers(def), award);
    const int multiplier = def.Rules.FreeSpinMultiplier;
    x.free_spin_win = multiplier * free_lines.free_spin_win +
                      ScatterWin(free_scatter_odds, def, kTotalBet * multiplier);
    x.win_events_per_game = base_lines.win_events + x.base_scatter_odds[2] +
                            x.base_scatter_odds[3] + x.base_scatter_odds[4] +
                            x.base_scatter_odds[5];
    x.jackpot_lines_per_game = base_lines.jackpots;

    constexpr double kPercentOfBet = 100.0 / kTotalBet;
    x.base_lines_percent = base_lines.base_win * kPercentOfBet;
    x.base_scatter_percent = ScatterWin(x.base_scatter_odds, def, kTotalBet) * kPercentOfBet;
    // A feature that never comes, or wins nothing, adds nothing, even with endless spins.
    const double feature_win =
        x.trigger_probability == 0 || x.free_spin_win == 0
            ? 0.0
            : x.trigger_probability * x.free_spins_per_feature * x.free_spin_win;
    x.feature_percent = feature_win * kPercentOfBet;
    x.total_percent = x.base_lines_percent + x.base_scatter_percent + x.feature_percent;
    return x;
}

}  // namespace kragmoor
