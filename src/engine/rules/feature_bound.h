// A feature ends, on average, only while a free spin adds fewer than one spin: with m the spins
// one free spin adds on average (its retrigger's spins times their chance, summed over the
// scatter counts), a feature of A spins expects N = A + m N of them, finite only while m < 1.
// The spins added are counted exactly, over the stop combinations of the free-spins reels by the
// scatters they show, so that a game right at the bound is told apart from one just below it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

struct RetriggerCount {
    std::array<std::uint64_t, kMaxScatters + 1> by_scatters{};  // stop combinations showing
                                                                // 0..5 scatters (5: or more)
    std::uint64_t retriggering = 0;                             // stop combinations that add spins
    std::uint64_t added_spins = 0;                              // the spins they add, all together
    std::uint64_t windows = 0;  // all stop combinations: the product of the reel lengths

    // m < 1 in whole numbers: at most 101^5 windows, each adding at most 1000 spins, fits 64 bits.
    bool FeaturesEnd() const { return added_spins < windows; }
};

// Over the free-spins reels of a definition the reader accepts, under its retrigger rule.
RetriggerCount CountRetriggers(const GameDefinition& def);

// Refuses a game whose features never end with a DefinitionError naming `file`: when every
// retrigger adds the same k spins, "the free spins retrigger once in X spins, so a feature never
// ends (k × chance ≥ 1)"; otherwise "a free spin adds X spins on average, so a feature never
// ends (spins added ≥ 1)".
void CheckFeaturesEnd(const GameDefinition& def, const std::string& file);

}  // namespace kragmoor
