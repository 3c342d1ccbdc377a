// The paying combinations of a base game with their odds: every line result that books a win
// (wild-doubled runs in rows of their own, five wilds as the jackpot), 2 to 5 scatters and the
// feature, each checked against the regulators' odds rules.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/analysis/exact_analysis.h"
#include "engine/analysis/line_automaton.h"
#include "engine/analysis/window_enumeration.h"

namespace kragmoor {

// `line_outcomes`: CountLineOutcomes of the base strips; `base`: the base game's window law
// (its windows and scatter counts); `awards`: the spins the base game's scatter counts bring;
// `feature`: the feature's law. The feature is one row "3 or more" when 3, 4 and 5 scatters
// bring the same spins, otherwise a row per count that brings spins.
std::vector<Combination> PayingCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& base,
    const SpinGroups& awards, const FeatureLaw& feature);

}  // namespace kragmoor
