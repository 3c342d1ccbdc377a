// Whole runs of the reference game against the files an independent model of the simulator
// left: the report's save block, the three logs and the loss-streak table, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/headless_run.h"
#include "engine/session.h"
#include "engine/simulator.h"
#include "test_support.h"

namespace kragmoor {
namespace {

const std::filesystem::path kGame = test::TestData("g0");

struct Reference {
    const char* folder;
    std::int64_t games;
    bool sequential;
};

// The first line where two texts differ, for a readable failure.
std::string FirstDifference(const std::string& want, const std::string& got) {
    const auto a = test::Lines(want);
    const auto b = test::Lines(got);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "<none>";
        const std::string y = i < b.size() ? b[i] : "<none>";
        if (x != y) return "line " + std::to_string(i + 1) + "\n want: " + x + "\n  got: " + y;
    }
    return "line ends or the last line end differ";
}

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
    {
        HeadlessRun run(control, ref.games);
        run.Play();
    }
    ASSERT_TRUE(control.Save());
    control.Exit();

    const std::filesystem::path want_dir = kGame / ref.folder;
    for (const char* name : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt", "empty.txt"}) {
        const std::string want = test::ReadFile(want_dir / name);
        const std::string got = test::ReadFile(dir.path() / name);
        EXPECT_TRUE(want == got) << name << ": " << FirstDifference(want, got);
    }
    // The report: every line but the four that carry configuration values or the load time.
    auto want = test::Lines(test::ReadFile(want_dir / "Temp1.txt"));
    auto got = test::Lines(test::ReadFile(dir.path() / "Temp1.txt"));
    ASSERT_EQ(want.size(), got.size());
    for (std::size_t i : {0, 4, 7, 8}) got[i] = want[i];
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(want[i], got[i]) << "Temp1.txt line " << i + 1;
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
