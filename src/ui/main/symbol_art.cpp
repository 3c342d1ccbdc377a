#include "ui/main/symbol_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kragmoor {
namespace {

constexpr double kSize = kSymbolImageSize;
constexpr int kOrdinary = 11;

// Eleven hues far enough apart to tell the ordinary symbols apart at a glance.
const std::array<QColor, kOrdinary> kHues = {
    QColor(46, 125, 50), QColor(123, 31, 162), QColor(2, 119, 189),  QColor(198, 40, 40),
    QColor(239, 108, 0), QColor(0, 131, 143),  QColor(48, 63, 159),  QColor(173, 20, 87),
    QColor(121, 85, 72), QColor(84, 110, 122), QColor(158, 157, 36),
};

QPolygonF RegularPolygon(QPointF c, double r, int corners, double turn) {
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const double a = turn + 2.0 * std::numbers::pi * i / corners;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

QPolygonF Star(QPointF c, double outer, double inner, int points, double turn) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = turn + std::numbers::pi * i / points;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

// The emblem of an ordinary symbol: a shape of its own per code.
QPainterPath ShieldPath(QPointF c, double r) {
    QPainterPath path;
    path.moveTo(c + QPointF(-r, -r * 0.85));
    path.lineTo(c + QPointF(r, -r * 0.85));
    path.lineTo(c + QPointF(r, -r * 0.1));
    path.quadTo(c + QPointF(r * 0.8, r * 0.8), c + QPointF(0, r * 1.1));
    path.quadTo(c + QPointF(-r * 0.8, r * 0.8), c + QPointF(-r, -r * 0.1));
    path.closeSubpath();
    return path;
}

// A crescent moon over the moor: a disc with a bite out of its upper right.
QPainterPath MoonPath(QPointF c, double r) {
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.45, -r * 0.3), r * 0.85, r * 0.85);
    return moon.subtracted(bite);
}

QPainterPath CrownPath(QPointF c, double r) {
    QPainterPath path;
    path.moveTo(c + QPointF(-r, r * 0.7));
    path.lineTo(c + QPointF(-r, -r * 0.6));
    path.lineTo(c + QPointF(-r * 0.5, 0));
    path.lineTo(c + QPointF(0, -r * 0.9));
    path.lineTo(c + QPointF(r * 0.5, 0));
    path.lineTo(c + QPointF(r, -r * 0.6));
    path.lineTo(c + QPointF(r, r * 0.7));
    path.closeSubpath();
    return path;
}

QPainterPath PolygonPath(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    return path;
}

QPainterPath EmblemPath(int code, QPointF c, double r) {
    constexpr double up = -std::numbers::pi / 2;
    switch (code) {
        case 0: {
            QPainterPath disc;
            disc.addEllipse(c, r, r);
            return disc;
        }
        case 1:
            return PolygonPath(RegularPolygon(c, r * 1.1, 4, up));
        case 2:
            return PolygonPath(RegularPolygon(c + QPointF(0, r * 0.15), r * 1.15, 3, up));
        case 3:
            return PolygonPath(RegularPolygon(c, r, 6, 0));
        case 4:
            return PolygonPath(RegularPolygon(c, r * 1.05, 5, up));
        case 5:
            return PolygonPath(Star(c, r * 1.15, r * 0.55, 4, up));
        case 6:
            return ShieldPath(c, r);
        case 7:
            return MoonPath(c, r);
        case 8:
            return PolygonPath(Star(c, r * 1.15, r * 0.5, 5, up));
        case 9:
            return CrownPath(c, r);
        default:
            return PolygonPath(RegularPolygon(c, r, 8, std::numbers::pi / 8));
    }
}

// The largest font of `family` up to `max_px` pixels whose text fits the box.
QFont FittedFont(const QString& text, const QRectF& box, int max_px, bool bold,
                 const QString& family = QStringLiteral("DejaVu Sans")) {
    QFont f(family);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    for (int px = max_px; px > 6; --px) {
        f.setPixelSize(px);
        const QFontMetricsF m(f);
        if (m.horizontalAdvance(text) <= box.width() && m.height() <= box.height()) break;
    }
    return f;
}

