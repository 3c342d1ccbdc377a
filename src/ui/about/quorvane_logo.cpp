#include "ui/about/quorvane_logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace kragmoor {
namespace {

const QColor kGold(226, 184, 92);
const QColor kNight(18, 32, 56);

// A "Q": a thick ring whose tail sweeps out to the lower right, over a faint grid of dots that
// stands for the numbers behind a game.
void PaintEmblem(QPainter& p, const QRectF& box) {
    const double s = std::min(box.width(), box.height());
    const QPointF c = box.center();
    QRadialGradient glow(c, s * 0.5);
    glow.setColorAt(0.0, QColor(52, 84, 128));
    glow.setColorAt(1.0, kNight);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, s * 0.48, s * 0.48);

    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = -2; i <= 2; ++i) {
        for (int j = -2; j <= 2; ++j) {
            p.drawEllipse(c + QPointF(i * s * 0.09, j * s * 0.09), s * 0.012, s * 0.012);
        }
    }
    QPen ring(kGold, s * 0.09, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - s * 0.28, c.y() - s * 0.28, s * 0.56, s * 0.56), 300 * 16, -330 * 16);
    QPainterPath tail(c + QPointF(s * 0.06, s * 0.08));
    tail.quadTo(c + QPointF(s * 0.2, s * 0.22), c + QPointF(s * 0.38, s * 0.34));
    p.drawPath(tail);
}

}  // namespace

QPixmap QuorvaneEmblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    PaintEmblem(p, QRectF(0, 0, size, size));
    return pixmap;
}

QPixmap QuorvaneBanner(QSize size, bool with_emblem) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0.0, kNight);
    band.setColorAt(1.0, QColor(40, 62, 96));
    p.fillRect(pixmap.rect(), band);
    p.setPen(QPen(kGold, 1));
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));

    const double h = size.height();
    if (with_emblem) PaintEmblem(p, QRectF(h * 0.1, h * 0.1, h * 0.8, h * 0.8));

    QFont name(QStringLiteral("P052"));
    name.setStyleHint(QFont::Serif);
    name.setBold(true);
    name.setLetterSpacing(QFont::PercentageSpacing, 118);
    name.setPixelSize(std::max(8, static_cast<int>(h * 0.42)));
    p.setFont(name);
    p.setPen(kGold);
    const double text_left = with_emblem ? h * 1.05 : h * 0.3;
    const double room = size.width() - text_left - h * 0.15;
    p.drawText(QRectF(text_left, 0, size.width() - text_left, h * 0.62),
               Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("QUORVANE"));

    const QString tag_line = QStringLiteral("MATH DESIGN \u00B7 SLOT MATHEMATICS");
    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setLetterSpacing(QFont::PercentageSpacing, 110);
    for (int px = std::max(7, static_cast<int>(h * 0.2)); px > 6; --px) {
        tag.setPixelSize(px);
        if (QFontMetricsF(tag).horizontalAdvance(tag_line) <= room) break;
    }
    p.setFont(tag);
    p.setPen(QColor(200, 214, 232));
    p.drawText(QRectF(text_left, h * 0.64, size.width() - text_left, h * 0.3),
               Qt::AlignLeft | Qt::AlignTop, tag_line);
    return pixmap;
}

}  // namespace kragmoor
