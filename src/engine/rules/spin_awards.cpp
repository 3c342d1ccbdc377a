#include "engine/rules/spin_awards.h"

#include <algorithm>

namespace kragmoor {

SpinGroups GroupBySpins(const GameRules::SpinsByScatters& spins) {
    SpinGroups g;
    for (int n = kTriggerScatters; n <= kMaxScatters; ++n) {
        const std::int32_t s = spins[static_cast<std::size_t>(n)];
        if (s <= 0) continue;
        int group = 0;
        while (group < g.count && g.spins[static_cast<std::size_t>(group)] != s) ++group;
        if (group == g.count) g.spins[static_cast<std::size_t>(g.count++)] = s;
        g.group_of[static_cast<std::size_t>(n)] = static_cast<std::int8_t>(group);
    }
    return g;
}

SpinMoments MomentsGivenSpins(const SpinGroups& groups,
                              const std::array<double, SpinGroups::kMaxGroups>& chance,
                              double total) {
    SpinMoments m;
    if (groups.count == 0) return m;
    const auto n = static_cast<std::size_t>(groups.count);
    if (total == 0) {
        const double a =
            *std::min_element(groups.spins.begin(), groups.spins.begin() + groups.count);
        return {a, a * (a - 1)};
    }
    for (std::size_t g = 0; g < n; ++g) {
        const double a = groups.spins[g];
        const double share = chance[g] / total;
        m.mean += a * share;
        m.factorial += a * (a - 1) * share;
    }
    return m;
}

}  // namespace kragmoor
