#include "cli/exact_summary.h"

#include <cmath>
#include <cstdio>

#include "cli/json_text.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

// A figure with enough digits to compare with a long run; "infinite" where retriggers never die
// out.
std::string Figure(double value, int decimals) {
    if (std::isinf(value)) return "infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string OneIn(double p) {
    return p > 0 ? "1 in " + Figure(1.0 / p, 2) : "never";
}

void Row(std::string& out, const char* label, const std::string& value) {
    text::AppendLeft(out, label, 28);
    out += value;
    out += '\n';
}

}  // namespace

std::string ExactSummaryText(const GameDefinition& def, const ExactReturn& x) {
    std::string out = "Exact return of " + def.GameVersion + " (designed RTP " +
                      text::SingleText(def.GameRTP) + "%), uniform random stops:\n";
    Row(out, "RTP", Figure(x.total_percent, 6) + "%");
    Row(out, "  base-game lines", Figure(x.base_lines_percent, 6) + "%");
    Row(out, "  base-game scatters", Figure(x.base_scatter_percent, 6) + "%");
    Row(out, "  free-spin features", Figure(x.feature_percent, 6) + "%");
    Row(out, "Features", OneIn(x.trigger_probability) + " games");
    Row(out, "Free spins per feature",
        Figure(x.free_spins_per_feature, 4) + " (retrigger " + OneIn(x.retrigger_probability) +
            " spins)");
    Row(out, "Win of a free spin", Figure(x.free_spin_win, 4) + " credits");
    Row(out, "Line bets per win event",
        x.win_events_per_game > 0 ? Figure(20.0 / x.win_events_per_game, 4) : "no wins");
    Row(out, "Jackpots", OneIn(x.jackpot_lines_per_game) + " games");
    return out;
}

std::string ExactSummaryJson(const GameDefinition& def, const ExactReturn& x) {
    std::string version;
    AppendJsonString(version, def.GameVersion);
    JsonObject json;
    json.Add("version", version);
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
    return json.Text();
}

}  // namespace kragmoor::cli
