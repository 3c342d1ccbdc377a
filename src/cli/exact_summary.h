// What kragmoor-sim --exact prints: the game's exact analysis, computed from its strips and
// paytable, as aligned text or as one JSON object.
#pragma once

#include <cstddef>
#include <string>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor::cli {

std::string ExactSummaryText(const GameDefinition& def, const ExactAnalysis& a);
std::string ExactSummaryJson(const GameDefinition& def, const ExactAnalysis& a);

// A bin of the base-game win distribution by its bounds in bets: "<=0" (no win), "<=1",
// "<=2", ..., "<=100", ">100".
std::string WinBinLabel(std::size_t bin);

}  // namespace kragmoor::cli
