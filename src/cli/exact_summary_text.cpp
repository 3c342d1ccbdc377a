// kragmoor-sim --exact as text: the figures, the range of a run's RTP, the base game's win
// distribution, the paying combinations with their odds, the odds rules and the designed RTP.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/exact_summary.h"
#include "engine/analysis/par_sheet.h"
#include "engine/analysis/par_sheet_text.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

// "A" an award rarer than the award limit, "P" a base-game pattern rarer than its limit.
std::string FlagCodes(unsigned flags) {
    std::string codes;
    if (flags & kRarerThanAwardLimit) codes += "A";
    if (flags & kRarerThanBasePatternLimit) codes += codes.empty() ? "P" : " P";
    return codes;
}

// "1 in" games: the exact decimal of the counts, its thousands apart.
std::string OneInText(const ExactAnalysis& a, const Combination& c) {
    const auto one_in = ExactOneIn(a.full_cycle, c.windows_all_lines);
    if (!one_in) return "never";
    const std::size_t point = one_in->find('.');
    return GroupedWhole(std::stoull(one_in->substr(0, point))) + one_in->substr(point);
}

void CombinationRow(std::string& out, const std::string& label, std::size_t width,
                    const ExactAnalysis& a, const Combination& c) {
    text::AppendLeft(out, "  " + label, width);
    text::AppendRight(out, CombinationCount(c), 6);
    text::AppendRight(out, CreditsText(c.pay), 12);
    text::AppendRight(out, GroupedWhole(c.windows_one_line), 18);
    text::AppendRight(out, GroupedWhole(c.windows_all_lines), 19);
    char hits[32];
    std::snprintf(hits, sizeof hits, "%.6e", c.hits_per_game);
    text::AppendRight(out, hits, 16);
    text::AppendRight(out, OneInText(a, c), 20);
    const auto credits = CycleCredits(c);
    text::AppendRight(out,
                      (credits ? ExactSharePercent(*credits, a.full_cycle, 6)
                               : FigureText(c.rtp_share_percent, 6)) +
                          "%",
                      13);
    if (c.odds_flags != 0) out += "  " + FlagCodes(c.odds_flags);
    out += '\n';
}

void Combinations(std::string& out, const GameDefinition& def, const ExactAnalysis& a) {
    out += "\nPaying combinations (pays in credits of a " + std::to_string(kTotalBet) +
           "-credit game, the feature's its expected win).\nWindows of the full cycle (" +
           GroupedWhole(a.full_cycle) +
           "), on one line and over all 20 lines (the scatters\nand the feature: whole windows); "
           "one in games is the full cycle over the windows of 20 lines.\n";
    std::vector<std::string> labels;
    std::size_t width = std::string("  combination").size();
    for (const Combination& c : a.combinations) {
        labels.push_back(CombinationLabel(def, c));
        width = std::max(width, labels.back().size() + 2);
    }
    width += 1;
    text::AppendLeft(out, "  combination", width);
    out +=
        " count         pay   windows, 1 line  windows, 20 lines   hits per game        one in "
        "games    RTP share  flags\n";
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        CombinationRow(out, labels[i], width, a, a.combinations[i]);
    }
    out +=
        "Flags: A an award rarer than 1 in 100 000 000 games (GLI-11 4.8.2), P a base-game\n"
        "winning pattern rarer than 1 in 7 000 000 games (the Australian/New Zealand "
        "standard).\n";
    out += "\nOdds rules:";
    bool any = false;
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        const Combination& c = a.combinations[i];
        if (c.odds_flags == 0) continue;
        out += "\n  " + labels[i] + " " + CombinationCount(c) + ": " + OddsFlagText(c.odds_flags);
        any = true;
    }
    out += any ? "\n" : " every combination comes often enough.\n";
}

}  // namespace

std::string WinBinLabel(std::size_t bin) {
    if (bin < kWinBinTops.size()) return "<=" + std::to_string(kWinBinTops[bin]);
    return ">" + std::to_string(kWinBinTops.back());
}

std::string ExactSummaryText(const GameDefinition& def, const ExactAnalysis& a) {
    std::string out = ParSheetTitle(def, "Exact return");
    out += ParSheetFigures(a, FigureLayout{28, true});
    Combinations(out, def, a);
    out += "\n";
    out += DesignedRtpLine(a);
    return out;
}

}  // namespace kragmoor::cli
