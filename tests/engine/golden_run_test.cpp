// Whole runs of the reference game against an independent model's files, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/play/headless_run.h"
#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "test_support.h"

namespace kragmoor {
namespace {

const std::filesystem::path kGame = test::TestData("g0");

struct Reference {
    const char* folder;
    std::int64_t games;
    bool sequential;
};

class GoldenRun : public ::testing::TestWithParam<Reference> {};

TEST_P(GoldenRun, EveryFileMatchesTheReference) {
    const Reference& ref = GetParam();
    test::TempDir dir;
    std::filesystem::copy_file(kGame / "ReelSetup.ini", dir.path() / "ReelSetup.ini");
    Session session = OpenSession(dir.path(), {});
    Simulator control(session);
    if (ref.sequential) {
        control.SetRandomStops(false);
        control.SelectReel(4);
    }
    HeadlessRun(control, ref.games).Play();
    ASSERT_TRUE(control.Save());
    control.Exit();

    const std::filesystem::path want_dir = kGame / ref.folder;
    for (const char* name : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt", "empty.txt"})
        EXPECT_EQ(test::ReadFile(want_dir / name), test::ReadFile(dir.path() / name)) << name;
    // The report: every line but the four that carry configuration values or the load time.
    auto want = test::Lines(test::ReadFile(want_dir / "Temp1.txt"));
    auto got = test::Lines(test::ReadFile(dir.path() / "Temp1.txt"));
    ASSERT_EQ(want.size(), got.size());
    for (std::size_t i : {0, 4, 7, 8}) got[i] = want[i];
    EXPECT_EQ(want, got);
}

INSTANTIATE_TEST_SUITE_P(ReferenceGame, GoldenRun,
                         ::testing::Values(Reference{"random-30000", 30000, false},
                                           Reference{"sequential-3000", 3000, true}),
                         [](const ::testing::TestParamInfo<Reference>& p) {
                             return std::string(p.param.sequential ? "Sequential" : "Random") +
                                    std::to_string(p.param.games);
                         });

}  // namespace
}  // namespace kragmoor
