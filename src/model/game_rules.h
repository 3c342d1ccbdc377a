// The rules a definition may set in its GAME RULES section: the wild's multiplier, the free
// spins that 3, 4 and 5 scatters award and add, the free spins' multiplier and where the 20 win
// lines come from. A definition without the section, or a key it leaves out, keeps the game's own
// rule, the value each field starts with.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_constants.h"

namespace kragmoor {

struct GameRules {
    // Spins by scatters counted: index 3, 4 and 5 (more in the window count as five); below three
    // nothing. An award of 0 means that count starts (or adds) no spins.
    using SpinsByScatters = std::array<std::int32_t, kMaxScatters + 1>;

    // The factor of a line win that a wild takes part in (1: the wild only substitutes).
    std::int32_t WildMultiplier = 2;
    // Spins a base game awards by its scatters, and spins a free spin adds by its scatters.
    SpinsByScatters FreeSpins = {0, 0, 0, 15, 15, 15};
    SpinsByScatters Retrigger = {0, 0, 0, 15, 15, 15};
    // The factor of every free-spin win, lines and scatters.
    std::int32_t FreeSpinMultiplier = 4;
    // The win lines are the definition's WIN LINE DESCRIPTION rows, not the built-in ones.
    bool LinesFromDefinition = false;

    friend bool operator==(const GameRules&, const GameRules&) = default;
};

// The range of each key's values, as the reader enforces them.
inline constexpr std::int32_t kMaxWildMultiplier = 10;
inline constexpr std::int32_t kMaxSpinsPerAward = 1000;
inline constexpr std::int32_t kMaxFreeSpinMultiplier = 100;

}  // namespace kragmoor
