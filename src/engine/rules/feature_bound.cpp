#include "engine/rules/feature_bound.h"

#include <array>
#include <cstdio>
#include <memory>

#include "engine/rules/line_codes.h"
#include "model/definition_reader.h"

namespace kragmoor {

RetriggerCount CountRetriggers(const GameDefinition& def) {
    // The columns the game itself plays, so that the scatters are counted as a free spin counts
    // them (the strip wraps around at both ends).
    const auto columns = std::make_unique<StripColumns>(def.FsReelStrip, def.FsReelLen);
    // ways[n]: stop combinations of the reels so far that show n scatters.
    std::array<std::uint64_t, kReels * kRows + 1> ways{};
    ways[0] = 1;
    std::uint64_t windows = 1;
    for (int r = 0; r < kReels; ++r) {
        std::array<std::uint64_t, kRows + 1> stops{};  // stops of this reel showing 0..3
        for (int stop = 0; stop <= def.FsReelLen[r]; ++stop)
            ++stops[columns->reel[r][stop].scatters];
        std::array<std::uint64_t, kReels * kRows + 1> next{};
        for (std::size_t have = 0; have + kRows < next.size(); ++have) {
            for (std::size_t add = 0; add <= kRows; ++add)
                next[have + add] += ways[have] * stops[add];
        }
        ways = next;
        windows *= static_cast<std::uint64_t>(def.FsReelLen[r] + 1);
    }
    RetriggerCount count;
    count.windows = windows;
    for (std::size_t n = kTriggerScatters; n < ways.size(); ++n) count.retriggering += ways[n];
    return count;
}

void CheckFeaturesEnd(const GameDefinition& def, const std::string& file) {
    const RetriggerCount count = CountRetriggers(def);
    if (count.FeaturesEnd()) return;
    char once_in[32];
    std::snprintf(once_in, sizeof once_in, "%.2f",
                  static_cast<double>(count.windows) / static_cast<double>(count.retriggering));
    throw DefinitionError(file, 0,
                          std::string("free-spins reels: the free spins retrigger once in ") +
                              once_in +
                              " spins, so a feature never ends (15 \u00d7 chance \u2265 1)");
}

}  // namespace kragmoor
