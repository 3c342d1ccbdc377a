// The chart's curves are thousands of segments a few pixels long each second. QPainter spends
// far more on setting up each of them than on its pixels, so they are drawn here directly into
// the picture's pixels: clipped to the picture, then stepped one pixel at a time along the longer
// axis, one pixel wide and without anti-aliasing, as the frame's own lines are.
#pragma once

#include <QImage>
#include <QRect>

namespace kragmoor {

class SegmentRaster {
  public:
    // `image` must be Format_RGB32 or ARGB32 and outlive the raster.
    explicit SegmentRaster(QImage& image);

    // Draws from (x0, y0) to (x1, y1), both ends included, in pixel coordinates (pixel centres
    // at whole numbers). Parts outside the picture are not drawn.
    void Draw(double x0, double y0, double x1, double y1, QRgb colour);
    // The same as a dashed line: along the longer axis, kDash pixels of the picture are drawn and
    // the next kDash are not, counted from its edge, so that consecutive segments' dashes line up.
    static constexpr int kDash = 4;
    void DrawDashed(double x0, double y0, double x1, double y1, QRgb colour);

    // The pixels touched since the raster was made (empty if none).
    QRect Touched() const { return touched_; }

  private:
    template <bool kDashed>
    void Plot(double x0, double y0, double x1, double y1, QRgb colour);

    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
    QRect touched_;
};

}  // namespace kragmoor
