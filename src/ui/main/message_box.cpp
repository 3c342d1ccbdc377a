#include "ui/main/message_box.h"

#include <QMessageBox>
#include <utility>

#include "model/config.h"

namespace kragmoor {
namespace {

MessageHandler& CurrentHandler() {
    static MessageHandler handler;
    return handler;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

QString ApplicationTitle() {
    return QString::fromUtf8(config::kGameName);
}

void ShowMessage(QWidget* parent, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (CurrentHandler()) {
        CurrentHandler()(parent, ApplicationTitle(), shown);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), shown, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace kragmoor
