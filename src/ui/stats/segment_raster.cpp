#include "ui/stats/segment_raster.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace kragmoor {
namespace {

// Liang-Barsky: cuts the segment to the box; false when nothing of it is inside.
bool ClipToBox(double& x0, double& y0, double& x1, double& y1, double right, double bottom) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + 0.5, right - x0, y0 + 0.5, bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = x0 + t0 * dx;
    y0 = y0 + t0 * dy;
    return true;
}

int Pixel(double v, int limit) {
    const int p = static_cast<int>(std::lround(v));
    return p < 0 ? 0 : (p > limit ? limit : p);
}

}  // namespace

SegmentRaster::SegmentRaster(QImage& image)
    : bits_(image.bits()),
      stride_(image.bytesPerLine()),
      width_(image.width()),
      height_(image.height()) {}

void SegmentRaster::Draw(double x0, double y0, double x1, double y1, QRgb colour) {
    Plot<false>(x0, y0, x1, y1, colour);
}

void SegmentRaster::DrawDashed(double x0, double y0, double x1, double y1, QRgb colour) {
    Plot<true>(x0, y0, x1, y1, colour);
}

template <bool kDashed>
void SegmentRaster::Plot(double x0, double y0, double x1, double y1, QRgb colour) {
    if (width_ <= 0 || height_ <= 0) return;
    if (!(std::isfinite(x0) && std::isfinite(y0) && std::isfinite(x1) && std::isfinite(y1))) return;
    if (!ClipToBox(x0, y0, x1, y1, width_ - 0.5, height_ - 0.5)) return;
    int ax = Pixel(x0, width_ - 1);
    int ay = Pixel(y0, height_ - 1);
    const int bx = Pixel(x1, width_ - 1);
    const int by = Pixel(y1, height_ - 1);
    touched_ |= QRect(QPoint(std::min(ax, bx), std::min(ay, by)),
                      QPoint(std::max(ax, bx), std::max(ay, by)));

    // Bresenham over whole pixels.
    const int dx = std::abs(bx - ax);
    const int dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1;
    const int sy = ay < by ? 1 : -1;
    int error = dx + dy;
    const bool x_major = dx >= -dy;
    for (;;) {
        if (!kDashed || ((x_major ? ax : ay) / kDash) % 2 == 0) {
            reinterpret_cast<QRgb*>(bits_ + ay * stride_)[ax] = colour;
        }
        if (ax == bx && ay == by) break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            error += dx;
            ay += sy;
        }
    }
}

}  // namespace kragmoor
