// kragmoor-sim --exact --json: the exact analysis as one JSON object, its nested values (the
// win distribution, the ranges, the combinations) written compactly, one element a line.
#include <cmath>
#include <optional>
#include <vector>

#include "cli/exact_summary.h"
#include "cli/json_text.h"
#include "engine/analysis/par_sheet.h"
#include "engine/analysis/par_sheet_text.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

std::string String(std::string_view s) {
    std::string json;
    AppendJsonString(json, s);
    return json;
}

// Elements one a line, indented within the object.
std::string List(const std::vector<std::string>& elements) {
    if (elements.empty()) return "[]";
    std::string json = "[";
    for (std::size_t i = 0; i < elements.size(); ++i) {
        json += (i > 0 ? ",\n    " : "\n    ") + elements[i];
    }
    return json + "\n  ]";
}

std::string Triple(const std::array<double, 3>& values) {
    return "[" + JsonNumber(values[0]) + ", " + JsonNumber(values[1]) + ", " +
           JsonNumber(values[2]) + "]";
}

// The feature of "count or more" scatters is "feature"; a feature row of one count, where the
// counts award different spins, "feature_by_scatters"; the retrigger likewise.
const char* KindName(const Combination& c) {
    switch (c.kind) {
        case CombinationKind::kLine:
            return "line";
        case CombinationKind::kLineWithWild:
            return "line_with_wild";
        case CombinationKind::kJackpot:
            return "jackpot";
        case CombinationKind::kScatters:
            return "scatters";
        case CombinationKind::kRetrigger:
            return c.or_more ? "retrigger" : "retrigger_by_scatters";
        case CombinationKind::kFeature:
            break;
    }
    return c.or_more ? "feature" : "feature_by_scatters";
}

std::string Distribution(const ExactAnalysis& a) {
    std::string json = "{";
    for (std::size_t b = 0; b < a.base_win_distribution.size(); ++b) {
        json += (b > 0 ? ", " : "") + String(WinBinLabel(b)) + ": " +
                JsonNumber(a.base_win_distribution[b]);
    }
    return json + "}";
}

std::string Ranges(const ExactAnalysis& a) {
    std::vector<std::string> rows;
    for (const RtpRange& r : a.rtp_ranges) {
        rows.push_back("{\"games\": " + text::Decimal(r.games) +
                       ", \"low_percent\": " + Triple(r.low_percent) +
                       ", \"high_percent\": " + Triple(r.high_percent) + "}");
    }
    return List(rows);
}

// An exact decimal as a JSON string, so that no reader turns it into a binary fraction; null
// when there is none.
std::string ExactText(const std::optional<std::string>& decimal) {
    return decimal ? String(*decimal) : "null";
}

// The share of a combination of whole pay from its counts, to ten decimals.
std::optional<std::string> ExactShare(const TableBasis& table, const Combination& c) {
    const auto credits = CycleCredits(c);
    if (!credits) return std::nullopt;
    return ExactSharePercent(*credits, table, 10);
}

std::string Combinations(const GameDefinition& def, const std::vector<Combination>& combinations,
                         const TableBasis& table) {
    std::vector<std::string> rows;
    for (const Combination& c : combinations) {
        rows.push_back(
            "{\"symbol\": " + String(CombinationLabel(def, c)) + ", \"kind\": \"" + KindName(c) +
            "\", \"count\": " + text::Decimal(c.count) + ", \"pay\": " + JsonNumber(c.pay) +
            ", \"hits_per_game\": " + JsonNumber(c.hits_per_game) +
            ", \"one_in_games\": " + JsonNumber(c.one_in_games) +
            ", \"rtp_share_percent\": " + JsonNumber(c.rtp_share_percent) +
            ", \"odds_flag\": " + String(OddsFlagText(c.odds_flags)) +
            ", \"windows_one_line\": " + WholeDecimal(c.windows_one_line) +
            ", \"windows_all_lines\": " + WholeDecimal(c.windows_all_lines) +
            ", \"one_in_games_exact\": " + ExactText(ExactOneIn(table.cycle, c.windows_all_lines)) +
            ", \"rtp_share_percent_exact\": " + ExactText(ExactShare(table, c)) + "}");
    }
    return List(rows);
}

