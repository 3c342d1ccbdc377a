// A log that cannot be written is told once and ends the run; later runs go on without it.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace kragmoor {
namespace {

using WriteFailure = test::EngineTest;

// Percent_10000.txt on a full disk fails when the logs are flushed at game 10000.
TEST_F(WriteFailure, AFullLogIsToldOnceAndEndsTheRun) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", dir.path() / "Percent_10000.txt");
    Start();
    StopAt(30000);
    sim().StartOrStop();
    const std::vector<std::string> told = {
        "Cannot write Percent_10000.txt: No space left on device"};
    EXPECT_EQ(observer.write_failures, told);
    EXPECT_FALSE(sim().Running());
    EXPECT_TRUE(sim().WriteFailed());
    EXPECT_EQ(sim().State().Games, 10000);

    sim().StartOrStop();
    EXPECT_EQ(sim().State().Games, 30000);
    sim().Step();
    sim().Exit();
    EXPECT_EQ(observer.write_failures, told);
}

// Step mode: the failure is told when the logs are closed at Exit.
TEST_F(WriteFailure, ALogThatFailsAtItsCloseIsToldAtExit) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    std::filesystem::create_symlink("/dev/full", dir.path() / "Jackpot.txt");
    for (int r = 0; r < kReels; ++r) test::SetStrip(def, r, "WWW");
    Start();
    sim().Step();  // twenty lines of five wilds, twenty records
    EXPECT_TRUE(observer.write_failures.empty());
    sim().Exit();
    EXPECT_EQ(observer.write_failures,
              std::vector<std::string>{"Cannot write Jackpot.txt: No space left on device"});
}

}  // namespace
}  // namespace kragmoor
