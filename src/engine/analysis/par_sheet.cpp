#include "engine/analysis/par_sheet.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "engine/analysis/par_sheet_text.h"

namespace kragmoor {

namespace {

// An exact share of the RTP in percent to 10^-10: a ten-thousandth of a millionth of a percent.
constexpr int kShareDecimals = 10;

// RFC 4180: a field holding a comma, a quote or a line end is quoted, its quotes doubled;
// blanks at either end are quoted too, so that no spreadsheet trims them. A text that a
// spreadsheet would take for a formula (a symbol named "=1+1" or "@SUM") is led by an
// apostrophe, so that it stays text; numbers are never written through here.
void AppendField(std::string& out, std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        if (formula) out += '\'';
        out += text;
        return;
    }
    out += '"';
    if (formula) out += '\'';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// The shortest decimal that reads back as the same double; "inf" for an infinity.
void AppendNumber(std::string& out, double value) {
    if (std::isinf(value)) {
        out += value > 0 ? "inf" : "-inf";
        return;
    }
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

// A row's figures beside its label, count, pay and flags: `share` is the exact text when there is
// one, otherwise the double; `one_line` is empty for the totals.
struct RowFigures {
    double hits = 0;
    std::uint64_t windows = 0;  // of all 20 lines
    std::string one_line;
    std::optional<std::string> exact_share;
    double share = 0;
};

void AppendRow(std::string& out, std::string_view label, std::string_view count, double pay,
               const RowFigures& f, std::string_view flags, std::uint64_t full_cycle) {
    AppendField(out, label);
    out += ',';
    out += count;
    out += ',';
    if (!std::isnan(pay)) AppendNumber(out, pay);
    out += ',';
    AppendNumber(out, f.hits);
    out += ',';
    out += ExactOneIn(full_cycle, f.windows).value_or("inf");
    out += ',';
    if (f.exact_share) {
        out += *f.exact_share;
    } else {
        AppendNumber(out, f.share);
    }
    out += ',';
    AppendField(out, flags);
    out +=
        ',' + f.one_line + ',' + WholeDecimal(f.windows) + ',' + WholeDecimal(full_cycle) + "\r\n";
}

// The counts and sums of one group of rows (the lines, the scatters, a free spin's all).
struct RowTotal {
    double hits = 0;
    std::uint64_t windows = 0;
    UInt128 credits = 0;
    double share = 0;

    void Add(const Combination& c) {
        hits += c.hits_per_game;
        windows += c.windows_all_lines;
        credits += CycleCredits(c).value_or(0);
        share += c.rtp_share_percent;
    }
    RowFigures Figures(const TableBasis& table) const {
        return {hits, windows, "", ExactSharePercent(credits, table, kShareDecimals), share};
    }
};

// The rows of one table of combinations, then the totals of its lines and its scatters. Returns
// the sums of every row.
RowTotal AppendCombinations(std::string& out, const GameDefinition& def,
                            const std::vector<Combination>& rows, const TableBasis& table) {
    RowTotal lines, scatters, all;
    for (const Combination& c : rows) {
        const auto credits = CycleCredits(c);
        const RowFigures figures{
            c.hits_per_game, c.windows_all_lines, WholeDecimal(c.windows_one_line),
            credits ? ExactSharePercent(*credits, table, kShareDecimals) : std::nullopt,
            c.rtp_share_percent};
        AppendRow(out, CombinationLabel(def, c), CombinationCount(c), c.pay, figures,
                  OddsFlagText(c.odds_flags), table.cycle);
        if (c.kind == CombinationKind::kScatters) {
            scatters.Add(c);
        } else if (c.kind != CombinationKind::kFeature && c.kind != CombinationKind::kRetrigger) {
            lines.Add(c);
        }
        all.Add(c);
    }
    const double none = std::nan("");
    AppendRow(out, "Total lines", "", none, lines.Figures(table), "", table.cycle);
    AppendRow(out, "Total scatters", "", none, scatters.Figures(table), "", table.cycle);
    return all;
}

}  // namespace

std::string CombinationLabel(const GameDefinition& def, const Combination& c) {
    const std::string& name = def.SymbolName[c.symbol];
    switch (c.kind) {
        case CombinationKind::kLine:
            return c.symbol == kScatter ? name + " on a line" : name;
        case CombinationKind::kLineWithWild:
            return name + " with " + def.SymbolName[kWild];
        case CombinationKind::kJackpot:
            return name + " jackpot";
        case CombinationKind::kScatters:
            return name;
        case CombinationKind::kRetrigger:
            return "Retrigger (" + std::to_string(def.Rules.Retrigger[c.count]) + " spins)";
        case CombinationKind::kFeature:
            break;
    }
    return "Free spins feature";
}

std::string OddsFlagText(unsigned odds_flags) {
    std::string text;
    if (odds_flags & kRarerThanAwardLimit) text = "award rarer than 1 in 100000000 (GLI-11)";
    if (odds_flags & kRarerThanBasePatternLimit) {
        if (!text.empty()) text += "; ";
        text += "base-game pattern rarer than 1 in 7000000 (AU/NZ)";
    }
    return text;
}

std::string ParSheetCsv(const GameDefinition& def, const ExactAnalysis& analysis) {
    std::string out =
        "symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,odds_flag,"
        "windows_one_line,windows_all_lines,full_cycle\r\n";
    AppendCombinations(out, def, analysis.combinations, BaseTableBasis(analysis));
    const double none = std::nan("");
    const std::uint64_t cycle = analysis.full_cycle;
    const RowFigures total{analysis.hit_frequency, analysis.winning_windows, "", std::nullopt,
                           analysis.rtp.total_percent};
    AppendRow(out, "Total", "", none, total, "", cycle);

    const FreeSpinTable& free = analysis.free_spins;
    const TableBasis free_basis = FreeSpinTableBasis(analysis);
    out +=
        "\r\nsymbol,count,pay,hits_per_free_spin,one_in_free_spins,rtp_share_percent,odds_flag,"
        "windows_one_line,windows_all_lines,free_spins_cycle\r\n";
    RowFigures spins_total =
        AppendCombinations(out, def, free.combinations, free_basis).Figures(free_basis);
    spins_total.hits = free.hit_frequency;
    spins_total.windows = free.winning_windows;
    AppendRow(out, "Total", "", none, spins_total, "", free_basis.cycle);
    return out;
}

}  // namespace kragmoor
