// kragmoor-sim as a user runs it: exit codes, what it prints, what it writes and what it never
// touches.
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace kragmoor {
namespace {

using testing::Quoted;
using testing::ReadFile;
using testing::RunSim;
using testing::WorkDir;
using testing::WriteFile;

TEST(CliTest, HelpAndVersion) {
    WorkDir dir;
    const auto help = RunSim(dir.path(), "--help");
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_EQ(help.out.rfind("Usage: kragmoor-sim [DIR]", 0), 0u);
    EXPECT_NE(help.out.find("--games N"), std::string::npos);
    EXPECT_EQ(help.err, "");
    const auto version = RunSim(dir.path(), "--version");
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, std::string("kragmoor-sim ") + KRAGMOOR_VERSION + "\n");
    EXPECT_TRUE(dir.Files().empty());
}

TEST(CliTest, UsageErrorsExitWithTwoAndTouchNothing) {
    WorkDir dir;
    dir.CopyReferenceGame();
    const std::pair<const char*, const char*> cases[] = {
        {"--bogus", "kragmoor-sim: unknown option \"--bogus\"\n"},
        {"--games", "kragmoor-sim: --games needs a value\n"},
        {"--games abc",
         "kragmoor-sim: --games needs a whole number of games (0 or more), not \"abc\"\n"},
        {"--games=-5",
         "kragmoor-sim: --games needs a whole number of games (0 or more), not \"-5\"\n"},
        {"--games 99999999999999999999",
         "kragmoor-sim: --games needs a whole number of games (0 or more), not "
         "\"99999999999999999999\"\n"},
        {"--selected-reel 5",
         "kragmoor-sim: --selected-reel needs a reel from 0 (leftmost) to 4, not \"5\"\n"},
        {"a b", "kragmoor-sim: one directory only, found \"a\" and \"b\"\n"},
    };
    for (const auto& [args, message] : cases) {
        const auto run = RunSim(dir.path(), args);
        EXPECT_EQ(run.exit_code, 2) << args;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), message) << args;
        EXPECT_NE(run.err.find("Usage: kragmoor-sim"), std::string::npos) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    EXPECT_EQ(dir.Files(), std::set<std::string>{"ReelSetup.ini"});
}

TEST(CliTest, LoadModeWritesTheReportAndEmptyLogsAndDescribesTheGame) {
    WorkDir dir;
    dir.CopyReferenceGame();
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "setup.bat", "kept");
    const auto run = RunSim(dir.path(), "--games 0");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.Files(),
              (std::set<std::string>{"ReelSetup.ini", "readme.txt", "setup.bat", "Temp1.txt",
                                     "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt"}));
    EXPECT_EQ(ReadFile(dir / "Jackpot.txt"), "");
    const std::string report = ReadFile(dir / "Temp1.txt");
    EXPECT_NE(report.find("\r\nSEED = 4242\r\nREEL STRIP\r\nKing,      Dragon,"),
              std::string::npos);
    for (const char* expected : {"Kragmoor, version G0 reference 1\n", "Designed RTP     96.50 %\n",
                                 "Seed             4242\n",
                                 "Base reels       20 21 22 23 24 positions (section of 24 rows)\n",
                                 "Free-spin reels  25 25 25 25 25 positions (section of 25 rows)\n",
                                 "11 Wild (wild), 12 Scatter (scatter)\n",
                                 "    10  Dragon            0      10      50     200    1000\n"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
}

TEST(CliTest, SummaryPointsOutNamesAfterAGap) {
    WorkDir dir;
    std::string game = ReadFile(testing::kTestData + "/g0/ReelSetup.ini");
    // Row 7 of reel 2: a misspelt "Ten" ends the reel there, though names follow.
    const std::string row7 = "Ten,       Rune,      Ten,       Ace,       Helm,       _";
    game.replace(game.find(row7), row7.size(),
                 "Ten,       Rune,      Tne,       Ace,       Helm,       _");
    WriteFile(dir / "ReelSetup.ini", game);
    const auto run = RunSim(dir.path(), "--games 0");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Base reels       20 21 7 23 24 positions"), std::string::npos);
    EXPECT_NE(run.out.find("Note: base-game reel 2 ends at the field of row 7, which is no symbol "
                           "name, but row 8 holds a symbol again"),
              std::string::npos);
    EXPECT_NE(ReadFile(dir / "Temp1.txt").find("Ten,       Rune,      GAP,       Ace,"),
              std::string::npos);
}

TEST(CliTest, JsonSummaryIsOneEscapedObject) {
    WorkDir dir;
    std::string game = ReadFile(testing::kTestData + "/g0/ReelSetup.ini");
    game.replace(game.find("G0 reference 1"), 14, "say \"hi\"\\x\t");
    WriteFile(dir / "ReelSetup.ini", game);
    const auto run = RunSim(dir.path(), "--json --games=0");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out.front(), '{');
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
    for (const char* expected :
         {"\"version\": \"say \\\"hi\\\"\\\\x\\t\",", "\"designed_rtp\": 96.5,", "\"seed\": 4242,",
          "\"base_reels\": {\"section_rows\": 24, \"positions\": [20, 21, 22, 23, 24]},",
          "\"symbols\": [\"Nine\", \"Ten\",", "\"Scatter\"],", "    [0, 10, 50, 500, 2500],\n",
          "\"notes\": [],"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
}

TEST(CliTest, ABadDefinitionPrintsTheReadersMessageAndWritesNothing) {
    WorkDir dir;
    std::string game = ReadFile(testing::kTestData + "/g0/ReelSetup.ini");
    game.replace(game.find("SEED = 4242"), 11, "SEED = 42x");
    WriteFile(dir / "ReelSetup.ini", game);
    // Run in the directory itself: the message names the file as the user knows it.
    auto run = RunSim(dir.path(), "--games 0");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err,
              "ReelSetup.ini:12: seed line: expected \"SEED = \" followed by a whole number from "
              "-2147483648 to 2147483647\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(dir.Files(), std::set<std::string>{"ReelSetup.ini"});

    run = RunSim(dir.path().parent_path(), Quoted(dir.path() / "missing") + " --games 0");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, (dir.path() / "missing" / "ReelSetup.ini").string() +
                           ": no such file: expected the game definition here\n");
}

TEST(CliTest, AFileThatCannotBeWrittenExitsWithOne) {
    WorkDir dir;
    dir.CopyReferenceGame();
    std::filesystem::create_directory(dir / "Temp1.txt");
    const auto run = RunSim(dir.path(), "--games 0");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "cannot create Temp1.txt: Is a directory\n");
}

}  // namespace
}  // namespace kragmoor
