#include "ui/main/credit_entry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kragmoor {

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

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
    if (typed.size() == 1 && IsDigit(typed[0])) return CreditKey::Digit;
    return CreditKey::Other;
}

CreditEntry::CreditEntry(QWidget* parent) : QLineEdit(parent) {
    // Text reaches the field only through the keys and the pastes, which the filter sees.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);  // digits need no composing
}

void CreditEntry::TypePasted(const QString& text) {
    for (const QChar c : text.trimmed()) {
        if (!IsDigit(c)) clear();
        insert(QString(c));
    }
}

void CreditEntry::keyPressEvent(QKeyEvent* event) {
    // Ctrl+V types no digit and Shift+Insert types nothing: both would paste unfiltered.
    if (event->matches(QKeySequence::Paste)) {
        TypePasted(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
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

// Where the system has a selection (X11), the middle button pastes it.
void CreditEntry::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        TypePasted(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace kragmoor
