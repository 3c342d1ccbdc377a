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
// (its windows and scatter counts); `feature`: the feature's law.
std::vector<Combination> PayingCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& base,
    const FeatureLaw& feature);

}  // namespace kragmoor
