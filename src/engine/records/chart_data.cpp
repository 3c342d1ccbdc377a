#include "engine/records/chart_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/text_format.h"

namespace kragmoor {

namespace {

std::int32_t RoundToInt32(double value) {
    // Half to even, as a whole-number field takes a value; beyond the range it stays at its end.
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (r >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

// A field read as a number and rounded; no number, or one that does not fit, reads as 0.
std::int32_t FieldValue(const std::string& field) {
    const double value = std::nearbyint(text::ValueOfText(field));
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::int16_t ScaleValue(const std::string& field) {
    return text::RoundToInt16(text::ValueOfText(field)).value_or(0);
}

// Only 0 is a multiple of 0, and the counts tested here are never 0.
bool IsMultiple(std::int64_t n, std::int64_t of) {
    return of != 0 && n % of == 0;
}

std::string Grouped(std::int64_t value) {
    return text::Trimmed(text::Mask(value, "### ### ###"));
}

std::string FullSummary(const ChartTotals& t) {
    return "Games = " + Grouped(t.games) + "    " +
           text::Trimmed(text::Mask(Ratio(t.win, t.bet), "0.000%")) + " = " + Grouped(t.win) +
           " / " + Grouped(t.bet);
}

}  // namespace

double PercentY(double percent, const ChartScale& scale) {
    if (scale.Step == 0) return 0.0;
    return (percent - scale.Min) * 10.0 / scale.Step;
}

ChartData::ChartData(float game_rtp, std::int64_t points) : points_(points) {
    const auto rtp = static_cast<std::int16_t>(std::nearbyint(game_rtp));
    scale_.Min = static_cast<std::int16_t>(rtp - 40);
    scale_.Target = rtp;
}

std::array<std::string, 4> ChartData::ScaleTexts() const {
    return {text::Decimal(scale_.XSize), text::Decimal(scale_.Min), text::Decimal(scale_.Step),
            text::Decimal(scale_.Target)};
}

std::array<std::string, 3> ChartData::CounterResetTexts() const {
    return {text::Decimal(counter_reset_[0]), text::Decimal(counter_reset_[1]),
            text::Decimal(counter_reset_[2])};
}

void ChartData::ReadSetup(const std::array<std::string, 4>& scale_texts,
                          const std::array<std::string, 3>& counter_reset_texts) {
    scale_.XSize = ScaleValue(scale_texts[0]);
    scale_.Min = ScaleValue(scale_texts[1]);
    scale_.Step = ScaleValue(scale_texts[2]);
    scale_.Target = ScaleValue(scale_texts[3]);
    for (std::size_t i = 0; i < counter_reset_.size(); ++i) {
        counter_reset_[i] = FieldValue(counter_reset_texts[i]);
    }
}

void ChartData::Rebase(std::int64_t win, std::int64_t bet) {
    marks_.BetMark1 -= bet;
    marks_.WinMark1 -= win;
    marks_.BetMark2 -= bet;
    marks_.WinMark2 -= win;
}

ChartStep ChartData::AddPoint(const ChartTotals& t) {
    ChartStep step;
    ++points_;
    if (!options_.Chart) {
        step.counted_only = true;
        return step;
    }
    if (IsMultiple(points_ + 1, scale_.XSize)) {
        // This point lands in the chart's last column.
        step.full = true;
        step.ends_run = !options_.Continue;
        step.summary = FullSummary(t);
        if (options_.Save) step.bitmap_file = "Test" + text::Decimal(t.games) + ".bmp";
    }
    FillPoint(t, step);
    if (IsMultiple(points_, counter_reset_[1])) {
        marks_.BetMark1 = t.bet + 1;
        marks_.WinMark1 = t.win;
    }
    if (IsMultiple(points_, counter_reset_[2])) {
        // The blue window's RTP in percent. The product is taken in floating point, so that no
        // win overflows it; it is exact below 2^53 / 100 credits, and the quotient rounded once.
        const std::int64_t bet = t.bet - marks_.BetMark2;
        step.percent_line = true;
        step.percent = bet == 0 ? 0.0
                                : 100.0 * static_cast<double>(t.win - marks_.WinMark2) /
                                      static_cast<double>(bet);
        marks_.BetMark2 = t.bet;
        marks_.WinMark2 = t.win;
    }
    return step;
}

// The point's x (a remainder by an X size of 0 leaves the count as it is: the chart never wraps)
// and its three segments, each from where that curve's previous point ended.
void ChartData::FillPoint(const ChartTotals& t, ChartStep& step) {
    const std::int64_t xsize = scale_.XSize;
    const std::int64_t x64 = xsize != 0 ? points_ % xsize : points_;
    const auto x = static_cast<std::int32_t>(
        std::min<std::int64_t>(x64, std::numeric_limits<std::int32_t>::max()));
    ChartMarks& m = marks_;
    if (x == 0) {
        step.cleared = options_.Clear;
        m.PrevX = 0;
    }
    ChartPoint& point = step.point;
    point.x = x;
    point.prev_x = m.PrevX;
    point.totals = t;
    const auto y = [this](std::int64_t win, std::int64_t bet) {
        return PercentY(100.0 * Ratio(win, bet), scale_);
    };
    const double blue = y(t.win - m.WinMark2, t.bet - m.BetMark2);
    point.blue = {counter_reset_[2] != 1, m.PrevBlue, blue};
    m.PrevBlue = RoundToInt32(blue);
    const double green = y(t.win - m.WinMark1, t.bet - m.BetMark1);
    point.green = {counter_reset_[1] != 1, m.PrevGreen, green};
    m.PrevGreen = RoundToInt32(green);
    const double red = y(t.win, t.bet);
    point.red = {true, m.PrevRed, red};
    m.PrevRed = RoundToInt32(red);
    m.PrevX = x;
}

std::string ChartData::SaveNowSummary(const RunState& st) {
    std::string s = "Games played =";
    text::AppendMask(s, st.Games, "### ### ###");
    s += "     ";
    text::AppendMask(s, st.TotalWin, "### ### ###");
    s += " / ";
    text::AppendMask(s, st.TotalBet, "### ### ###");
    s += " = ";
    text::AppendMask(s, Ratio(st.TotalWin, st.TotalBet), "0.000%");
    return s;
}

}  // namespace kragmoor
