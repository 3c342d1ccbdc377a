// kragmoor-sim as a user runs it: exit codes, what it prints, what it writes and what it never
// touches.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace kragmoor {
namespace {

using namespace testing;  // directories, files and RunSim
using Names = std::set<std::string>;

TEST(CliTest, HelpVersionAndUsageErrorsTouchNothing) {
    const ScratchDir dir;
    CopyReferenceGame(dir);
    const std::string games =
        "kragmoor-sim: --games needs a whole number of games (0 or more), not ";
    // Exit code 0: the start of what is printed; exit code 2: the first line of the error.
    const std::tuple<const char*, int, std::string> cases[] = {
        {"--help", 0, "Usage: kragmoor-sim [DIR]"},
        {"--version", 0, std::string("kragmoor-sim ") + KRAGMOOR_VERSION + "\n"},
        {"--bogus", 2, "kragmoor-sim: unknown option \"--bogus\"\n"},
        {"--games", 2, "kragmoor-sim: --games needs a value\n"},
        {"--games abc", 2, games + "\"abc\"\n"},
        {"--games=-5", 2, games + "\"-5\"\n"},
        {"--games 99999999999999999999", 2, games + "\"99999999999999999999\"\n"},
        {"--selected-reel 5", 2,
         "kragmoor-sim: --selected-reel needs a reel from 0 (leftmost) to 4, not \"5\"\n"},
        {"a b", 2, "kragmoor-sim: one directory only, found \"a\" and \"b\"\n"},
    };
    for (const auto& [args, exit_code, text] : cases) {
        SCOPED_TRACE(args);
        const auto run = RunSim(dir, args);
        EXPECT_EQ(run.exit_code, exit_code);
        EXPECT_EQ((exit_code == 0 ? run.out : run.err).substr(0, text.size()), text);
        EXPECT_EQ(exit_code == 0 ? run.err : run.out, "");
        EXPECT_EQ(run.err.find("\nUsage: kragmoor-sim") != std::string::npos, exit_code == 2);
    }
    EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
}

TEST(CliTest, LoadModeWritesTheReportAndEmptyLogsAndDescribesTheGame) {
    const ScratchDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "setup.bat", "kept");
    const auto run = RunSim(dir, "--games 0");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.Files(), (Names{"ReelSetup.ini", "readme.txt", "setup.bat", "Temp1.txt",
                                  "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt"}));
    for (const char* expected :
         {"Kragmoor, version G0 reference 1\n", "Designed RTP     96.50 %\nSeed             4242\n",
          "Base reels       20 21 22 23 24 positions (section of 24 rows)\n",
          "Free-spin reels  25 25 25 25 25 positions (section of 25 rows)\n",
          "    10  Dragon            0      10      50     200    1000\n"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
}

// Row 7 of reel 2 misspells "Ten": the reel ends there, though names follow, and the summary
// says so; the JSON form escapes what the version holds.
TEST(CliTest, SummaryPointsOutNamesAfterAGapAndJsonEscapes) {
    const ScratchDir dir;
    WriteReferenceGameWith(dir, "Ten,       Rune,      Ten,", "Ten,       Rune,      Tne,");
    const auto run = RunSim(dir, "--games 0");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Base reels       20 21 7 23 24 positions"), std::string::npos);
    EXPECT_NE(run.out.find("Note: base-game reel 2 ends at the field of row 7, which is no symbol "
                           "name, but row 8 holds a symbol again"),
              std::string::npos);

    WriteReferenceGameWith(dir, "G0 reference 1", "say \"hi\"\\x\t");
    const auto json = RunSim(dir, "--json --games=0");
    EXPECT_EQ(json.exit_code, 0) << json.err;
    EXPECT_EQ(json.out.front(), '{');
    EXPECT_EQ(json.out.substr(json.out.size() - 2), "}\n");
    for (const char* expected :
         {"\"version\": \"say \\\"hi\\\"\\\\x\\t\",", "\"designed_rtp\": 96.5,",
          "\"base_reels\": {\"section_rows\": 24, \"positions\": [20, 21, 22, 23, 24]},",
          "    [0, 10, 50, 500, 2500],\n", "\"notes\": [],"}) {
        EXPECT_NE(json.out.find(expected), std::string::npos) << expected;
    }
}

// A definition that cannot be read (nothing is written then), or a report or log that cannot be
// created: exit code 1 and the message, naming the file as the user knows it.
TEST(CliTest, BadInputExitsWithOne) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"SEED = 42x", nullptr,
         "ReelSetup.ini:12: seed line: expected \"SEED = \" followed by a whole number from "
         "-2147483648 to 2147483647\n"},
        {"SEED = 4242", "Temp1.txt", "cannot create Temp1.txt: Is a directory\n"},
        {"SEED = 4242", "FreeSpins.txt", "cannot create FreeSpins.txt: Is a directory\n"}};
    for (const auto& [seed, in_the_way, message] : cases) {
        const ScratchDir dir;
        WriteReferenceGameWith(dir, "SEED = 4242", seed);
        if (in_the_way) std::filesystem::create_directory(dir / in_the_way);
        const auto run = RunSim(dir, "--games 0");
        EXPECT_EQ(run.exit_code, 1) << message;
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(in_the_way || dir.Files() == Names{"ReelSetup.ini"}) << "a file was written";
    }
    const ScratchDir dir;
    const auto missing = dir / "missing";
    const auto run =
        RunSim(dir, "\"" + missing.string() + "\" --games 0", dir.path().parent_path());
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, (missing / "ReelSetup.ini").string() +
                           ": no such file: expected the game definition here\n");
}

}  // namespace
}  // namespace kragmoor
