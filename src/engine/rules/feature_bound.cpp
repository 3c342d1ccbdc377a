#include "engine/rules/feature_bound.h"

#include <cstdio>
#include <memory>

#include "engine/rules/line_codes.h"
#include "engine/rules/spin_awards.h"
#include "model/definition_reader.h"

namespace kragmoor {

namespace {

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

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
    for (std::size_t n = 0; n < ways.size(); ++n)
        count.by_scatters[std::min<std::size_t>(n, kMaxScatters)] += ways[n];
    for (std::size_t n = kTriggerScatters; n <= kMaxScatters; ++n) {
        const auto spins = static_cast<std::uint64_t>(def.Rules.Retrigger[n]);
        if (spins == 0) continue;
        count.retriggering += count.by_scatters[n];
        count.added_spins += count.by_scatters[n] * spins;
    }
    return count;
}

void CheckFeaturesEnd(const GameDefinition& def, const std::string& file) {
    const RetriggerCount count = CountRetriggers(def);
    if (count.FeaturesEnd()) return;
    const SpinGroups groups = GroupBySpins(def.Rules.Retrigger);
    std::string why;
    if (groups.count == 1) {
        why = "the free spins retrigger once in " +
              TwoDecimals(static_cast<double>(count.windows) /
                          static_cast<double>(count.retriggering)) +
              " spins, so a feature never ends (" + std::to_string(groups.spins[0]) +
              " \u00d7 chance \u2265 1)";
    } else {
        why = "a free spin adds " +
              TwoDecimals(static_cast<double>(count.added_spins) /
                          static_cast<double>(count.windows)) +
              " spins on average, so a feature never ends (spins added \u2265 1)";
    }
    throw DefinitionError(file, 0, "free-spins reels: " + why);
}

}  // namespace kragmoor
