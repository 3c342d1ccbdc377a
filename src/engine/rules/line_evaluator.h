// The rules that value one filled window: the 20 win lines (the wild substitutes for ordinary
// symbols and doubles a run it takes part in; leading wilds are also valued as a wild line and
// the better result stands, ties to the ordinary symbol) and the scatters anywhere in the
// window (at most 5 counted).
#pragma once

#include <array>
#include <cstdint>

#include "model/game_model.h"

namespace kragmoor {

// One line's result: the symbol of its run, the run length 0..5 and the win in credits for a
// 1-credit line bet.
struct LineOutcome {
    std::int32_t symbol = 0;
    std::int32_t count = 0;
    std::int32_t win = 0;

    friend bool operator==(const LineOutcome&, const LineOutcome&) = default;
};

using PayTableRef = const std::int16_t (&)[kSymbols][kRunLengths];

// The result of the five symbols a line crosses, reels 0..4. Symbols must be codes 0..12.
// Pays are multiplied in 32 bits, so a doubled pay above 32767 is kept whole.
LineOutcome EvaluateLineSymbols(const std::array<std::int16_t, kReels>& s, PayTableRef pay);

// EvaluateLine(line): values line 0..19 on state.Window into state.LineResult(line, 0..2).
void EvaluateLine(const GameDefinition& def, RunState& state, int line);

// Counts the scatters of state.Window (capped at 5) into state.LineResult(20, ·): symbol 12, the
// count and PayTable(12, count), the pay per unit of the total bet.
void EvaluateScatters(const GameDefinition& def, RunState& state);

}  // namespace kragmoor
