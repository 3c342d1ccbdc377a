#include "ui/main/window_caption.h"

#include <QLocale>

#include "model/text_format.h"

namespace kragmoor {

QString WindowCaption(const GameDefinition& def, const QString& decimal_point) {
    QString rtp = QString::fromStdString(text::SingleText(def.GameRTP, '.'));
    rtp.replace(QLatin1Char('.'), decimal_point);
    return QStringLiteral(" SLOT  Simulator") + QStringLiteral(" RTP = ") + rtp +
           QStringLiteral("% ") + QStringLiteral(" ver.") + QString::fromStdString(def.GameVersion);
}

QString WindowCaption(const GameDefinition& def) {
    return WindowCaption(def, QLocale::system().decimalPoint());
}

}  // namespace kragmoor
