#include "engine/analysis/par_sheet_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "engine/analysis/par_sheet.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

std::string OneIn(double p) {
    return p > 0 ? "1 in " + FigureText(1.0 / p, 2) : "never";
}

void AppendRow(std::string& out, std::size_t width, const char* label, const std::string& value) {
    text::AppendLeft(out, label, width);
    out += value;
    out += '\n';
}

void AppendReturns(std::string& out, const ExactAnalysis& a, const FigureLayout& layout) {
    const ExactReturn& x = a.rtp;
    const std::size_t w = layout.label_width;
    AppendRow(out, w, "RTP", FigureText(x.total_percent, 6) + "%");
    AppendRow(out, w, "  base-game lines", FigureText(x.base_lines_percent, 6) + "%");
    AppendRow(out, w, "  base-game scatters", FigureText(x.base_scatter_percent, 6) + "%");
    AppendRow(out, w, "  free-spin features", FigureText(x.feature_percent, 6) + "%");
    AppendRow(out, w, "Hit frequency",
              FigureText(100.0 * a.hit_frequency, 6) + "% (" + OneIn(a.hit_frequency) + " games)");
    AppendRow(out, w, "Features", OneIn(x.trigger_probability) + " games");
    AppendRow(out, w, "Free spins per feature",
              FigureText(x.free_spins_per_feature, 4) + " (retrigger " +
                  OneIn(x.retrigger_probability) + " spins)");
    if (layout.free_spin_details) {
        AppendRow(out, w, "Win of a free spin", FigureText(x.free_spin_win, 4) + " credits");
    }
    AppendRow(out, w, "Win of a feature",
              FigureText(a.feature.win_mean, 4) + " credits (standard deviation " +
                  FigureText(FeatureWinSd(a.feature), 4) + ")");
    if (layout.free_spin_details) {
        // A win event is one paying line (or scatter result) of the 20 lines bet.
        AppendRow(
            out, w, "Line bets per win event",
            x.win_events_per_game > 0 ? FigureText(kLines / x.win_events_per_game, 4) : "no wins");
    }
    AppendRow(out, w, "Jackpots", OneIn(x.jackpot_lines_per_game) + " games");
}

void AppendSpread(std::string& out, const ExactAnalysis& a, std::size_t width) {
    AppendRow(out, width, "Standard deviation",
              FigureText(a.sd_per_game, 6) + " bets a game (its feature included)");
    std::string vi;
    for (std::size_t k = 0; k < kConfidenceZ.size(); ++k) {
        vi += (k > 0 ? ", " : "") + FigureText(a.volatility_index[k], 4) + " (" +
              std::to_string(kConfidencePercent[k]) + " %)";
    }
    AppendRow(out, width, "Volatility index", vi);
    AppendRow(out, width, "Largest base-game win",
              text::Decimal(a.max_base_win) + " credits (" +
                  FigureText(static_cast<double>(a.max_base_win) / kTotalBet, 2) + " bets)");
    AppendRow(out, width, "Full cycle",
              GroupedWhole(a.full_cycle) + " stop combinations of the base strips");
}

