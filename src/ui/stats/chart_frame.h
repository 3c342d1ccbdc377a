// The empty chart: the grey target band, the grid with its percent labels at both sides and the
// black target line, drawn onto a picture in the chart's own coordinates (x from 0 at the left
// to XSize + 20 at the right, y from 0 at the bottom to 200 at the top).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>

#include "engine/records/chart_data.h"

class QPainter;

namespace kragmoor {

inline const QColor kChartBand{230, 230, 230};
inline const QColor kChartGrid{200, 200, 200};
inline const QColor kChartGridMajor{100, 100, 100};  // every 100 points
inline const QColor kChartRed{255, 0, 0};
inline const QColor kChartGreen{0, 255, 0};
inline const QColor kChartBlue{0, 0, 255};
// The dashed 95 % band of the red curve: magenta, unlike every other colour of the chart.
inline const QColor kChartBandLine{255, 0, 255};

// Chart coordinates to pixels of a picture of a given size.
class ChartMapper {
  public:
    ChartMapper(QSize size, const ChartScale& scale);

    double X(double x) const { return x * sx_; }
    double Y(double y) const { return height_ - y * sy_; }
    QPointF Map(double x, double y) const { return {X(x), Y(y)}; }
    // Width of the chart in its own units: XSize + 20 (at least 1).
    int Width() const { return width_; }

  private:
    int width_;
    double height_;
    double sx_;
    double sy_;
};

// The grid label of height y: y x Step / 10 + Min, as a number is printed: a blank in front of a
// number that is not negative ("  60" reads " 60").
QString GridLabel(int y, const ChartScale& scale);

// Clears `image` to white and draws the empty chart for `scale`.
void DrawChartFrame(QImage& image, const ChartScale& scale, const QFont& font);

// Prints `text` in black with its top left corner at chart point (10, 10), on a white ground so
// that the latest summary stays readable over earlier ones.
void PrintChartText(QPainter& painter, const ChartMapper& map, const QString& text);

}  // namespace kragmoor
