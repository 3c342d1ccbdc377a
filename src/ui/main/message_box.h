// The application's message boxes: an OK button and the application's name as the title. Tests
// install a handler to see the texts instead of a modal box.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kragmoor {

using MessageHandler =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// Installs `handler` (an empty function restores the modal box); returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// The title of every message box and of the application.
QString ApplicationTitle();

// Shows `text` with an OK button and returns when the box is closed.
void ShowMessage(QWidget* parent, const QString& text);

}  // namespace kragmoor
