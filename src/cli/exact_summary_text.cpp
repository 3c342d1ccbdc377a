// kragmoor-sim --exact as text: the figures, the range of a run's RTP, the base game's win
// distribution, the paying combinations with their odds, the odds rules and the designed RTP.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cli/exact_summary.h"
#include "engine/analysis/par_sheet.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

constexpr int kBetCredits = 20;

// A figure with enough digits to compare with a long run; "infinite" where retriggers never die
// out.
std::string Figure(double value, int decimals) {
    if (std::isinf(value)) return value > 0 ? "infinite" : "-infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string OneIn(double p) {
    return p > 0 ? "1 in " + Figure(1.0 / p, 2) : "never";
}

// Credits: whole pays as they stand, an expected win with four decimals.
std::string Credits(double value) {
    return value == std::floor(value) ? Figure(value, 0) : Figure(value, 4);
}

void Row(std::string& out, const char* label, const std::string& value) {
    text::AppendLeft(out, label, 28);
    out += value;
    out += '\n';
}

void Figures(std::string& out, const ExactAnalysis& a) {
    const ExactReturn& x = a.rtp;
    Row(out, "RTP", Figure(x.total_percent, 6) + "%");
    Row(out, "  base-game lines", Figure(x.base_lines_percent, 6) + "%");
    Row(out, "  base-game scatters", Figure(x.base_scatter_percent, 6) + "%");
    Row(out, "  free-spin features", Figure(x.feature_percent, 6) + "%");
    Row(out, "Hit frequency",
        Figure(100.0 * a.hit_frequency, 6) + "% (" + OneIn(a.hit_frequency) + " games)");
    Row(out, "Features", OneIn(x.trigger_probability) + " games");
    Row(out, "Free spins per feature",
        Figure(x.free_spins_per_feature, 4) + " (retrigger " + OneIn(x.retrigger_probability) +
            " spins)");
    Row(out, "Win of a free spin", Figure(x.free_spin_win, 4) + " credits");
    Row(out, "Win of a feature",
        Figure(a.feature.win_mean, 4) + " credits (standard deviation " +
            Figure(FeatureWinSd(a.feature), 4) + ")");
    Row(out, "Line bets per win event",
        x.win_events_per_game > 0 ? Figure(20.0 / x.win_events_per_game, 4) : "no wins");
    Row(out, "Jackpots", OneIn(x.jackpot_lines_per_game) + " games");
    Row(out, "Standard deviation",
        Figure(a.sd_per_game, 6) + " bets a game (its feature included)");
    std::string vi;
    for (std::size_t k = 0; k < kConfidenceZ.size(); ++k) {
        vi += (k > 0 ? ", " : "") + Figure(a.volatility_index[k], 4) + " (" +
              std::to_string(kConfidencePercent[k]) + " %)";
    }
    Row(out, "Volatility index", vi);
    Row(out, "Largest base-game win",
        text::Decimal(a.max_base_win) + " credits (" +
            Figure(static_cast<double>(a.max_base_win) / kBetCredits, 2) + " bets)");
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
                out, Figure(range.low_percent[k], 3) + " to " + Figure(range.high_percent[k], 3),
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
        text::AppendRight(out, Figure(100.0 * a.base_win_distribution[b], 6) + "%", 16);
        out += '\n';
    }
}

// "A" an award rarer than the award limit, "P" a base-game pattern rarer than its limit.
std::string FlagCodes(unsigned flags) {
    std::string codes;
    if (flags & kRarerThanAwardLimit) codes += "A";
    if (flags & kRarerThanBasePatternLimit) codes += codes.empty() ? "P" : " P";
    return codes;
}

void CombinationRow(std::string& out, const std::string& label, std::size_t width,
                    const Combination& c) {
    text::AppendLeft(out, "  " + label, width);
    text::AppendRight(out, CombinationCount(c), 6);
    text::AppendRight(out, Credits(c.pay), 12);
    char hits[32];
    std::snprintf(hits, sizeof hits, "%.6e", c.hits_per_game);
    text::AppendRight(out, hits, 16);
    text::AppendRight(out,
                      std::isinf(c.one_in_games)
                          ? std::string("never")
                          : text::Trimmed(text::Mask(c.one_in_games, "# ### ### ### ##0.00")),
                      20);
    text::AppendRight(out, Figure(c.rtp_share_percent, 6) + "%", 13);
    if (c.odds_flags != 0) out += "  " + FlagCodes(c.odds_flags);
    out += '\n';
}

void Combinations(std::string& out, const GameDefinition& def, const ExactAnalysis& a) {
    out +=
        "\nPaying combinations (pays in credits of a 20-credit game, the feature's its expected "
        "win):\n";
    std::vector<std::string> labels;
    std::size_t width = std::string("  combination").size();
    for (const Combination& c : a.combinations) {
        labels.push_back(CombinationLabel(def, c));
        width = std::max(width, labels.back().size() + 2);
    }
    width += 1;
    text::AppendLeft(out, "  combination", width);
    out += " count         pay   hits per game        one in games    RTP share  flags\n";
    for (std::size_t i = 0; i < a.combinations.size(); ++i) {
        CombinationRow(out, labels[i], width, a.combinations[i]);
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

std::string CombinationCount(const Combination& c) {
    return c.kind == CombinationKind::kFeature ? "3+" : std::to_string(c.count);
}

double FeatureWinSd(const FeatureLaw& f) {
    if (std::isinf(f.win_second_moment)) return f.win_second_moment;
    return std::sqrt(std::max(0.0, f.win_second_moment - f.win_mean * f.win_mean));
}

std::string WinBinLabel(std::size_t bin) {
    if (bin < kWinBinTops.size()) return "<=" + std::to_string(kWinBinTops[bin]);
    return ">" + std::to_string(kWinBinTops.back());
}

std::string ExactSummaryText(const GameDefinition& def, const ExactAnalysis& a) {
    std::string out = "Exact return of " + def.GameVersion + " (designed RTP " +
                      text::SingleText(def.GameRTP) + "%), uniform random stops:\n";
    Figures(out, a);
    Ranges(out, a);
    Distribution(out, a);
    Combinations(out, def, a);
    out += "\n";
    out += a.designed_rtp_note.empty()
               ? "The designed RTP agrees with the exact RTP within 0.01 percentage points.\n"
               : a.designed_rtp_note + "\n";
    return out;
}

}  // namespace kragmoor::cli
