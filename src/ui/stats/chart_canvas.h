// The chart's persistent picture. Points arrive some 70 000 times a second during an automatic
// run; they are only recorded here (no painting, no allocation once the buffers are warm) and
// drawn in batches straight into the picture's pixels whenever the window gets a turn. The recorded
// points since the last clear also let a resized window redraw its curves sharply at the new size.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/chart_data.h"

namespace kragmoor {

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
    // Records one point; draws nothing.
    void Add(const ChartPoint& point);
    // Draws what is pending onto the picture.
    void Flush();
    // Draws what is pending, then prints `text` at (10, 10) (remembered for redrawing).
    void Print(const QString& text);
    // The pixels changed since the last call (empty if none).
    QRect TakeDirty();

    const QImage& Image() const { return image_; }
    const ChartScale& Scale() const { return scale_; }
    std::size_t PendingCount() const { return count_ - drawn_; }
    std::size_t RecordedCount() const { return count_; }

  private:
    struct Stored {
        float y[3];
        std::int32_t prev_y[3];
        std::int32_t x;
        std::int32_t prev_x;
        std::uint8_t drawn;  // bit 0 red, 1 green, 2 blue
    };

    const Stored& At(std::size_t index) const;  // index 0 is the oldest recorded point
    void DrawRange(std::size_t from, std::size_t to);
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

    QString text_;                  // the last printed summary
    std::uint64_t text_after_ = 0;  // how many points had been added when it was printed
};

}  // namespace kragmoor
