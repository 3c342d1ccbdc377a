#include "engine/analysis/combinations.h"

#include <limits>

namespace kragmoor {

namespace {

// Results a line can end with: a run of 1..5 of an ordinary symbol (doubled from 2 on), 1..5
// wilds, and a line that starts with a scatter (run 0).
bool CanHappen(const AutomatonOutcome& r) {
    if (r.symbol < kWild) return r.count >= 1 && (!r.doubled || r.count >= 2);
    if (r.symbol == kWild) return r.count >= 1 && !r.doubled;
    return r.count == 0 && !r.doubled;
}

unsigned OddsFlags(double one_in_games, bool base_game_pattern) {
    unsigned flags = 0;
    if (one_in_games > kAwardOddsLimit) flags |= kRarerThanAwardLimit;
    if (base_game_pattern && one_in_games > kBasePatternOddsLimit) {
        flags |= kRarerThanBasePatternLimit;
    }
    return flags;
}

// What sets the tables apart: the base game's pays stand as they are, its hits are a paid game's
// and its odds are checked; a free spin's pays are times its multiplier, and a paid game plays
// `spins_per_game` of them.
struct TableRules {
    std::int64_t pay_multiplier = 1;
    double spins_per_game = 1;
    bool odds_rules = true;
};

// `all_lines` of the `windows` of the cycle: (window, line) pairs for a line result, windows
// for the scatters, the feature and the retrigger, which `one_line` equals.
Combination Row(CombinationKind kind, int symbol, int count, double pay, std::uint64_t all_lines,
                std::uint64_t one_line, std::uint64_t windows, const TableRules& table) {
    Combination c;
    c.kind = kind;
    c.symbol = symbol;
    c.count = count;
    c.pay = pay;
    c.windows_one_line = one_line;
    c.windows_all_lines = all_lines;
    const double hits = static_cast<double>(all_lines) / static_cast<double>(windows);
    c.hits_per_game = hits;
    c.one_in_games = hits > 0 ? 1.0 / hits : std::numeric_limits<double>::infinity();
    // A combination that never comes, or pays nothing, adds nothing, even to endless spins.
    const bool adds = hits > 0 && pay != 0 && table.spins_per_game > 0;
    c.rtp_share_percent = adds ? hits * pay * table.spins_per_game * (100.0 / kTotalBet) : 0.0;
    if (table.odds_rules) {
        c.odds_flags = OddsFlags(c.one_in_games, kind != CombinationKind::kFeature);
    }
    return c;
}

// The rows of the line results and of the scatters that pay.
void LineAndScatterRows(std::vector<Combination>& rows, const GameDefinition& def,
                        const LineAutomaton& automaton,
                        const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes,
                        const WindowLaw& law, const TableRules& table) {
    const std::uint64_t windows = law.windows;
    // Lines: every paytable pay of a run that can happen is listed, also when these strips never
    // show it (the odds rules flag it); a doubled run only when it comes.
    for (int code = 0; code < LineAutomaton::kCodes; ++code) {
        const AutomatonOutcome& r = automaton.Outcome(code);
        const std::uint64_t n = line_outcomes[static_cast<std::size_t>(code)];
        if (!CanHappen(r) || !(r.jackpot || r.win > 0) || (r.doubled && n == 0)) continue;
        const CombinationKind kind = r.jackpot   ? CombinationKind::kJackpot
                                     : r.doubled ? CombinationKind::kLineWithWild
                                                 : CombinationKind::kLine;
        // Every row of a reel's window is the same strip turned by one stop, so each row shows a
        // symbol on as many stops, and every line, whatever rows it crosses, shows a result in as
        // many windows: a twentieth of the pairs each.
        const double pay = static_cast<double>(r.win * table.pay_multiplier);
        rows.push_back(Row(kind, r.symbol, r.count, pay, n, n / kLines, windows, table));
    }
    for (int n = 2; n <= 5; ++n) {
        const std::int16_t pay = def.PayTable[kScatter][n];
        if (pay == 0) continue;
        const std::uint64_t shown = law.scatters[static_cast<std::size_t>(n)];
        const double credits = static_cast<double>(pay * kTotalBet * table.pay_multiplier);
        rows.push_back(
            Row(CombinationKind::kScatters, kScatter, n, credits, shown, shown, windows, table));
    }
}

// The spins the scatters bring: one row "3 or more" when every count that brings spins is in
// one group from 3 on, otherwise a row per count. `pay(n, or_more)`: the row's pay.
template <typename Pay>
void SpinRows(std::vector<Combination>& rows, CombinationKind kind, const WindowLaw& law,
              const SpinGroups& groups, const TableRules& table, Pay pay) {
    const bool one_group = groups.count == 1 && groups.group_of[3] == 0 &&
                           groups.group_of[4] == 0 && groups.group_of[5] == 0;
    if (one_group) {
        Combination c = Row(kind, kScatter, kTriggerScatters, pay(kTriggerScatters, true),
                            law.triggers, law.triggers, law.windows, table);
        c.or_more = true;
        rows.push_back(c);
        return;
    }
    for (std::size_t n = kTriggerScatters; n <= kMaxScatters; ++n) {
        if (groups.group_of[n] < 0) continue;
        rows.push_back(Row(kind, kScatter, static_cast<int>(n), pay(n, false), law.scatters[n],
                           law.scatters[n], law.windows, table));
    }
}

// The spins `law`'s cycle brings: each group's windows times its spins.
std::uint64_t SpinsOfCycle(const WindowLaw& law, const SpinGroups& groups) {
    std::uint64_t spins = 0;
    for (std::size_t g = 0; g < static_cast<std::size_t>(groups.count); ++g) {
        spins += law.group_windows[g] * static_cast<std::uint64_t>(groups.spins[g]);
    }
    return spins;
}

// awarded / base cycle x cycle / (cycle - added), from whole numbers; none without an award,
// endless when a spin adds one spin or more on average.
double SpinsPerGame(const FreeSpinTable& t, std::uint64_t base_cycle) {
    if (t.awarded_spins == 0) return 0.0;
    if (t.added_spins >= t.full_cycle) return std::numeric_limits<double>::infinity();
    const long double per_feature_spin = static_cast<long double>(t.full_cycle) /
                                         static_cast<long double>(t.full_cycle - t.added_spins);
    return static_cast<double>(static_cast<long double>(t.awarded_spins) /
                               static_cast<long double>(base_cycle) * per_feature_spin);
}

}  // namespace

std::vector<Combination> PayingCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& base,
    const SpinGroups& awards, const FeatureLaw& feature) {
    const TableRules table;
    std::vector<Combination> rows;
    LineAndScatterRows(rows, def, automaton, line_outcomes, base, table);
    SpinRows(rows, CombinationKind::kFeature, base, awards, table,
             [&](std::size_t n, bool or_more) {
                 return or_more ? feature.win_mean : feature.win_by_scatters[n];
             });
    return rows;
}

FreeSpinTable FreeSpinCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& free,
    const SpinGroups& retriggers, const WindowLaw& base, const SpinGroups& awards) {
    FreeSpinTable t;
    t.full_cycle = free.windows;
    t.winning_windows = free.hits;
    t.hit_frequency = static_cast<double>(free.hits) / static_cast<double>(free.windows);
    t.awarded_spins = SpinsOfCycle(base, awards);
    t.added_spins = SpinsOfCycle(free, retriggers);
    t.spins_per_game = SpinsPerGame(t, base.windows);
    const TableRules table{def.Rules.FreeSpinMultiplier, t.spins_per_game, false};
    LineAndScatterRows(t.combinations, def, automaton, line_outcomes, free, table);
    // A retrigger pays in spins only: their wins are the rows above, spin by spin.
    SpinRows(t.combinations, CombinationKind::kRetrigger, free, retriggers, table,
             [](std::size_t, bool) { return 0.0; });
    return t;
}

}  // namespace kragmoor
