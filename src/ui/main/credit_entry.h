// The credit entry field txtAddCredit and its key filter: digits are typed as usual, Esc cancels,
// Enter books, and any other key that types something (a letter, a blank, a minus sign,
// backspace) first empties the field and is then processed as usual, so "12a" leaves "a".
// Keys that type nothing (arrows, Delete, Home, shift) pass unfiltered. Every other way text
// could come in goes through the same rule: a paste (its keys or the middle mouse button) is
// typed character by character, without the blanks and line ends around it; there is no
// context menu, no drop and no input-method text.
#pragma once

#include <QLineEdit>

class QKeyEvent;
class QMouseEvent;

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
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Types `text` as the keys would: a digit joins the field at the cursor, any other character
    // first empties it.
    void TypePasted(const QString& text);
};

}  // namespace kragmoor