void PaintMistyBackground(QPainter& p, const QColor& hue) {
    QLinearGradient sky(0, 0, 0, kSize);
    sky.setColorAt(0.0, hue.lighter(185));
    sky.setColorAt(0.55, hue.lighter(130));
    sky.setColorAt(1.0, hue.darker(160));
    p.fillRect(QRectF(0, 0, kSize, kSize), sky);
    // Low hills of the moor and a band of mist across them.
    QPainterPath hills;
    hills.moveTo(0, kSize * 0.72);
    hills.cubicTo(kSize * 0.3, kSize * 0.6, kSize * 0.55, kSize * 0.78, kSize, kSize * 0.64);
    hills.lineTo(kSize, kSize);
    hills.lineTo(0, kSize);
    hills.closeSubpath();
    p.fillPath(hills, hue.darker(190));
    QLinearGradient mist(0, kSize * 0.55, 0, kSize * 0.8);
    mist.setColorAt(0.0, QColor(255, 255, 255, 0));
    mist.setColorAt(0.5, QColor(255, 255, 255, 70));
    mist.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, kSize * 0.55, kSize, kSize * 0.25), mist);
}

void PaintFrame(QPainter& p, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 4));
    p.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), 10, 10);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRoundedRect(QRectF(5, 5, kSize - 10, kSize - 10), 8, 8);
}

// The name plate at the foot of every picture.
void PaintNamePlate(QPainter& p, const QString& name, const QColor& plate, const QColor& ink) {
    const QRectF box(10, kSize - 34, kSize - 20, 24);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(plate);
    p.drawRoundedRect(box, 6, 6);
    const QRectF text_box = box.adjusted(4, 1, -4, -1);
    p.setFont(FittedFont(name, text_box, 17, true));
    p.setPen(ink);
    p.drawText(text_box, Qt::AlignCenter, name);
}

void PaintCodeMark(QPainter& p, int code, const QColor& ink) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(kSize - 30, 8, 22, 12), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(code));
}

void PaintOrdinary(QPainter& p, int code, const QString& name) {
    const QColor hue = kHues[static_cast<std::size_t>(code)];
    PaintMistyBackground(p, hue);
    const QPointF centre(kSize / 2, kSize * 0.42);
    const QPainterPath emblem = EmblemPath(code, centre, 34);
    QRadialGradient fill(centre - QPointF(10, 12), 48);
    fill.setColorAt(0.0, hue.lighter(170));
    fill.setColorAt(1.0, hue.darker(130));
    p.setPen(QPen(QColor(250, 246, 230), 3));
    p.setBrush(fill);
    p.drawPath(emblem);
    const QString initial = name.isEmpty() ? QString::number(code) : name.left(1).toUpper();
    QFont serif(QStringLiteral("P052"));
    serif.setStyleHint(QFont::Serif);
    serif.setBold(true);
    serif.setPixelSize(34);
    p.setFont(serif);
    p.setPen(QColor(255, 252, 240));
    p.drawText(QRectF(centre.x() - 34, centre.y() - 26, 68, 52), Qt::AlignCenter, initial);
    PaintFrame(p, code < 6 ? QColor(176, 120, 70) : QColor(200, 204, 210));
    PaintNamePlate(p, name, QColor(250, 246, 230), hue.darker(170));
    PaintCodeMark(p, code, QColor(255, 255, 255, 200));
}

