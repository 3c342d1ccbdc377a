// What kragmoor-sim --games 0 prints: the game as loaded, as text or as one JSON object.
#pragma once

#include <string>

#include "engine/play/session.h"

namespace kragmoor::cli {

std::string LoadSummaryText(const Session& session);
std::string LoadSummaryJson(const Session& session);

}  // namespace kragmoor::cli
