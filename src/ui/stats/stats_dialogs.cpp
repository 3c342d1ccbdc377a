#include "ui/stats/stats_dialogs.h"

#include <QMessageBox>

#include "model/config.h"

namespace kragmoor {

QString StatsTitle() {
    return QString::fromUtf8(config::kGameName);
}

bool AskQuestion(QWidget* parent, const QString& text, bool yes_no) {
    const auto buttons =
        yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, StatsTitle(), text, buttons, parent);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void TellError(QWidget* parent, const QString& text, bool wait) {
    auto* box = new QMessageBox(QMessageBox::Warning, StatsTitle(), text, QMessageBox::Ok, parent);
    if (wait) {
        box->exec();
        delete box;
        return;
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace kragmoor
