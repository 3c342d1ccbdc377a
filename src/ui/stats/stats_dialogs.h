// The statistics windows' message boxes, titled with the application's name.
#pragma once

#include <QString>

class QWidget;

namespace kragmoor {

QString StatsTitle();

// OK / Cancel (yes_no false) or Yes / No; true for OK or Yes.
bool AskQuestion(QWidget* parent, const QString& text, bool yes_no);

// A warning with an OK button: modal when `wait`, otherwise shown and left to the user, so that
// a running automatic run goes on.
void TellError(QWidget* parent, const QString& text, bool wait);

}  // namespace kragmoor
