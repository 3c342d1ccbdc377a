// The scatter counts that bring free spins, grouped by how many spins they bring. The analysis
// sums a game's windows group by group before it divides, so that a game whose counts all bring
// the same spins is valued in exactly the arithmetic of a single award.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_rules.h"

namespace kragmoor {

struct SpinGroups {
    static constexpr int kMaxGroups = kMaxScatters + 1 - kTriggerScatters;  // 3, 4 and 5 apart

    int count = 0;
    std::array<std::int32_t, kMaxGroups> spins{};  // of each group, in the order of the counts
    // The group of each scatter count 0..5, or -1 when that count brings no spins.
    std::array<std::int8_t, kMaxScatters + 1> group_of{-1, -1, -1, -1, -1, -1};
};

SpinGroups GroupBySpins(const GameRules::SpinsByScatters& spins);

// E[A] and E[A (A - 1)] of the spins A that the groups bring, given that some group comes, from
// each group's chance and their sum `total`. When no group can come, the smallest award: the one
// a feature would come with.
struct SpinMoments {
    double mean = 0;
    double factorial = 0;
};
SpinMoments MomentsGivenSpins(const SpinGroups& groups,
                              const std::array<double, SpinGroups::kMaxGroups>& chance,
                              double total);

}  // namespace kragmoor
