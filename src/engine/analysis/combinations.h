// The paying combinations of a base game with their odds: every line result that books a win
// (wild-doubled runs in rows of their own, five wilds as the jackpot), 2 to 5 scatters and the
// feature, each checked against the regulators' odds rules; and those of one free spin, its
// retriggers in place of the feature.
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

// The same of one free spin: `line_outcomes` and `free` of the free-spin strips, `retriggers`
// the spins its scatter counts add (rows as the feature's), `base` and `awards` as above for the
// spins a paid game brings.
FreeSpinTable FreeSpinCombinations(
    const GameDefinition& def, const LineAutomaton& automaton,
    const std::array<std::uint64_t, LineAutomaton::kCodes>& line_outcomes, const WindowLaw& free,
    const SpinGroups& retriggers, const WindowLaw& base, const SpinGroups& awards);

}  // namespace kragmoor
