// A feature ends, on average, only while its free spins retrigger less often than once in 15
// spins: every spin brings 15 more with chance q, so a feature expects N = 15 + 15 q N spins,
// finite only while 15 q < 1. The chance is counted exactly, as the stop combinations of the
// free-spins reels that show three or more scatters, so that a game right at the bound is told
// apart from one just below it.
#pragma once

#include <cstdint>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

struct RetriggerCount {
    std::uint64_t retriggering = 0;  // stop combinations showing 3 or more scatters
    std::uint64_t windows = 0;       // all stop combinations: the product of the reel lengths

    // 15 q < 1, in whole numbers: at most 101^5 windows, so 15 x that fits 64 bits.
    bool FeaturesEnd() const { return std::uint64_t{15} * retriggering < windows; }
};

// Over the free-spins reels of a definition the reader accepts.
RetriggerCount CountRetriggers(const GameDefinition& def);

// Refuses a game whose features never end with a DefinitionError naming `file`: "the free spins
// retrigger once in X spins, so a feature never ends (15 × chance ≥ 1)".
void CheckFeaturesEnd(const GameDefinition& def, const std::string& file);

}  // namespace kragmoor
