// The bound beyond which a feature never ends: retriggers counted over every free-spins window.
#include "engine/rules/feature_bound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/analysis/exact_return.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

// A free-spins reel with scatters at the given positions; other positions hold symbol 3.
std::string Reel(std::size_t length, std::initializer_list<std::size_t> scatters) {
    std::string strip(length, '3');
    for (std::size_t p : scatters) strip[p] = 'S';
    return strip;
}

constexpr double kEndless = std::numeric_limits<double>::infinity();

// A game is refused, and its feature of 10 spins valued as endless, exactly when a free spin adds
// one spin or more on average: 15 q >= 1 under retriggers of 15 spins.
TEST(FeatureBound, RetriggersAreCountedOverEveryStopCombination) {
    struct Case {
        const char* name;
        std::vector<std::string>
            reels;  // free-spins reels 0, 1, ...; the others 30 positions, no S
        GameRules::SpinsByScatters retrigger;
        std::uint64_t retriggering;  // combinations of the listed reels' stops that retrigger
        double spins;                // a feature's spins on average
        std::string refusal;         // the reason, after "free-spins reels: "; "" when accepted
    };
    const GameRules::SpinsByScatters fifteen = {0, 0, 0, 15, 15, 15};
    const auto once_in = [](const char* spins, int times) {
        return "the free spins retrigger once in " + std::string(spins) +
               " spins, so a feature never ends (" + std::to_string(times) +
               " \u00d7 chance \u2265 1)";
    };
    // Reels of 5, 9 and 9 positions with one scatter each: 27 of 405 windows show three.
    const std::vector<std::string> bound = {Reel(5, {0}), Reel(9, {0}), Reel(9, {0})};
    const std::string all(30, 'S');
    const Case cases[] = {
        {"no scatter", {}, fifteen, 0, 10, ""},
        {"all scatters", {all, all, all}, fifteen, 30 * 30 * 30, kEndless, once_in("1.00", 15)},
        {"at the bound", bound, fifteen, 27, kEndless, once_in("15.00", 15)},
        // 81 of 1216: 15 q = 1215 / 1216, so 10 / (1 - 15 q) = 10 x 1216 spins.
        {"just under", {Reel(8, {0}), Reel(8, {0}), Reel(19, {0, 3, 6})}, fifteen, 81, 12160, ""},
        // Stop 1 of a two-position reel shows its scatter twice: three with reel 1's in half.
        {"two positions", {Reel(2, {0}), Reel(3, {0})}, fifteen, 3, kEndless, once_in("2.00", 15)},
        // Another game's retriggers: the spins added by each scatter count are what counts.
        {"no retrigger", bound, {0, 0, 0, 0, 0, 0}, 0, 10, ""},
        {"14 of three", bound, {0, 0, 0, 14, 99, 99}, 27, 10.0 * 405 / (405 - 14 * 27), ""},
        {"16 of three", bound, {0, 0, 0, 16, 0, 0}, 27, kEndless, once_in("15.00", 16)},
        {"16 of three, 1 of more",
         bound,
         {0, 0, 0, 16, 1, 1},
         27,
         kEndless,
         "a free spin adds 1.07 spins on average, so a feature never ends (spins added \u2265 1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameDefinition def = test::SmallGame();
        def.Rules.FreeSpins = {0, 0, 0, 10, 10, 10};
        def.Rules.Retrigger = c.retrigger;
        std::uint64_t windows = 1, rest = 1;  // of the listed reels, of the others
        for (std::size_t r = 0; r < kReels; ++r) {
            if (r < c.reels.size()) test::SetStrip(def, static_cast<int>(r), c.reels[r], true);
            (r < c.reels.size() ? windows : rest) *= def.FsReelLen[r] + 1u;
        }
        const RetriggerCount count = CountRetriggers(def);
        EXPECT_EQ(std::pair(count.windows, count.retriggering),
                  std::pair(windows * rest, c.retriggering * rest));
        EXPECT_EQ(count.FeaturesEnd(), c.refusal.empty());
        EXPECT_EQ(ComputeExactReturn(def).free_spins_per_feature, c.spins);
        try {
            CheckFeaturesEnd(def, "dir/ReelSetup.ini");
            EXPECT_EQ(c.refusal, "") << "accepted";
        } catch (const DefinitionError& e) {
            EXPECT_EQ(e.what(), "dir/ReelSetup.ini: free-spins reels: " + c.refusal);
        }
    }
}

}  // namespace
}  // namespace kragmoor