void AppendRanges(std::string& out, const ExactAnalysis& a) {
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

void AppendDistribution(std::string& out, const ExactAnalysis& a) {
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

// Every decimal digit of |value|: a double is a dyadic fraction, so its expansion ends within
// 1074 decimals, and to_chars writes it exactly. Returns the digits without the point and how
// many of them stand before it.
struct Digits {
    std::string digits;
    std::size_t whole = 0;
};
Digits ExactDigits(double value) {
    static constexpr int kAllDecimals = 1074;
    char buffer[kAllDecimals + 320];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::fixed, kAllDecimals);
    const std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const std::size_t point = text.find('.');
    return {std::string(text.substr(0, point)) + std::string(text.substr(point + 1)), point};
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them. Returns
// true when the carry ran out of the first digit (999.5 -> 1000), which then leads.
bool RoundDigits(std::string& digits, std::size_t keep) {
    const bool up = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep, '0');
    if (!up) return false;
    for (std::size_t i = keep; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

}  // namespace

std::string GroupedWhole(std::uint64_t value) {
    return text::Trimmed(text::Mask(static_cast<std::int64_t>(value), "# ### ### ### ### ##0"));
}

std::string FigureText(double value, int decimals) {
    if (std::isinf(value)) return value > 0 ? "infinite" : "-infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string ParSheetTitle(const GameDefinition& def, std::string_view what) {
    return std::string(what) + " of " + def.GameVersion + " (designed RTP " +
           text::SingleText(def.GameRTP) + "%), uniform random stops:\n";
}

std::string ParSheetFigures(const ExactAnalysis& a, const FigureLayout& layout) {
    std::string out;
    AppendReturns(out, a, layout);
    AppendSpread(out, a, layout.label_width);
    AppendRanges(out, a);
    AppendDistribution(out, a);
    return out;
}

std::string DesignedRtpLine(const ExactAnalysis& a) {
    return a.designed_rtp_note.empty()
               ? "The designed RTP agrees with the exact RTP within 0.01 percentage points.\n"
               : a.designed_rtp_note + "\n";
}

double FeatureWinSd(const FeatureLaw& f) {
    if (std::isinf(f.win_second_moment)) return f.win_second_moment;
    return std::sqrt(std::max(0.0, f.win_second_moment - f.win_mean * f.win_mean));
}

std::string CombinationCount(const Combination& c) {
    return std::to_string(c.count) + (c.or_more ? "+" : "");
}

std::string CreditsText(double credits) {
    return credits == std::floor(credits) ? FigureText(credits, 0) : FigureText(credits, 4);
}

TableBasis BaseTableBasis(const ExactAnalysis& a) {
    return {a.full_cycle, 1, a.full_cycle};
}

TableBasis FreeSpinTableBasis(const ExactAnalysis& a) {
    const FreeSpinTable& t = a.free_spins;
    const bool endless = t.added_spins >= t.full_cycle;
    return {t.full_cycle, t.awarded_spins,
            endless ? UInt128{0} : UInt128{a.full_cycle} * (t.full_cycle - t.added_spins)};
}

std::optional<std::string> ExactOneIn(std::uint64_t cycle, std::uint64_t windows) {
    if (windows == 0) return std::nullopt;
    return ExactDecimal(cycle, windows, 2);
}

std::optional<UInt128> CycleCredits(const Combination& c) {
    if (!std::isfinite(c.pay) || c.pay != std::floor(c.pay) || c.pay < 0) return std::nullopt;
    return UInt128{c.windows_all_lines} * static_cast<std::uint64_t>(c.pay);
}

FreeSpinTotal FreeSpinTotals(const FreeSpinTable& table) {
    FreeSpinTotal total;
    for (const Combination& c : table.combinations) {
        total.credits += CycleCredits(c).value_or(0);
        total.share_percent += c.rtp_share_percent;
    }
    return total;
}

std::optional<std::string> ExactSharePercent(UInt128 credits, const TableBasis& table,
                                             int decimals) {
    if (table.share_per == 0) return std::nullopt;
    return ExactDecimal(credits * 100 * table.share_times, table.share_per * kTotalBet, decimals);
}

std::string SharePercentText(const Combination& c, const TableBasis& table, int decimals) {
    if (const auto credits = CycleCredits(c)) {
        if (auto exact = ExactSharePercent(*credits, table, decimals)) return *exact;
    }
    return std::isinf(c.rtp_share_percent) ? std::string("never")
                                           : FixedTiesAway(c.rtp_share_percent, decimals);
}

CombinationCells ParSheetCells(const GameDefinition& def, const Combination& c,
                               const TableBasis& table) {
    const bool whole = c.pay == std::floor(c.pay);  // an infinite expected win reads "inf"
    return {CombinationLabel(def, c),
            CombinationCount(c),
            FixedTiesAway(c.pay, whole ? 0 : 4),
            text::Decimal(static_cast<std::int64_t>(c.windows_one_line)),
            text::Decimal(static_cast<std::int64_t>(c.windows_all_lines)),
            ExponentTiesAway(c.hits_per_game, 6),
            ExactOneIn(table.cycle, c.windows_all_lines).value_or("never"),
            SharePercentText(c, table, 6),
            OddsFlagText(c.odds_flags)};
}

std::string FixedTiesAway(double value, int decimals) {
    if (!std::isfinite(value)) return value > 0 ? "inf" : value < 0 ? "-inf" : "nan";
    Digits d = ExactDigits(value);
    if (RoundDigits(d.digits, d.whole + static_cast<std::size_t>(decimals))) ++d.whole;
    std::string out = std::signbit(value) ? "-" : "";
    out += d.digits.substr(0, d.whole);
    if (decimals > 0) out += "." + d.digits.substr(d.whole);
    return out;
}

std::string ExponentTiesAway(double value, int decimals) {
    if (!std::isfinite(value)) return value > 0 ? "inf" : value < 0 ? "-inf" : "nan";
    Digits d = ExactDigits(value);
    const std::size_t first = std::min(d.digits.find_first_not_of('0'), d.digits.size() - 1);
    long exponent = static_cast<long>(d.whole) - static_cast<long>(first) - 1;
    std::string digits = d.digits.substr(first);
    if (value == 0) exponent = 0;
    if (RoundDigits(digits, static_cast<std::size_t>(decimals) + 1)) {
        ++exponent;
        digits.pop_back();
    }
    std::string out = std::signbit(value) ? "-" : "";
    out += digits.substr(0, 1);
    if (decimals > 0) out += "." + digits.substr(1);
    const long magnitude = exponent < 0 ? -exponent : exponent;
    out += exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

}  // namespace kragmoor
