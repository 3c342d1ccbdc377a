#include "ui/stats/chart_frame.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace kragmoor {

ChartMapper::ChartMapper(QSize size, const ChartScale& scale)
    : width_(std::max(1, scale.XSize + 20)),
      height_(size.height()),
      sx_(static_cast<double>(size.width()) / width_),
      sy_(size.height() / 200.0) {}

QString GridLabel(int y, const ChartScale& scale) {
    const int value = y * scale.Step / 10 + scale.Min;  // y is a multiple of 10: exact
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

namespace {

void DrawBand(QPainter& painter, const ChartMapper& map, const ChartScale& scale) {
    if (scale.Step == 0) return;
    const QPointF a = map.Map(10, PercentY(scale.Target + 4.0, scale));
    const QPointF b = map.Map(map.Width() - 10, PercentY(scale.Target - 4.0, scale));
    painter.fillRect(QRectF(a, b).normalized(), kChartBand);
}

void DrawGrid(QPainter& painter, const ChartMapper& map, const ChartScale& scale,
              const QFontMetrics& metrics) {
    const int w = map.Width();
    std::vector<QLineF> lines;
    std::vector<QLineF> major;
    for (int y = 190; y >= 10; y -= 10) lines.emplace_back(map.Map(0, y), map.Map(w, y));
    for (int x = 10; x <= scale.XSize + 10; x += 10) {
        lines.emplace_back(map.Map(x, 0), map.Map(x, 200));
        if ((x - 10) % 100 == 0) major.emplace_back(map.Map(x, 0), map.Map(x, 200));
    }
    painter.setPen(kChartGrid);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.setPen(kChartGridMajor);
    painter.drawLines(major.data(), static_cast<int>(major.size()));

    painter.setPen(Qt::black);
    for (int y = 190; y >= 10; y -= 10) {
        const QString label = GridLabel(y, scale);
        painter.drawText(map.Map(0, y) + QPointF(0, metrics.ascent()), label);
        painter.drawText(map.Map(w - 11, y) + QPointF(0, metrics.ascent()), label);
    }
}

void DrawTarget(QPainter& painter, const ChartMapper& map, const ChartScale& scale) {
    if (scale.Step == 0) return;
    const double y = PercentY(scale.Target, scale);
    painter.setPen(Qt::black);
    painter.drawLine(map.Map(10, y), map.Map(map.Width() - 10, y));
}

}  // namespace

void DrawChartFrame(QImage& image, const ChartScale& scale, const QFont& font) {
    image.fill(Qt::white);
    if (image.isNull()) return;
    QPainter painter(&image);
    painter.setFont(font);
    const ChartMapper map(image.size(), scale);
    DrawBand(painter, map, scale);
    DrawGrid(painter, map, scale, QFontMetrics(font));
    DrawTarget(painter, map, scale);
}

void PrintChartText(QPainter& painter, const ChartMapper& map, const QString& text) {
    const QFontMetrics metrics(painter.font());
    const QPointF top_left = map.Map(10, 10);
    const QRectF box(top_left, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(top_left + QPointF(0, metrics.ascent()), text);
}

}  // namespace kragmoor
