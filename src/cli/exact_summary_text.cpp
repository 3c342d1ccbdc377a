// kragmoor-sim --exact as text: the figures, the range of a run's RTP, the base game's win
// distribution, the paying combinations with their odds, the odds rules, those of one free spin
// and the designed RTP.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

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
std::string OneInText(std::uint64_t cycle, std::uint64_t windows) {
    const auto one_in = ExactOneIn(cycle, windows);
    if (!one_in) return "never";
    const std::size_t point = one_in->find('.');
    return GroupedWhole(std::stoull(one_in->substr(0, point))) + one_in->substr(point);
}

// The columns from the windows of 20 lines on, of a row or a total.
void CountColumns(std::string& out, std::uint64_t windows, double hits, const TableBasis& table,
                  const std::optional<UInt128>& credits, double share) {
    text::AppendRight(out, GroupedWhole(windows), 19);
    char text[32];
    std::snprintf(text, sizeof text, "%.6e", hits);
    text::AppendRight(out, text, 16);
    text::AppendRight(out, OneInText(table.cycle, windows), 20);
    const auto exact = credits ? ExactSharePercent(*credits, table, 6) : std::nullopt;
    text::AppendRight(out, exact.value_or(FigureText(share, 6)) + "%", 13);
}

void CombinationRow(std::string& out, const std::string& label, std::size_t width,
                    const TableBasis& table, const Combination& c) {
    text::AppendLeft(out, "  " + label, width);
    text::AppendRight(out, CombinationCount(c), 6);
    text::AppendRight(out, CreditsText(c.pay), 12);
    text::AppendRight(out, GroupedWhole(c.windows_one_line), 18);
    CountColumns(out, c.windows_all_lines, c.hits_per_game, table, CycleCredits(c),
                 c.rtp_share_percent);
    if (c.odds_flags != 0) out += "  " + FlagCodes(c.odds_flags);
    out += '\n';
}

// The names of a table's rows and the width of its first column.
std::size_t LabelWidth(const GameDefinition& def, const std::vector<Combination>& rows,
                       std::vector<std::string>& labels) {
    std::size_t width = std::string("  combination").size();
    for (const Combination& c : rows) {
        labels.push_back(CombinationLabel(def, c));
        width = std::max(width, labels.back().size() + 2);
    }
    return width + 1;
}

// A table's heading row and its rows of combinations, the labels left aligned to the longest;
// the label width is returned. `unit` is what a row is counted in ("game", "spin").
std::size_t CombinationTable(std::string& out, const GameDefinition& def,
                             const std::vector<Combination>& rows, const TableBasis& table,
                             const std::string& unit, const char* last_columns,
                             std::vector<std::string>& labels) {
    const std::size_t width = LabelWidth(def, rows, labels);
    text::AppendLeft(out, "  combination", width);
    out += " count         pay   windows, 1 line  windows, 20 lines   hits per " + unit +
           "        one in " + unit + "s" + last_columns + "\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        CombinationRow(out, labels[i], width, table, rows[i]);
    return width;
}

void Combinations(std::string& out, const GameDefinition& def, const ExactAnalysis& a) {
    out += "\nPaying combinations (pays in credits of a " + std::to_string(kTotalBet) +
           "-credit game, the feature's its expected win).\nWindows of the full cycle (" +
           GroupedWhole(a.full_cycle) +
           "), on one line and over all 20 lines (the scatters\nand the feature: whole windows); "
           "one in games is the full cycle over the windows of 20 lines.\n";
    std::vector<std::string> labels;
    CombinationTable(out, def, a.combinations, BaseTableBasis(a), "game", "    RTP share  flags",
                     labels);
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

// The free spins' table: its rows, then its total, whose share is the feature's above.
void FreeSpinCombinations(std::string& out, const GameDefinition& def, const ExactAnalysis& a) {
    const FreeSpinTable& t = a.free_spins;
    out += "\nFree spins (one spin of the free-spin strips, cycle " + GroupedWhole(t.full_cycle) +
           "): pays times the free spins'\nmultiplier of " +
           std::to_string(def.Rules.FreeSpinMultiplier) +
           ", a retrigger only its spins. A paid game brings " + FigureText(t.spins_per_game, 6) +
           " free spins, so a\nshare of the RTP is hits per spin x pay x spins per game / 20 x "
           "100; the total is the\nfeature's share above, not to be added to it.\n";
    std::vector<std::string> labels;
    const TableBasis table = FreeSpinTableBasis(a);
    const std::size_t width =
        CombinationTable(out, def, t.combinations, table, "spin", "    RTP share", labels);
    const FreeSpinTotal total = FreeSpinTotals(t);
    text::AppendLeft(out, "  Total (winning windows)", width + 36);
    CountColumns(out, t.winning_windows, t.hit_frequency, table, total.credits,
                 total.share_percent);
    out += '\n';
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
    FreeSpinCombinations(out, def, a);
    out += "\n";
    out += DesignedRtpLine(a);
    return out;
}

}  // namespace kragmoor::cli
