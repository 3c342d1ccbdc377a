// Opening a session: everything is read before anything is written or deleted, earlier files are
// replaced, and a seed drawn from the clock is the one reported. (That the seed is the one given
// to the random number library, the golden runs show.)
#include "engine/session.h"

#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories and files

// The report replaces a longer earlier file, and the logs start empty.
TEST(SessionTest, ReplacesTheReportAndEmptiesTheLogs) {
    const TempDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "Jackpot.txt", "an earlier run\r\n");
    WriteFile(dir / "Temp1.txt", std::string(100000, 'x'));
    OpenSession(dir.path(), SessionOptions{});
    for (const char* log : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt"}) {
        EXPECT_EQ(ReadFile(dir / log), "") << log;
    }
    EXPECT_TRUE(ReadFile(dir / "Temp1.txt")
                    .ends_with("\r\n Scatter,   0,     1,     4,     20,    100,    _\r\n"));
}

// A definition that cannot be read leaves every file as it was; once it reads, the leftovers go
// when asked, and leftovers already gone are no error.
TEST(SessionTest, LeftoversAreDeletedOnlyOnceTheDefinitionReads) {
    const TempDir dir;
    WriteReferenceGameWith(dir, "1000,   _", "1000    _");
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "Temp1.txt", "kept");
    const SessionOptions options{.delete_leftovers = true};
    try {
        OpenSession(dir.path(), options);
        FAIL() << "accepted";
    } catch (const DefinitionError& e) {
        EXPECT_EQ(std::string(e.what()), (dir / "ReelSetup.ini").string() +
                                             ":96: paytable row of symbol 10: expected 6 fields "
                                             "each ended by a comma");
    }
    EXPECT_EQ(dir.Files(), (std::set<std::string>{"ReelSetup.ini", "readme.txt", "Temp1.txt"}));
    EXPECT_EQ(ReadFile(dir / "Temp1.txt"), "kept");
    CopyReferenceGame(dir);
    WriteFile(dir / "setup.bat", "x");
    OpenSession(dir.path(), options);
    EXPECT_FALSE(exists(dir / "readme.txt") || exists(dir / "setup.bat"));
    EXPECT_NO_THROW(OpenSession(dir.path(), options));
}

// Seeds drawn from the clock lie in 0..65535, vary from start to start, and the report shows the
// one drawn.
TEST(SessionTest, ANegativeSeedIsDrawnFromTheClockAndReported) {
    const TempDir dir;
    WriteReferenceGameWith(dir, "SEED = 4242", "SEED = -1");
    Session session = OpenSession(dir.path(), SessionOptions{});
    EXPECT_EQ(session.definition_seed, -1);
    EXPECT_NE(ReadFile(dir / "Temp1.txt")
                  .find("\r\nSEED = " + std::to_string(session.definition.Seed) + "\r\n"),
              std::string::npos);
    std::set<std::int32_t> drawn;
    for (int i = 0; i < 50; ++i) drawn.insert(ResolveSeed(-1 - i));
    EXPECT_GT(drawn.size(), 1u);
    EXPECT_GE(*drawn.begin(), 0);
    EXPECT_LE(*drawn.rbegin(), 65535);
}

}  // namespace
}  // namespace kragmoor
