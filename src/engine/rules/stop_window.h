// The window a reel stop shows: the stop in the middle row, the positions before and after it
// above and below, the strip wrapping around at both ends. The game rounds, the exact analysis
// and the window at load all take a stop's window from here.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_model.h"

namespace kragmoor {

// The strip positions a stop shows in rows 0..2 on a reel whose last position is `last`.
constexpr std::array<int, kRows> WindowPositions(int stop, int last) {
    return {stop == 0 ? last : stop - 1, stop, stop == last ? 0 : stop + 1};
}

// The symbols `reel` shows in rows 0..2 at `stop`.
inline std::array<std::int16_t, kRows> WindowColumn(const ReelStrips& strip, int reel, int stop,
                                                    int last) {
    const std::array<int, kRows> at = WindowPositions(stop, last);
    return {strip[at[0]][reel], strip[at[1]][reel], strip[at[2]][reel]};
}

}  // namespace kragmoor
