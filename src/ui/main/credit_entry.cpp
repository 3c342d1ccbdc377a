#include "ui/main/credit_entry.h"

#include <QKeyEvent>

namespace kragmoor {

CreditKey ClassifyCreditKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            return CreditKey::Escape;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return CreditKey::Enter;
        case Qt::Key_Backspace:
            return CreditKey::Other;
        default:
            break;
    }
    const QString typed = event.text();
    if (typed.isEmpty()) return CreditKey::Untyped;
    if (typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9') return CreditKey::Digit;
    return CreditKey::Other;
}

CreditEntry::CreditEntry(QWidget* parent) : QLineEdit(parent) {
    // Text reaches the field only through the keys, which the filter sees.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
}

void CreditEntry::keyPressEvent(QKeyEvent* event) {
    switch (ClassifyCreditKey(*event)) {
        case CreditKey::Escape:
            emit escapePressed();
            return;
        case CreditKey::Enter:
            emit enterPressed();
            return;
        case CreditKey::Other:
            clear();
            break;
        case CreditKey::Digit:
        case CreditKey::Untyped:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace kragmoor
