// What kragmoor-sim --exact prints: the game's exact return, computed from its strips and
// paytable, as text or as one JSON object.
#pragma once

#include <string>

#include "engine/exact_return.h"
#include "model/game_model.h"

namespace kragmoor::cli {

std::string ExactSummaryText(const GameDefinition& def, const ExactReturn& x);
std::string ExactSummaryJson(const GameDefinition& def, const ExactReturn& x);

}  // namespace kragmoor::cli
