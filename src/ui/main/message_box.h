// The application's message boxes: an OK button and the application's name as the title.
#pragma once

#include <QString>

class QWidget;

namespace kragmoor {

// The title of every message box and of the application.
QString ApplicationTitle();

// Shows `text` with an OK button and returns when the box is closed.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace kragmoor
