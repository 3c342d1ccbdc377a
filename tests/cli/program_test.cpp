// The built kragmoor-sim as a shell runs it: its exit status for a run, a refusal and a usage
// error, and results that cannot reach standard output.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli_test_support.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and RunSim

TEST(ProgramTest, ExitStatusTellsDoneRefusedOrMisused) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto done = RunSim(dir, "--games 100");
    EXPECT_EQ(done.exit_code, 0) << done.err;
    EXPECT_NE(done.out.find("Games                 100\n"), std::string::npos);
    EXPECT_EQ(RunSim(dir, "--games 1000000000001").exit_code, 2);
    CopyReferenceGame(dir, "SEED = 4242", "SEED = 42x");
    const auto refused = RunSim(dir, "--games 0");
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_TRUE(refused.err.starts_with("ReelSetup.ini:12: seed line: ")) << refused.err;
}

TEST(ProgramTest, ResultsThatCannotBeWrittenExitWithOne) {
    if (!HasFullDevice()) GTEST_SKIP() << "no /dev/full";
    const int status = std::system("\"" KRAGMOOR_SIM "\" --help >/dev/full 2>/dev/null");
    EXPECT_EQ(ExitCode(status), 1);
}

}  // namespace
}  // namespace kragmoor
