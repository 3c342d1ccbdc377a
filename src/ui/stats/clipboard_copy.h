// The statistics windows' clipboard copy: a click puts the window's table on the clipboard at
// once, while a label in the middle of the window says "Копиране на данните в клипборда!" for a
// second, then after a beep "Данните са в клипборда!" for another. Everything else keeps
// working meanwhile; a second click during the two seconds is ignored, and the grid does not
// repaint under the label.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAbstractItemView;
class QLabel;
class QWidget;

namespace kragmoor {

class ClipboardCopy : public QObject {
    Q_OBJECT

  public:
    // The label (named "Label1") is made in `window`, over `grid`, hidden until a copy.
    ClipboardCopy(QWidget* window, QAbstractItemView* grid);

    // Copies what `text` returns and shows the two notices; returns when they are over (or the
    // window was destroyed meanwhile). Does nothing while a copy is still showing.
    void Copy(const std::function<QString()>& text);
    // Keeps the label in the middle of the window; called when the window is resized.
    void Centre();

  private:
    QWidget* window_;
    QAbstractItemView* grid_;
    QLabel* label_;
    bool copying_ = false;
};

}  // namespace kragmoor
