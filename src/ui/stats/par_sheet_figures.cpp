#include "ui/stats/par_sheet_figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/text_format.h"

namespace kragmoor {
namespace {

std::string OneIn(double p) {
    return p > 0 ? "1 in " + FigureText(1.0 / p, 2) : "never";
}

void Row(std::string& out, const char* label, const std::string& value) {
    text::AppendLeft(out, label, 26);
    out += value;
    out += '\n';
}

double FeatureWinSd(const FeatureLaw& f) {
    if (std::isinf(f.win_second_moment)) return f.win_second_moment;
    return std::sqrt(std::max(0.0, f.win_second_moment - f.win_mean * f.win_mean));
}

void Returns(std::string& out, const ExactAnalysis& a) {
    const ExactReturn& x = a.rtp;
    Row(out, "RTP", FigureText(x.total_percent, 6) + "%");
    Row(out, "  base-game lines", FigureText(x.base_lines_percent, 6) + "%");
    Row(out, "  base-game scatters", FigureText(x.base_scatter_percent, 6) + "%");
    Row(out, "  free-spin features", FigureText(x.feature_percent, 6) + "%");
    Row(out, "Hit frequency",
        FigureText(100.0 * a.hit_frequency, 6) + "% (" + OneIn(a.hit_frequency) + " games)");
    Row(out, "Features", OneIn(x.trigger_probability) + " games");
    Row(out, "Free spins per feature",
        FigureText(x.free_spins_per_feature, 4) + " (retrigger " + OneIn(x.retrigger_probability) +
            " spins)");
    Row(out, "Win of a feature",
        FigureText(a.feature.win_mean, 4) + " credits (standard deviation " +
            FigureText(FeatureWinSd(a.feature), 4) + ")");
    Row(out, "Jackpots", OneIn(x.jackpot_lines_per_game) + " games");
}

void Spread(std::string& out, const ExactAnalysis& a) {
    Row(out, "Standard deviation",
        FigureText(a.sd_per_game, 6) + " bets a game (its feature included)");
    std::string vi;
    for (std::size_t k = 0; k < kConfidenceZ.size(); ++k) {
        vi += (k > 0 ? ", " : "") + FigureText(a.volatility_index[k], 4) + " (" +
              std::to_string(kConfidencePercent[k]) + " %)";
    }
    Row(out, "Volatility index", vi);
    Row(out, "Largest base-game win",
        text::Decimal(a.max_base_win) + " credits (" +
            FigureText(static_cast<double>(a.max_base_win) / kBet, 2) + " bets)");
}

void Ranges(std::string& out, const ExactAnalysis& a) {
    out += "\nThe RTP of a run of N games lies within exact RTP +/- VI / sqrt(N), in percent:\n";
    text::AppendRight(out, "games", 15);
    for (const int level : kConfidencePercent) {
        text::AppendRight(out, std::to_string(level) + " %", 24);
    }
    out += '\n';
    for (const RtpRange& range : a.rtp_ranges) {
        text::AppendRight(out, text::Trimmed(text::Mask(range.games, "# ### ### ##0")), 15);
        for (std::size_t k = 0; k < kConfidenceZ.size(); ++k) {
            text::AppendRight(
                out,
                FigureText(range.low_percent[k], 3) + " to " + FigureText(range.high_percent[k], 3),
                24);
        }
        out += '\n';
    }
}

void Distribution(std::string& out, const ExactAnalysis& a) {
    out += "\nThe base game's own win (lines and scatters, without its feature):\n";
    text::AppendLeft(out, "  win in bets", 16);
    out += "  share of games\n";
    for (std::size_t b = 0; b < a.base_win_distribution.size(); ++b) {
        // Bin b holds the wins above the previous top up to its own; the last, those above all.
        const std::string label = b == 0 ? "0 or less"
                                  : b < kWinBinTops.size()
                                      ? "over " + std::to_string(kWinBinTops[b - 1]) + " to " +
                                            std::to_string(kWinBinTops[b])
                                      : "over " + std::to_string(kWinBinTops.back());
        text::AppendLeft(out, "  " + label, 16);
        text::AppendRight(out, FigureText(100.0 * a.base_win_distribution[b], 6) + "%", 16);
        out += '\n';
    }
}

}  // namespace

std::string FigureText(double value, int decimals) {
    if (std::isinf(value)) return value > 0 ? "infinite" : "-infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string ParSheetFigures(const GameDefinition& def, const ExactAnalysis& a) {
    std::string out = "Exact analysis of " + def.GameVersion + " (designed RTP " +
                      text::SingleText(def.GameRTP) + "%), uniform random stops:\n\n";
    Returns(out, a);
    Spread(out, a);
    Ranges(out, a);
    Distribution(out, a);
    out += '\n';
    out += a.designed_rtp_note.empty()
               ? "The designed RTP agrees with the exact RTP within 0.01 percentage points.\n"
               : a.designed_rtp_note + "\n";
    return out;
}

}  // namespace kragmoor