// One free spin's combinations, their fields those of the base game's with a free spin for a
// game, and their total: the free spins' share of the RTP, which is the feature's.
std::string FreeSpins(const GameDefinition& def, const ExactAnalysis& a) {
    const FreeSpinTable& t = a.free_spins;
    const TableBasis table = FreeSpinTableBasis(a);
    const FreeSpinTotal total = FreeSpinTotals(t);
    return "{\"full_cycle\": " + WholeDecimal(t.full_cycle) +
           ", \"spins_per_game\": " + JsonNumber(t.spins_per_game) +
           ", \"hit_frequency\": " + JsonNumber(t.hit_frequency) +
           ", \"winning_windows\": " + WholeDecimal(t.winning_windows) +
           ", \"rtp_share_percent\": " + JsonNumber(total.share_percent) +
           ", \"rtp_share_percent_exact\": " +
           ExactText(ExactSharePercent(total.credits, table, 10)) +
           ",\n  \"combinations\": " + Combinations(def, t.combinations, table) + "}";
}

// The combinations that break an odds rule, each with the rules it breaks.
std::string OddsFlags(const GameDefinition& def, const ExactAnalysis& a) {
    std::vector<std::string> rows;
    for (const Combination& c : a.combinations) {
        if (c.odds_flags == 0) continue;
        rows.push_back("{\"symbol\": " + String(CombinationLabel(def, c)) +
                       ", \"count\": " + text::Decimal(c.count) +
                       ", \"one_in_games\": " + JsonNumber(c.one_in_games) +
                       ", \"odds_flag\": " + String(OddsFlagText(c.odds_flags)) + "}");
    }
    return List(rows);
}

}  // namespace

std::string ExactSummaryJson(const GameDefinition& def, const ExactAnalysis& a) {
    const ExactReturn& x = a.rtp;
    JsonObject json;
    json.Add("version", String(def.GameVersion));
    json.Add("designed_rtp_percent", text::SingleText(def.GameRTP));
    json.Add("rtp_percent", JsonNumber(x.total_percent));
    json.Add("base_lines_percent", JsonNumber(x.base_lines_percent));
    json.Add("base_scatter_percent", JsonNumber(x.base_scatter_percent));
    json.Add("feature_percent", JsonNumber(x.feature_percent));
    json.Add("trigger_probability", JsonNumber(x.trigger_probability));
    json.Add("retrigger_probability", JsonNumber(x.retrigger_probability));
    json.Add("free_spins_per_feature", JsonNumber(x.free_spins_per_feature));
    json.Add("free_spin_win", JsonNumber(x.free_spin_win));
    json.Add("win_events_per_game", JsonNumber(x.win_events_per_game));
    json.Add("jackpot_lines_per_game", JsonNumber(x.jackpot_lines_per_game));
    json.Add("hit_frequency", JsonNumber(a.hit_frequency));
    json.Add("sd_per_game", JsonNumber(a.sd_per_game));
    json.Add("vi90", JsonNumber(a.volatility_index[0]));
    json.Add("vi95", JsonNumber(a.volatility_index[1]));
    json.Add("vi99", JsonNumber(a.volatility_index[2]));
    json.Add("feature_win", JsonNumber(a.feature.win_mean));
    json.Add("feature_win_sd", JsonNumber(FeatureWinSd(a.feature)));
    json.Add("max_base_win", text::Decimal(a.max_base_win));
    json.Add("full_cycle", WholeDecimal(a.full_cycle));
    json.Add("base_win_distribution", Distribution(a));
    json.Add("rtp_ranges", Ranges(a));
    json.Add("combinations", Combinations(def, a.combinations, BaseTableBasis(a)));
    json.Add("odds_flags", OddsFlags(def, a));
    json.Add("free_spins", FreeSpins(def, a));
    json.Add("designed_rtp_note",
             a.designed_rtp_note.empty() ? "null" : String(a.designed_rtp_note));
    return json.Text();
}

}  // namespace kragmoor::cli
