// Opening a session: everything is read before anything is written, the seed actually used is
// the one reported and given to the random number library, and the logs start empty.
#include "engine/session.h"

#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "model/definition_reader.h"
#include "rng/rng.h"

namespace kragmoor {
namespace {

using namespace test;  // directories and files

TEST(SessionTest, WritesTheReportAndEmptyLogsAndSeedsTheLibrary) {
    const TempDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "Jackpot.txt", "an earlier run\r\n");
    WriteFile(dir / "Temp1.txt", std::string(100000, 'x'));
    Session session = OpenSession(dir.path(), SessionOptions{});
    const auto draws = [] {
        return std::vector<std::int32_t>{rng_GenNumber(24), rng_GenNumber(101), rng_GenNumber(2)};
    };
    const auto first = draws();
    rng_Init(4242);
    EXPECT_EQ(first, draws());

    EXPECT_EQ(session.definition.Seed, 4242);
    for (const char* log : {"Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt"}) {
        EXPECT_EQ(ReadFile(dir / log), "") << log;
    }
    // The report replaces the longer earlier file and ends with the last paytable row.
    const std::string report = ReadFile(dir / "Temp1.txt");
    EXPECT_NE(report.find("\r\nSEED = 4242\r\nREEL STRIP\r\n"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 51),
              " Scatter,   0,     1,     4,     20,    100,    _\r\n");
}

TEST(SessionTest, DeletesLeftoversWhenAsked) {
    const TempDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "readme.txt", "x");
    WriteFile(dir / "setup.bat", "x");
    OpenSession(dir.path(), SessionOptions{.delete_leftovers = true});
    EXPECT_FALSE(exists(dir / "readme.txt") || exists(dir / "setup.bat"));
    // Missing leftovers are no error.
    EXPECT_NO_THROW(OpenSession(dir.path(), SessionOptions{.delete_leftovers = true}));
}

TEST(SessionTest, ANegativeSeedIsDrawnFromTheClockAndReported) {
    const TempDir dir;
    WriteReferenceGameWith(dir, "SEED = 4242", "SEED = -1");
    Session session = OpenSession(dir.path(), SessionOptions{});
    EXPECT_EQ(session.definition_seed, -1);
    EXPECT_NE(ReadFile(dir / "Temp1.txt")
                  .find("\r\nSEED = " + std::to_string(session.definition.Seed) + "\r\n"),
              std::string::npos);
    // Seeds from the clock lie in 0..65535 and vary from start to start.
    std::set<std::int32_t> drawn;
    for (int i = 0; i < 50; ++i) drawn.insert(ResolveSeed(-1 - i));
    EXPECT_GT(drawn.size(), 1u);
    EXPECT_GE(*drawn.begin(), 0);
    EXPECT_LE(*drawn.rbegin(), 65535);
}

TEST(SessionTest, ABadDefinitionTouchesNoFile) {
    const TempDir dir;
    WriteReferenceGameWith(dir, "1000,   _", "1000    _");
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "Temp1.txt", "kept");
    try {
        OpenSession(dir.path(), SessionOptions{.delete_leftovers = true});
        FAIL() << "accepted";
    } catch (const DefinitionError& e) {
        EXPECT_EQ(std::string(e.what()), (dir / "ReelSetup.ini").string() +
                                             ":96: paytable row of symbol 10: expected 6 fields "
                                             "each ended by a comma");
    }
    EXPECT_EQ(dir.Files(), (std::set<std::string>{"ReelSetup.ini", "readme.txt", "Temp1.txt"}));
    EXPECT_EQ(ReadFile(dir / "Temp1.txt"), "kept");
}

}  // namespace
}  // namespace kragmoor
