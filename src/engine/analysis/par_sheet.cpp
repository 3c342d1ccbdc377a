#include "engine/analysis/par_sheet.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "engine/analysis/par_sheet_text.h"

namespace kragmoor {

namespace {

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

void AppendRow(std::string& out, std::string_view label, std::string_view count, double pay,
               double hits, double share, std::string_view flags) {
    AppendField(out, label);
    out += ',';
    out += count;
    out += ',';
    if (!std::isnan(pay)) AppendNumber(out, pay);
    out += ',';
    AppendNumber(out, hits);
    out += ',';
    AppendNumber(out, hits > 0 ? 1.0 / hits : std::numeric_limits<double>::infinity());
    out += ',';
    AppendNumber(out, share);
    out += ',';
    AppendField(out, flags);
    out += "\r\n";
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
    std::string out = "symbol,count,pay,hits_per_game,one_in_games,rtp_share_percent,odds_flag\r\n";
    double line_hits = 0, line_share = 0, scatter_hits = 0, scatter_share = 0;
    for (const Combination& c : analysis.combinations) {
        AppendRow(out, CombinationLabel(def, c), CombinationCount(c), c.pay, c.hits_per_game,
                  c.rtp_share_percent, OddsFlagText(c.odds_flags));
        if (c.kind == CombinationKind::kScatters) {
            scatter_hits += c.hits_per_game;
            scatter_share += c.rtp_share_percent;
        } else if (c.kind != CombinationKind::kFeature) {
            line_hits += c.hits_per_game;
            line_share += c.rtp_share_percent;
        }
    }
    const double none = std::nan("");
    AppendRow(out, "Total lines", "", none, line_hits, line_share, "");
    AppendRow(out, "Total scatters", "", none, scatter_hits, scatter_share, "");
    AppendRow(out, "Total", "", none, analysis.hit_frequency, analysis.rtp.total_percent, "");
    return out;
}

}  // namespace kragmoor