// The wild: molten gold from the dwarven forge, a sunburst and WILD across it.
void PaintWild(QPainter& p, const QString& name) {
    QRadialGradient forge(kSize / 2, kSize * 0.45, kSize * 0.75);
    forge.setColorAt(0.0, QColor(255, 236, 150));
    forge.setColorAt(0.45, QColor(240, 160, 30));
    forge.setColorAt(1.0, QColor(120, 40, 10));
    p.fillRect(QRectF(0, 0, kSize, kSize), forge);
    const QPointF centre(kSize / 2, kSize * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 210, 150));
    p.drawPolygon(Star(centre, 56, 22, 12, 0));
    p.setBrush(QColor(150, 40, 10));
    p.drawPolygon(Star(centre, 36, 28, 16, 0.1));
    QFont f =
        FittedFont(QStringLiteral("WILD"), QRectF(0, 0, 96, 40), 36, true, QStringLiteral("P052"));
    p.setFont(f);
    p.setPen(QPen(QColor(60, 20, 0), 1));
    p.drawText(QRectF(centre.x() - 48 + 2, centre.y() - 20 + 2, 96, 40), Qt::AlignCenter,
               QStringLiteral("WILD"));
    p.setPen(QColor(255, 244, 200));
    p.drawText(QRectF(centre.x() - 48, centre.y() - 20, 96, 40), Qt::AlignCenter,
               QStringLiteral("WILD"));
    PaintFrame(p, QColor(255, 215, 0));
    PaintNamePlate(p, name, QColor(90, 30, 5), QColor(255, 220, 120));
    PaintCodeMark(p, kWild, QColor(90, 30, 5));
}

// The scatter: a rune stone glowing in the night mist, rays in every direction.
void PaintScatter(QPainter& p, const QString& name) {
    QRadialGradient night(kSize / 2, kSize * 0.42, kSize * 0.7);
    night.setColorAt(0.0, QColor(120, 220, 255));
    night.setColorAt(0.35, QColor(40, 70, 160));
    night.setColorAt(1.0, QColor(10, 12, 40));
    p.fillRect(QRectF(0, 0, kSize, kSize), night);
    const QPointF centre(kSize / 2, kSize * 0.42);
    p.setPen(QPen(QColor(200, 240, 255, 140), 2));
    for (int i = 0; i < 16; ++i) {
        const double a = 2.0 * std::numbers::pi * i / 16;
        p.drawLine(centre + QPointF(30 * std::cos(a), 30 * std::sin(a)),
                   centre + QPointF(60 * std::cos(a), 60 * std::sin(a)));
    }
    p.setPen(QPen(QColor(230, 250, 255), 3));
    p.setBrush(QColor(20, 40, 110));
    p.drawEllipse(centre, 28, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 245, 255));
    p.drawPolygon(Star(centre, 24, 8, 8, -std::numbers::pi / 2));
    PaintFrame(p, QColor(120, 220, 255));
    PaintNamePlate(p, name, QColor(10, 20, 60), QColor(150, 235, 255));
    PaintCodeMark(p, kScatter, QColor(200, 240, 255));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(200, 240, 255));
    p.drawText(QRectF(8, 8, 80, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ANYWHERE"));
}

}  // namespace

QImage SymbolPicture(int code, const QString& name) {
    QImage image(kSymbolImageSize, kSymbolImageSize, QImage::Format_RGB32);
    image.fill(QColor(24, 28, 34));
    if (code < 0 || code > kScatter) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (code == kWild) {
        PaintWild(p, name);
    } else if (code == kScatter) {
        PaintScatter(p, name);
    } else {
        PaintOrdinary(p, code, name);
    }
    return image;
}

SymbolImageList::SymbolImageList(const std::array<std::string, kSymbols>& names)
    : blank_(QPixmap::fromImage(SymbolPicture(-1, QString()))) {
    for (int code = 0; code < kSymbols; ++code) {
        const auto i = static_cast<std::size_t>(code);
        images_[i] = QPixmap::fromImage(SymbolPicture(code, QString::fromStdString(names[i])));
    }
}

const QPixmap& SymbolImageList::Image(int index) const {
    if (index < 1 || index > kSymbols) return blank_;
    return images_[static_cast<std::size_t>(index - 1)];
}

}  // namespace kragmoor
