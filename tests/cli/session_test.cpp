// Opening a session: earlier files are replaced, and a seed drawn from the clock is the one
// reported. (The golden runs show that the seed reaches the random number library, the window's
// start-up tests that a bad definition touches no file and that leftovers go.)
#include "engine/play/session.h"

#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace kragmoor {
namespace {

using namespace test;  // directories and files

// The report replaces a longer earlier file and the logs start empty; seeds drawn from the clock
// lie in 0..65535, vary from start to start, and the report shows the one drawn.
TEST(SessionTest, ReplacesEarlierFilesAndReportsTheSeedDrawnFromTheClock) {
    const TempDir dir;
    CopyReferenceGame(dir, "SEED = 4242", "SEED = -1");
    WriteFile(dir / "Jackpot.txt", "an earlier run\r\n");
    WriteFile(dir / "Temp1.txt", std::string(100000, 'x'));
    Session session = OpenSession(dir.path(), SessionOptions{});
    for (const char* log : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt"}) {
        EXPECT_EQ(ReadFile(dir / log), "") << log;
    }
    const std::string report = ReadFile(dir / "Temp1.txt");
    EXPECT_TRUE(report.ends_with("\r\n Scatter,   0,     1,     4,     20,    100,    _\r\n"));
    EXPECT_EQ(session.definition_seed, -1);
    EXPECT_NE(report.find("\r\nSEED = " + std::to_string(session.definition.Seed) + "\r\n"),
              std::string::npos);
    std::set<std::int32_t> drawn;
    for (int i = 0; i < 20; ++i) drawn.insert(OpenSession(dir.path(), {}).definition.Seed);
    EXPECT_GT(drawn.size(), 1u);
    EXPECT_GE(*drawn.begin(), 0);
    EXPECT_LE(*drawn.rbegin(), 65535);
}

}  // namespace
}  // namespace kragmoor
