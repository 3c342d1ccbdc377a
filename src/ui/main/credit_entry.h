// The credit entry field txtAddCredit and its key filter: digits are typed as usual, Esc cancels,
// Enter books, and any other key that types something (a letter, a blank, a minus sign,
// backspace) first empties the field and is then processed as usual, so "12a" leaves "a".
// Keys that type nothing (arrows, Delete, Home, shift) pass unfiltered.
#pragma once

#include <QLineEdit>

class QKeyEvent;

namespace kragmoor {

enum class CreditKey { Digit, Escape, Enter, Other, Untyped };

// How the filter treats a key.
CreditKey ClassifyCreditKey(const QKeyEvent& event);

class CreditEntry : public QLineEdit {
    Q_OBJECT
  public:
    explicit CreditEntry(QWidget* parent = nullptr);

  signals:
    void escapePressed();
    void enterPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kragmoor
