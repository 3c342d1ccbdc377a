#include "ui/main/moor_banner.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "model/config.h"

namespace kragmoor {
namespace {

QPainterPath Ridge(double w, double h, double base, double lift, double phase) {
    QPainterPath ridge;
    ridge.moveTo(0, h);
    ridge.lineTo(0, base);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        const double x = w * i / kSteps;
        const double peak = ((i + static_cast<int>(phase)) % 3 == 0) ? lift : lift * 0.45;
        ridge.quadTo(x - w / kSteps / 2, base - peak, x, base - lift * 0.2);
    }
    ridge.lineTo(w, h);
    ridge.closeSubpath();
    return ridge;
}

}  // namespace

QPixmap MoorBanner(QSize size) {
    QPixmap pixmap(size);
    const double w = size.width();
    const double h = size.height();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(38, 48, 70));
    sky.setColorAt(0.7, QColor(110, 118, 130));
    sky.setColorAt(1.0, QColor(150, 150, 140));
    p.fillRect(pixmap.rect(), sky);

    QRadialGradient forge(w * 0.82, h * 0.95, h * 0.9);
    forge.setColorAt(0.0, QColor(255, 150, 40, 200));
    forge.setColorAt(1.0, QColor(255, 150, 40, 0));
    p.fillRect(pixmap.rect(), forge);

    p.fillPath(Ridge(w, h, h * 0.78, h * 0.45, 0), QColor(58, 66, 78));
    p.fillPath(Ridge(w, h, h * 0.92, h * 0.25, 1), QColor(44, 52, 46));
    QLinearGradient mist(0, h * 0.55, 0, h);
    mist.setColorAt(0.0, QColor(230, 232, 236, 0));
    mist.setColorAt(0.6, QColor(230, 232, 236, 110));
    mist.setColorAt(1.0, QColor(230, 232, 236, 40));
    p.fillRect(QRectF(0, h * 0.55, w, h * 0.45), mist);

    QFont title(QStringLiteral("P052"));
    title.setStyleHint(QFont::Serif);
    title.setBold(true);
    title.setPixelSize(static_cast<int>(h * 0.52));
    title.setLetterSpacing(QFont::PercentageSpacing, 130);
    p.setFont(title);
    const QString name = QString::fromUtf8(config::kGameName).toUpper();
    const QRectF box(0, 0, w, h * 0.9);
    p.setPen(QColor(20, 12, 4, 200));
    p.drawText(box.translated(2, 2), Qt::AlignCenter, name);
    p.setPen(QColor(236, 196, 110));
    p.drawText(box, Qt::AlignCenter, name);
    return pixmap;
}

}  // namespace kragmoor
