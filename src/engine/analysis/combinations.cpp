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

// `all_lines` of the `windows` of the full cycle: (window, line) pairs for a line result, windows
// for the scatters and the feature, which `one_line` equals.
Combination Row(CombinationKind kind, int symbol, int count, double pay, std::uint64_t all_lines,
                std::uint64_t one_line, std::uint64_t windows) {
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
    // A combination that never comes adds nothing, whatever its pay.
    c.rtp_share_percent = hits > 0 ? hits * pay * (100.0 / kTotalBet) : 0.0;
    c.odds_flags = OddsFlags(c.one_in_games, kind != CombinationKind::kFeature);
    return c;
}

}  // namespace

std::vector<Combination> PayingCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& base,
    const SpinGroups& awards, const FeatureLaw& feature) {
    const std::uint64_t windows = base.windows;
    std::vector<Combination> rows;
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
        rows.push_back(Row(kind, r.symbol, r.count, r.win, n, n / kLines, windows));
    }
    for (int n = 2; n <= 5; ++n) {
        const std::int16_t pay = def.PayTable[kScatter][n];
        if (pay == 0) continue;
        const std::uint64_t shown = base.scatters[static_cast<std::size_t>(n)];
        rows.push_back(
            Row(CombinationKind::kScatters, kScatter, n, pay * kTotalBet, shown, shown, windows));
    }
    const bool one_award = awards.count == 1 && awards.group_of[3] == 0 &&
                           awards.group_of[4] == 0 && awards.group_of[5] == 0;
    if (one_award) {
        Combination c = Row(CombinationKind::kFeature, kScatter, kTriggerScatters, feature.win_mean,
                            base.triggers, base.triggers, windows);
        c.or_more = true;
        rows.push_back(c);
        return rows;
    }
    for (std::size_t n = kTriggerScatters; n <= kMaxScatters; ++n) {
        if (awards.group_of[n] < 0) continue;
        rows.push_back(Row(CombinationKind::kFeature, kScatter, static_cast<int>(n),
                           feature.win_by_scatters[n], base.scatters[n], base.scatters[n],
                           windows));
    }
    return rows;
}

}  // namespace kragmoor
