// The rule that values one win line (the wild substitutes for ordinary symbols and multiplies a
// run it takes part in, by two unless the game says otherwise; leading wilds are also valued as a
// wild line and the better outcome stands, ties to the ordinary symbol). The game rounds read it
// from the code table built on it (line_codes.h); the exact analysis applies it directly.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_model.h"

namespace kragmoor {

// One line's outcome: the symbol of its run, the run length 0..5 and the win in credits for a
// 1-credit line bet.
struct LineOutcome {
    std::int32_t symbol = 0;
    std::int32_t count = 0;
    std::int32_t win = 0;

    friend bool operator==(const LineOutcome&, const LineOutcome&) = default;
};

using PayTableRef = const std::int16_t (&)[kSymbols][kRunLengths];

// The outcome of the five symbols a line crosses, reels 0..4. Symbols must be codes 0..12. A run of
// two or more of an ordinary symbol with a wild in it pays `wild_multiplier` times (1..10). Pays
// are multiplied in 32 bits, so a multiplied pay above 32767 is kept whole.
LineOutcome EvaluateLineSymbols(const std::array<std::int16_t, kReels>& s, PayTableRef pay,
                                std::int32_t wild_multiplier);

}  // namespace kragmoor
