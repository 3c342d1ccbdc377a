// The par sheet window's figures as aligned text: the RTP and its parts, how often a game wins
// and a feature comes, the spread of a game's win (standard deviation and volatility index), the
// largest base-game win, the range a run's RTP stays within for 10^3 to 10^9 games, the
// distribution of the base game's win and the designed RTP against the exact one.
#pragma once

#include <string>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

// Lines end with '\n'.
std::string ParSheetFigures(const GameDefinition& def, const ExactAnalysis& a);

// A figure with `decimals` decimals, "infinite" where retriggers never die out.
std::string FigureText(double value, int decimals);

}  // namespace kragmoor
