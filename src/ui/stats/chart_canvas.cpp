#include "ui/stats/chart_canvas.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "engine/analysis/exact_analysis.h"
#include "ui/stats/chart_frame.h"
#include "ui/stats/segment_raster.h"

namespace kragmoor {
namespace {

// Ratios far off the scale (a game far above its designed RTP) would put lines millions of
// pixels away; off-picture ends are pulled in to a distance the rasterizer handles exactly.
constexpr float kFarY = 1.0e4f;

float Tame(double y) {
    if (!std::isfinite(y)) return 0.0f;
    return static_cast<float>(std::clamp(y, double{-kFarY}, double{kFarY}));
}

std::int32_t Tame(std::int32_t y) {
    return std::clamp(y, static_cast<std::int32_t>(-kFarY), static_cast<std::int32_t>(kFarY));
}

// Without X size the chart never wraps and x grows past the picture: far ends are pulled in.
double TameX(double x) {
    return std::clamp(x, -1.0e6, 1.0e6);
}

// The band of a huge deviation, pulled in as the curves' far ends are.
double TamePixel(double y) {
    return std::clamp(y, -1.0e5, 1.0e5);
}

}  // namespace

ChartCanvas::ChartCanvas(const QFont& font) : font_(font) {}

void ChartCanvas::Resize(QSize size, const ChartScale& scale) {
    scale_ = scale;
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    frame_ = QImage(image_.size(), QImage::Format_RGB32);
    DrawChartFrame(frame_, scale_, font_);
    clear_pending_ = false;
    Redraw();
}

void ChartCanvas::Clear(const ChartScale& scale) {
    const bool rescaled = scale.XSize != scale_.XSize || scale.Min != scale_.Min ||
                          scale.Step != scale_.Step || scale.Target != scale_.Target;
    scale_ = scale;
    if (rescaled) DrawChartFrame(frame_, scale_, font_);
    start_ = count_ = drawn_ = 0;
    text_.clear();
    clear_pending_ = true;
}

void ChartCanvas::Add(const ChartPoint& point, std::int64_t games) {
    if (PendingCount() >= kPendingLimit) Flush();
    Stored s;
    s.x = point.x;
    s.prev_x = point.prev_x;
    s.games = games;
    s.prev_games = last_games_ > 0 ? last_games_ : games;
    last_games_ = games;
    const ChartPoint::Segment* segments[3] = {&point.red, &point.green, &point.blue};
    s.drawn = 0;
    for (int c = 0; c < 3; ++c) {
        s.y[c] = Tame(segments[c]->y);
        s.prev_y[c] = Tame(segments[c]->prev_y);
        if (segments[c]->drawn && std::isfinite(segments[c]->y)) {
            s.drawn = static_cast<std::uint8_t>(s.drawn | (1u << c));
        }
    }
    if (count_ < kHistoryLimit) {
        const std::size_t slot = (start_ + count_) % kHistoryLimit;
        if (slot < ring_.size()) {
            ring_[slot] = s;
        } else {
            ring_.push_back(s);
        }
        ++count_;
    } else {  // full: the oldest point gives way (it is on the picture: pending stays small)
        ring_[start_] = s;
        start_ = (start_ + 1) % kHistoryLimit;
        --drawn_;
    }
    ++added_;
}

const ChartCanvas::Stored& ChartCanvas::At(std::size_t index) const {
    return ring_[(start_ + index) % kHistoryLimit];
}

void ChartCanvas::SetBand(double exact_rtp_percent, double sd) {
    band_set_ = std::isfinite(exact_rtp_percent) && std::isfinite(sd);
    band_centre_ = exact_rtp_percent;
    band_half_game_ = kConfidenceZ[1] * 100.0 * sd;
    if (!image_.isNull()) Redraw();
}

void ChartCanvas::ShowBand(bool shown) {
    if (band_shown_ == shown) return;
    band_shown_ = shown;
    if (band_set_ && !image_.isNull()) Redraw();
}

void ChartCanvas::Flush() {
    if (clear_pending_) ApplyClear();
    if (drawn_ < count_) DrawRange(drawn_, count_);
    drawn_ = count_;
}

void ChartCanvas::Print(const QString& text) {
    Flush();
    text_ = text;
    text_after_ = added_;
    QPainter painter(&image_);
    painter.setFont(font_);
    PrintChartText(painter, ChartMapper(image_.size(), scale_), text);
    dirty_ = image_.rect();  // the text's box is small, but cheap to over-report
}

QRect ChartCanvas::TakeDirty() {
    const QRect dirty = dirty_;
    dirty_ = QRect();
    return dirty;
}

void ChartCanvas::DrawRange(std::size_t from, std::size_t to) {
    if (from >= to || image_.isNull()) return;
    const ChartMapper map(image_.size(), scale_);
    SegmentRaster raster(image_);
    static const QRgb colours[3] = {kChartRed.rgb(), kChartGreen.rgb(), kChartBlue.rgb()};
    const bool band = BandDrawn();
    // The band's centre row and its half width at one game, in pixels.
    const double centre = map.Y(PercentY(band_centre_, scale_));
    const double spread = map.Y(PercentY(band_centre_ + band_half_game_, scale_)) - centre;
    for (std::size_t i = from; i < to; ++i) {
        const Stored& s = At(i);
        // Pixel centres sit at whole numbers; the frame's lines fall the same way.
        const double x0 = TameX(map.X(static_cast<double>(s.prev_x) + 10));
        const double x1 = TameX(map.X(static_cast<double>(s.x) + 10));
        if (band) DrawBand(raster, s, x0, x1, centre, spread);
        for (int c : {2, 1, 0}) {  // blue, green, then red on top, as each point draws them
            if (s.drawn & (1u << c)) {
                raster.Draw(x0, map.Y(s.prev_y[c]), x1, map.Y(s.y[c]), colours[c]);
            }
        }
    }
    const QRect touched = raster.Touched();
    if (!touched.isEmpty()) {
        dirty_ |= QRect(touched.left(), 0, touched.width(), image_.height());
    }
}

// The band's two dashed curves under the run's curves, from the previous point to this one:
// rows centre -/+ spread / sqrt(games), in pixels (the y mapping is linear in the percentage).
void ChartCanvas::DrawBand(SegmentRaster& raster, const Stored& s, double x0, double x1,
                           double centre, double spread) {
    if (s.games <= 0) return;
    const double half0 = spread / std::sqrt(static_cast<double>(s.prev_games));
    const double half1 = spread / std::sqrt(static_cast<double>(s.games));
    const auto round = [](double v) { return static_cast<int>(std::lround(TamePixel(v))); };
    const long column = std::lround(x1);
    if (column >= 0 && static_cast<std::size_t>(column) < band_drawn_.size()) {
        const std::array<int, 5> ends = {static_cast<int>(std::lround(x0)), round(centre - half0),
                                         round(centre - half1), round(centre + half0),
                                         round(centre + half1)};
        std::array<int, 5>& last = band_drawn_[static_cast<std::size_t>(column)];
        if (last == ends) return;
        last = ends;
    }
    raster.DrawDashed(x0, TamePixel(centre - half0), x1, TamePixel(centre - half1),
                      kChartBandLine.rgb());
    raster.DrawDashed(x0, TamePixel(centre + half0), x1, TamePixel(centre + half1),
                      kChartBandLine.rgb());
}

void ChartCanvas::ApplyClear() {
    clear_pending_ = false;
    dirty_ = image_.rect();
    band_drawn_.assign(static_cast<std::size_t>(std::max(image_.width(), 0)),
                       {INT_MIN, 0, 0, 0, 0});
    if (frame_.size() == image_.size() && !image_.isNull()) {
        std::memcpy(image_.bits(), frame_.constBits(),
                    static_cast<std::size_t>(image_.sizeInBytes()));
    }
}

void ChartCanvas::Redraw() {
    ApplyClear();
    drawn_ = 0;
    const std::uint64_t first_added = added_ - count_;
    if (!text_.isEmpty()) {
        // The summary goes where it was printed among the recorded points.
        const std::size_t before =
            text_after_ <= first_added ? 0 : static_cast<std::size_t>(text_after_ - first_added);
        DrawRange(0, std::min(before, count_));
        QPainter painter(&image_);
        painter.setFont(font_);
        PrintChartText(painter, ChartMapper(image_.size(), scale_), text_);
        painter.end();
        DrawRange(std::min(before, count_), count_);
    } else {
        DrawRange(0, count_);
    }
    drawn_ = count_;
}

}  // namespace kragmoor
