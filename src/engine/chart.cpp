// The chart's set-up and the point the run adds every 100 games: three curves, the full-chart
// summary and the blue window's line in Percent_10000.txt.
#include "engine/chart.h"

#include <cmath>
#include <limits>

#include "engine/run_control.h"
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

std::string T(std::int64_t value) {
    return text::Trimmed(text::Mask(value, "### ### ###"));
}

}  // namespace

Chart::Chart(float game_rtp) {
    const auto rtp = static_cast<std::int16_t>(std::nearbyint(game_rtp));
    scale_.Min = static_cast<std::int16_t>(rtp - 40);
    scale_.Target = rtp;
}

std::array<std::string, 4> Chart::ScaleTexts() const {
    return {text::Decimal(scale_.XSize), text::Decimal(scale_.Min), text::Decimal(scale_.Step),
            text::Decimal(scale_.Target)};
}

std::array<std::string, 3> Chart::CounterResetTexts() const {
    return {text::Decimal(counter_reset_[0]), text::Decimal(counter_reset_[1]),
            text::Decimal(counter_reset_[2])};
}

void Chart::ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                           const std::array<std::string, 3>& counter_reset_texts) {
    scale_.XSize = ScaleValue(scale_texts[0]);
    scale_.Min = ScaleValue(scale_texts[1]);
    scale_.Step = ScaleValue(scale_texts[2]);
    scale_.Target = ScaleValue(scale_texts[3]);
    for (std::size_t i = 0; i < counter_reset_.size(); ++i) {
        counter_reset_[i] = FieldValue(counter_reset_texts[i]);
    }
}

double Chart::Y(double ratio) const {
    if (scale_.Step == 0) return 0.0;
    return (100.0 * ratio - scale_.Min) * 10.0 / scale_.Step;
}

double Chart::Ratio(std::int64_t win, std::int64_t bet) {
    return bet == 0 ? 0.0 : static_cast<double>(win) / static_cast<double>(bet);
}

void RunControl::DrawPercent() {
    Chart& c = chart_;
    ChartMarks& m = c.marks_;
    const RunState& st = state_;
    ++c.chart_points_;
    if (!c.options_.Chart) return;

    const std::int64_t xsize = c.scale_.XSize;
    if (IsMultiple(c.chart_points_ + 1, xsize)) {
        // This point lands in the chart's last column.
        if (!c.options_.Continue) SetRunning(false);
        const std::string summary =
            "Games = " + T(st.Games) + "    " +
            text::Trimmed(text::Mask(Chart::Ratio(st.TotalWin, st.TotalBet), "0.000%")) + " = " +
            T(st.TotalWin) + " / " + T(st.TotalBet);
        const std::string bitmap = c.options_.Save ? "Test" + text::Decimal(st.Games) + ".bmp" : "";
        observer_->ChartFull(summary, bitmap);
    }

    // A remainder by 0 leaves the count as it is: the chart never wraps.
    const std::int64_t x64 = xsize != 0 ? c.chart_points_ % xsize : c.chart_points_;
    const auto x = static_cast<std::int32_t>(
        std::min<std::int64_t>(x64, std::numeric_limits<std::int32_t>::max()));
    if (x == 0) {
        if (c.options_.Clear) observer_->ChartCleared();
        m.PrevX = 0;
    }
    ChartPoint point;
    point.x = x;
    point.prev_x = m.PrevX;
    const double blue = c.Y(Chart::Ratio(st.TotalWin - m.WinMark2, st.TotalBet - m.BetMark2));
    point.blue = {c.counter_reset_[2] != 1, m.PrevBlue, blue};
    m.PrevBlue = RoundToInt32(blue);
    const double green = c.Y(Chart::Ratio(st.TotalWin - m.WinMark1, st.TotalBet - m.BetMark1));
    point.green = {c.counter_reset_[1] != 1, m.PrevGreen, green};
    m.PrevGreen = RoundToInt32(green);
    const double red = c.Y(Chart::Ratio(st.TotalWin, st.TotalBet));
    point.red = {true, m.PrevRed, red};
    m.PrevRed = RoundToInt32(red);
    m.PrevX = x;
    observer_->ChartPointAdded(point);

    if (IsMultiple(c.chart_points_, c.counter_reset_[1])) {
        m.BetMark1 = st.TotalBet + 1;
        m.WinMark1 = st.TotalWin;
    }
    if (IsMultiple(c.chart_points_, c.counter_reset_[2])) {
        // The blue window's RTP in percent. The product is taken in floating point, so that no
        // win overflows it; it is exact below 2^53 / 100 credits, and the quotient rounded once.
        const std::int64_t bet = st.TotalBet - m.BetMark2;
        const double percent = bet == 0 ? 0.0
                                        : 100.0 * static_cast<double>(st.TotalWin - m.WinMark2) /
                                              static_cast<double>(bet);
        record_.clear();
        text::AppendMask(record_, percent, "00.000000");
        text::PadToNextZone(record_);
        text::AppendNumberField(record_, st.Games);
        record_ += "\r\n";
        if (!logs_->Percent.Write(record_)) [[unlikely]]
            CheckLogs();
        m.BetMark2 = st.TotalBet;
        m.WinMark2 = st.TotalWin;
    }
}

void RunControl::ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                                const std::array<std::string, 3>& counter_reset_texts) {
    chart_.ReadChartSetup(scale_texts, counter_reset_texts);
    observer_->ChartCleared();
}

std::string RunControl::ChartSaveNowSummary() const {
    const RunState& st = state_;
    std::string s = "Games played =";
    text::AppendMask(s, st.Games, "### ### ###");
    s += "     ";
    text::AppendMask(s, st.TotalWin, "### ### ###");
    s += " / ";
    text::AppendMask(s, st.TotalBet, "### ### ###");
    s += " = ";
    text::AppendMask(s, Chart::Ratio(st.TotalWin, st.TotalBet), "0.000%");
    return s;
}

}  // namespace kragmoor
