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

struct Case {
    const char* name;
    std::vector<std::string> reels;  // free-spins reels 0, 1, ...; the others 30 positions, no S
    std::uint64_t retriggering;      // combinations of the listed reels' stops that retrigger
    double spins;                    // a feature's spins on average
    const char* refused_rate;        // spins per retrigger named by the refusal
};

// A game is refused, and its feature valued as endless, exactly when 15 x q >= 1.
TEST(FeatureBound, RetriggersAreCountedOverEveryStopCombination) {
    const Case cases[] = {
        {"no scatter", {}, 0, 15, nullptr},
        {"all scatters",
         {std::string(30, 'S'), std::string(30, 'S'), std::string(30, 'S')},
         30 * 30 * 30,
         kEndless,
         "1.00"},
        // One scatter on each of reels of 5, 9 and 9 positions: 27 of 405 windows, 15 q = 1.
        {"at the bound", {Reel(5, {0}), Reel(9, {0}), Reel(9, {0})}, 27, kEndless, "15.00"},
        // 81 of 1216: 15 q = 1215 / 1216, so 15 / (1 - 15 q) = 15 x 1216 spins.
        {"just under", {Reel(8, {0}), Reel(8, {0}), Reel(19, {0, 3, 6})}, 81, 18240, nullptr},
        // Stop 1 of a two-position reel shows its scatter twice: three with reel 1's in half.
        {"two positions", {Reel(2, {0}), Reel(3, {0})}, 3, kEndless, "2.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameDefinition def = test::SmallGame();
        std::uint64_t windows = 1, rest = 1;  // of the listed reels, of the others
        for (std::size_t r = 0; r < kReels; ++r) {
            if (r < c.reels.size()) test::SetStrip(def, static_cast<int>(r), c.reels[r], true);
            (r < c.reels.size() ? windows : rest) *= def.FsReelLen[r] + 1u;
        }
        const RetriggerCount count = CountRetriggers(def);
        EXPECT_EQ(count.windows, windows * rest);
        EXPECT_EQ(count.retriggering, c.retriggering * rest);
        EXPECT_EQ(count.FeaturesEnd(), c.refused_rate == nullptr);
        EXPECT_EQ(ComputeExactReturn(def).free_spins_per_feature, c.spins);
        try {
            CheckFeaturesEnd(def, "dir/ReelSetup.ini");
            EXPECT_EQ(c.refused_rate, nullptr) << "accepted";
        } catch (const DefinitionError& e) {
            EXPECT_EQ(e.what(),
                      "dir/ReelSetup.ini: free-spins reels: the free spins retrigger "
                      "once in " +
                          std::string(c.refused_rate ? c.refused_rate : "?") +
                          " spins, so a feature never ends (15 \u00d7 chance \u2265 1)");
        }
    }
}

// Another game's retriggers: the spins added by each scatter count, against the bound m < 1. One
// scatter on each of reels of 5, 9 and 9 positions: 27 of 405 windows show exactly three.
TEST(FeatureBound, TheSpinsAddedByEachScatterCountAreWhatCounts) {
    struct RuleCase {
        const char* name;
        GameRules::SpinsByScatters retrigger;
        double spins;         // a feature of 10 spins, on average
        const char* refusal;  // the refusal's reason, after "free-spins reels: "
    };
    const RuleCase cases[] = {
        {"no retrigger", {0, 0, 0, 0, 0, 0}, 10, nullptr},
        {"14 of three", {0, 0, 0, 14, 99, 99}, 10.0 * 405 / (405 - 14 * 27), nullptr},
        {"16 of three",
         {0, 0, 0, 16, 0, 0},
         kEndless,
         "the free spins retrigger once in 15.00 spins, so a feature never ends (16 \u00d7 "
         "chance \u2265 1)"},
        {"16 of three, 1 of more",
         {0, 0, 0, 16, 1, 1},
         kEndless,
         "a free spin adds 1.07 spins on average, so a feature never ends (spins added \u2265 "
         "1)"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        GameDefinition def = test::SmallGame();
        test::SetStrip(def, 0, Reel(5, {0}), true);
        test::SetStrip(def, 1, Reel(9, {0}), true);
        test::SetStrip(def, 2, Reel(9, {0}), true);
        def.Rules.FreeSpins = {0, 0, 0, 10, 10, 10};
        def.Rules.Retrigger = c.retrigger;
        EXPECT_EQ(ComputeExactReturn(def).free_spins_per_feature, c.spins);
        try {
            CheckFeaturesEnd(def, "ReelSetup.ini");
            EXPECT_EQ(c.refusal, nullptr) << "accepted";
        } catch (const DefinitionError& e) {
            EXPECT_EQ(e.what(), "ReelSetup.ini: free-spins reels: " +
                                    std::string(c.refusal ? c.refusal : "?"));
        }
    }
}

}  // namespace
}  // namespace kragmoor
