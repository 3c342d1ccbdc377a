#include "ui/main/message_box.h"

#include <QMessageBox>

#include "model/config.h"

namespace kragmoor {
QString ApplicationTitle() {
    return QString::fromUtf8(config::kGameName);
}

void ShowMessage(QWidget* parent, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), shown, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kragmoor
