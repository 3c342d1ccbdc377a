// Opening a session: everything is read before anything is written, the seed actually used is
// the one reported and given to the random number library, and the logs start empty.
#include "engine/session.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "cli_test_support.h"
#include "model/definition_reader.h"
#include "rng/rng.h"

namespace kragmoor {
namespace {

using testing::ReadFile;
using testing::WorkDir;
using testing::WriteFile;

TEST(SessionTest, WritesTheReportAndEmptyLogsAndSeedsTheLibrary) {
    WorkDir dir;
    dir.CopyReferenceGame();
    WriteFile(dir / "Jackpot.txt", "an earlier run\r\n");
    Session session = OpenSession(dir.path(), SessionOptions{});
    const std::int32_t first[3] = {rng_GenNumber(24), rng_GenNumber(101), rng_GenNumber(2)};
    rng_Init(4242);
    EXPECT_EQ(first[0], rng_GenNumber(24));
    EXPECT_EQ(first[1], rng_GenNumber(101));
    EXPECT_EQ(first[2], rng_GenNumber(2));

    EXPECT_EQ(session.definition.Seed, 4242);
    EXPECT_EQ(session.definition_seed, 4242);
    EXPECT_EQ(session.definition.ReelLen[4], 23);
    EXPECT_TRUE(session.logs.Jackpot.IsOpen());
    EXPECT_TRUE(session.logs.FreeSpins.IsOpen());
    EXPECT_TRUE(session.logs.Percent.IsOpen());
    EXPECT_EQ(ReadFile(dir / "Jackpot.txt"), "");
    EXPECT_EQ(ReadFile(dir / "FreeSpins.txt"), "");
    EXPECT_EQ(ReadFile(dir / "Percent_10000.txt"), "");
    const std::string report = ReadFile(dir / "Temp1.txt");
    EXPECT_EQ(report.rfind("  Company: ", 0), 0u);
    EXPECT_NE(report.find("\r\nSEED = 4242\r\n"), std::string::npos);
    EXPECT_EQ(report.substr(report.size() - 51),
              " Scatter,   0,     1,     4,     20,    100,    _\r\n");

    session.logs.Jackpot.Write("    4809       1 \r\n");
    session.logs.CloseAll();
    EXPECT_EQ(ReadFile(dir / "Jackpot.txt"), "    4809       1 \r\n");
}

TEST(SessionTest, DeletesLeftoversOnlyWhenAsked) {
    WorkDir dir;
    dir.CopyReferenceGame();
    WriteFile(dir / "readme.txt", "x");
    WriteFile(dir / "setup.bat", "x");
    OpenSession(dir.path(), SessionOptions{});
    EXPECT_TRUE(std::filesystem::exists(dir / "readme.txt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "setup.bat"));
    OpenSession(dir.path(), SessionOptions{.delete_leftovers = true});
    EXPECT_FALSE(std::filesystem::exists(dir / "readme.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "setup.bat"));
    // Missing leftovers are no error.
    EXPECT_NO_THROW(OpenSession(dir.path(), SessionOptions{.delete_leftovers = true}));
}

TEST(SessionTest, ANegativeSeedIsDrawnFromTheClockAndReported) {
    WorkDir dir;
    std::string game = ReadFile(testing::kTestData + "/g0/ReelSetup.ini");
    game.replace(game.find("SEED = 4242"), 11, "SEED = -1");
    WriteFile(dir / "ReelSetup.ini", game);
    Session session = OpenSession(dir.path(), SessionOptions{});
    EXPECT_EQ(session.definition_seed, -1);
    EXPECT_GE(session.definition.Seed, 0);
    EXPECT_LE(session.definition.Seed, 65535);
    EXPECT_NE(ReadFile(dir / "Temp1.txt")
                  .find("\r\nSEED = " + std::to_string(session.definition.Seed) + "\r\n"),
              std::string::npos);
}

TEST(SessionTest, ResolveSeedKeepsNonNegativeSeedsAndVariesClockSeeds) {
    EXPECT_EQ(ResolveSeed(0), 0);
    EXPECT_EQ(ResolveSeed(2147483647), 2147483647);
    std::set<std::int32_t> drawn;
    for (int i = 0; i < 50; ++i) {
        const std::int32_t seed = ResolveSeed(-1 - i);
        ASSERT_GE(seed, 0);
        ASSERT_LE(seed, 65535);
        drawn.insert(seed);
    }
    EXPECT_GT(drawn.size(), 1u);
}

TEST(SessionTest, ABadDefinitionTouchesNoFile) {
    WorkDir dir;
    std::string game = ReadFile(testing::kTestData + "/g0/ReelSetup.ini");
    game.replace(game.find("1000,   _"), 9, "1000    _");
    WriteFile(dir / "ReelSetup.ini", game);
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "Temp1.txt", "kept");
    try {
        OpenSession(dir.path(), SessionOptions{.delete_leftovers = true});
        FAIL() << "accepted";
    } catch (const DefinitionError& e) {
        EXPECT_EQ(e.File(), (dir / "ReelSetup.ini").string());
        EXPECT_EQ(e.Line(), 96);
        EXPECT_EQ(e.Expected(),
                  "paytable row of symbol 10: expected 6 fields each ended by a comma");
    }
    EXPECT_EQ(dir.Files(), (std::set<std::string>{"ReelSetup.ini", "readme.txt", "Temp1.txt"}));
    EXPECT_EQ(ReadFile(dir / "Temp1.txt"), "kept");
}

TEST(SessionTest, AFileThatCannotBeCreatedIsNamed) {
    WorkDir dir;
    dir.CopyReferenceGame();
    std::filesystem::create_directory(dir / "FreeSpins.txt");
    try {
        OpenSession(dir.path(), SessionOptions{});
        FAIL() << "accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "cannot create " + (dir / "FreeSpins.txt").string() + ": Is a directory");
    }
}

}  // namespace
}  // namespace kragmoor
