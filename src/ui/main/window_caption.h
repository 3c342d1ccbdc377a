// The main window's caption: " SLOT  Simulator RTP = " and the designed RTP with up to seven
// significant digits in the system's number format, "% ", " ver." and the game version.
#pragma once

#include <QString>

#include "model/game_model.h"

namespace kragmoor {

QString WindowCaption(const GameDefinition& def, const QString& decimal_point);

// The same with the decimal point of the system's locale.
QString WindowCaption(const GameDefinition& def);

}  // namespace kragmoor
