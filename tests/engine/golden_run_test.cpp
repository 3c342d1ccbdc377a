// Whole runs of the reference games (today's rules, and the same strips under a GAME RULES
// section) against an independent model's files, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/play/headless_run.h"
#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "test_support.h"

namespace kragmoor {
namespace {

struct Reference {
    const char* game;
    const char* folder;
    std::int64_t games;
    bool sequential;
};

class GoldenRun : public ::testing::TestWithParam<Reference> {};

TEST_P(GoldenRun, EveryFileMatchesTheReference) {
    const Reference& ref = GetParam();
    const std::filesystem::path game = test::TestData(ref.game);
    test::TempDir dir;
    std::filesystem::copy_file(game / "ReelSetup.ini", dir.path() / "ReelSetup.ini");
    Session session = OpenSession(dir.path(), {});
    Simulator control(session);
    if (ref.sequential) {
        control.SetRandomStops(false);
        control.SelectReel(4);
    }
    HeadlessRun(control, ref.games).Play();
    ASSERT_TRUE(control.Save());
    control.Exit();

    EXPECT_EQ(test::RunFilesDiffer(game / ref.folder, dir.path()), "");
}

INSTANTIATE_TEST_SUITE_P(ReferenceGames, GoldenRun,
                         ::testing::Values(Reference{"g0", "random-30000", 30000, false},
                                           Reference{"g0", "sequential-3000", 3000, true},
                                           Reference{"rules", "random-30000", 30000, false},
                                           Reference{"rules", "sequential-3000", 3000, true}),
                         [](const ::testing::TestParamInfo<Reference>& p) {
                             return std::string(p.param.game) +
                                    (p.param.sequential ? "Sequential" : "Random") +
                                    std::to_string(p.param.games);
                         });

}  // namespace
}  // namespace kragmoor
