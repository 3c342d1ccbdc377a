// The chart's persistent picture. Points arrive some 70 000 times a second during an automatic
// run; they are only recorded here (no painting, no allocation once the buffers are warm) and
// drawn in batches straight into the picture's pixels whenever the window gets a turn. The recorded
// points since the last clear also let a resized window redraw its curves sharply at the new size.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/records/chart_data.h"

namespace kragmoor {

class SegmentRaster;

class ChartCanvas {
  public:
    // Points kept for redrawing after a resize; older ones are dropped (their pixels stay in the
    // picture until the window is resized).
    static constexpr std::size_t kHistoryLimit = std::size_t{1} << 17;
    // Undrawn points beyond this are drawn at once, so that a window that gets no turn for a long
    // time still loses nothing.
    static constexpr std::size_t kPendingLimit = 8192;

    explicit ChartCanvas(const QFont& font);

    // A new picture of `size` with the empty frame of `scale` and the recorded curves.
    void Resize(QSize size, const ChartScale& scale);
    // Forgets every point and text and draws the empty frame of `scale`. The picture itself is
    // redrawn at the next Flush, so that many clears between two turns cost one.
    void Clear(const ChartScale& scale);
    // Records one point, `games` base games into the run; draws nothing.
    void Add(const ChartPoint& point, std::int64_t games);
    // The 95 % band of the red curve: exact RTP +/- 1.96 sd / sqrt(games) percent at each
    // point, `sd` the standard deviation of one game's win in bets. Redraws the recorded curves
    // with it (as a resize does); points before the oldest recorded keep their pixels.
    void SetBand(double exact_rtp_percent, double sd);
    // Shows or hides the band (shown once set, by default); redraws the recorded curves.
    void ShowBand(bool shown);
    bool BandDrawn() const { return band_set_ && band_shown_; }
    // Draws what is pending onto the picture.
    void Flush();
    // Draws what is pending, then prints `text` at (10, 10) (remembered for redrawing).
    void Print(const QString& text);
    // The pixels changed since the last call (empty if none).
    QRect TakeDirty();

    const QImage& Image() const { return image_; }
    const ChartScale& Scale() const { return scale_; }

  private:
    struct Stored {
        float y[3];
        std::int32_t prev_y[3];
        std::int32_t x;
        std::int32_t prev_x;
        std::uint8_t drawn;  // bit 0 red, 1 green, 2 blue
        std::int64_t games;  // base games into the run at this point and at the previous one
        std::int64_t prev_games;
    };

    std::size_t PendingCount() const { return count_ - drawn_; }
    const Stored& At(std::size_t index) const;  // index 0 is the oldest recorded point
    void DrawRange(std::size_t from, std::size_t to);
    void DrawBand(SegmentRaster& raster, const Stored& s, double x0, double x1, double centre,
                  double spread);
    void Redraw();
    void ApplyClear();

    QFont font_;
    ChartScale scale_;
    QImage image_;
    QImage frame_;  // the empty frame, copied in on every clear
    bool clear_pending_ = false;
    QRect dirty_;

    std::vector<Stored> ring_;
    std::size_t start_ = 0;  // ring index of the oldest point
    std::size_t count_ = 0;  // recorded points
    std::size_t drawn_ = 0;  // the oldest `drawn_` of them are on the picture
    std::uint64_t added_ = 0;

    std::int64_t last_games_ = 0;  // games at the latest point added
    bool band_set_ = false;
    bool band_shown_ = true;
    double band_centre_ = 0;     // exact RTP, percent
    double band_half_game_ = 0;  // the band's half width for one game, percent
    // The band's segment last drawn ending at each pixel column since the picture was reset (its
    // start column and the rounded rows of its four ends). Long runs pass over the same columns
    // again and again with a band that has stopped moving; a segment already there is not drawn
    // again, so the band costs a run next to nothing once it has settled.
    std::vector<std::array<int, 5>> band_drawn_;

    QString text_;                  // the last printed summary
    std::uint64_t text_after_ = 0;  // how many points had been added when it was printed
};

}  // namespace kragmoor
