// kragmoor-sim as a user runs it, in this process: usage errors, what --games 0 prints and
// writes, and the games it refuses before writing anything.
#include <gtest/gtest.h>

#include "cli/options.h"
#include "cli_test_support.h"
#include "engine/headless_run.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and the runner
using Names = std::set<std::string>;

TEST(CliTest, HelpVersionAndUsageErrorsTouchNothing) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const std::string games =
        "kragmoor-sim: --games needs a whole number of games from 0 to 1000000000000, not ";
    const std::string threads =
        "kragmoor-sim: --threads needs a whole number from 0 (every core) to 1024, not ";
    // Exit code 0: the start of what is printed; exit code 2: the first line of the error.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"--help"}, 0, "Usage: kragmoor-sim [DIR]"},
        {{"--version"}, 0, std::string("kragmoor-sim ") + KRAGMOOR_VERSION + "\n"},
        {{"--bogus"}, 2, "kragmoor-sim: unknown option \"--bogus\"\n"},
        {{"--games"}, 2, "kragmoor-sim: --games needs a value\n"},
        {{"--games", "abc"}, 2, games + "\"abc\"\n"},
        {{"--games=-5"}, 2, games + "\"-5\"\n"},
        {{"--games", "1000000000001"}, 2, games + "\"1000000000001\"\n"},
        {{"--games", "9223372036854775807"}, 2, games + "\"9223372036854775807\"\n"},
        {{"--games", "99999999999999999999"}, 2, games + "\"99999999999999999999\"\n"},
        {{"--selected-reel", "5"},
         2,
         "kragmoor-sim: --selected-reel needs a reel from 0 (leftmost) to 4, not \"5\"\n"},
        {{"--threads", "-1"}, 2, threads + "\"-1\"\n"},
        {{"--threads", "1025"}, 2, threads + "\"1025\"\n"},
        {{"--threads=x"}, 2, threads + "\"x\"\n"},
        {{"a", "b"}, 2, "kragmoor-sim: one directory only, found \"a\" and \"b\"\n"},
        {{"--par", "par.csv"},
         2,
         "kragmoor-sim: --par needs --exact (the par sheet is written by the exact analysis)\n"},
        {{"--exact", "--par="}, 2, "kragmoor-sim: --par needs a file name\n"},
        {{"--exact", "--par"}, 2, "kragmoor-sim: --par needs a value\n"},
    };
    for (const auto& [args, exit_code, text] : cases) {
        SCOPED_TRACE(args.front());
        std::vector<std::string> with_dir = args;
        if (args.front() != "a") with_dir.insert(with_dir.begin(), dir.path().string());
        const auto run = RunInProcess(with_dir);
        EXPECT_EQ(run.exit_code, exit_code);
        EXPECT_EQ((exit_code == 0 ? run.out : run.err).substr(0, text.size()), text);
        EXPECT_EQ(exit_code == 0 ? run.err : run.out, "");
        EXPECT_EQ(run.err.find("\nUsage: kragmoor-sim") != std::string::npos, exit_code == 2);
    }
    EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
}

// The largest count is accepted and stops where asked; every count is rounded up to the yield at
// which the run stops, in one place.
TEST(CliTest, GamesAreAcceptedUpToATrillionAndRoundedUpToAYield) {
    const auto parsed = cli::ParseOptions({"--games", "1000000000000"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.games, 1000000000000);
    const std::pair<std::int64_t, std::int64_t> stops[] = {{0, 0},
                                                           {1, 100},
                                                           {100, 100},
                                                           {101, 200},
                                                           {999999999901, 1000000000000},
                                                           {1000000000000, 1000000000000}};
    for (const auto& [games, at] : stops) EXPECT_EQ(HeadlessRun::StopsAt(games), at) << games;
    EXPECT_THROW(HeadlessRun::StopsAt(1000000000001), std::out_of_range);
    EXPECT_THROW(HeadlessRun::StopsAt(-1), std::out_of_range);
}

TEST(CliTest, LoadModeWritesTheReportAndEmptyLogsAndDescribesTheGame) {
    const TempDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "readme.txt", "kept");
    WriteFile(dir / "setup.bat", "kept");
    const auto run = RunInProcess({dir.path().string(), "--games", "0"});
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
    const TempDir dir;
    WriteReferenceGameWith(dir, "Ten,       Rune,      Ten,", "Ten,       Rune,      Tne,");
    const auto run = RunInProcess({dir.path().string(), "--games", "0"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Base reels       20 21 7 23 24 positions"), std::string::npos);
    EXPECT_NE(run.out.find("Note: base-game reel 2 ends at the field of row 7, which is no symbol "
                           "name, but row 8 holds a symbol again"),
              std::string::npos);

    WriteReferenceGameWith(dir, "G0 reference 1", "say \"hi\"\\x\t");
    const auto json = RunInProcess({"--json", "--games=0", dir.path().string()});
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
// created: exit code 1 and the message, naming the file.
TEST(CliTest, BadInputExitsWithOne) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"SEED = 42x", nullptr,
         ":12: seed line: expected \"SEED = \" followed by a whole number from -2147483648 to "
         "2147483647\n"},
        {"SEED = 4242", "Temp1.txt", ": Is a directory\n"},
        {"SEED = 4242", "FreeSpins.txt", ": Is a directory\n"}};
    for (const auto& [seed, in_the_way, message] : cases) {
        const TempDir dir;
        WriteReferenceGameWith(dir, "SEED = 4242", seed);
        if (in_the_way) std::filesystem::create_directory(dir / in_the_way);
        const auto run = RunInProcess({dir.path().string(), "--games", "0"});
        EXPECT_EQ(run.exit_code, 1) << message;
        EXPECT_EQ(run.err, in_the_way ? "cannot create " + (dir / in_the_way).string() + message
                                      : (dir / "ReelSetup.ini").string() + message);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(in_the_way || dir.Files() == Names{"ReelSetup.ini"}) << "a file was written";
    }
    const TempDir dir;
    const auto missing = dir / "missing";
    const auto run = RunInProcess({missing.string(), "--games", "0"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, (missing / "ReelSetup.ini").string() +
                           ": no such file: expected the game definition here\n");
}

// Free spins that retrigger once in 15 spins or more often make features that never end: such a
// game is refused before anything is written, whatever the count; one just below the bound is
// played, and --exact values even the endless one.
TEST(CliTest, AGameWhoseFeaturesNeverEndIsRefused) {
    const std::pair<const char*, const char*> refused[] = {{"endless", "1.00"},
                                                           {"at-bound", "15.00"}};
    for (const auto& [game, once_in] : refused) {
        for (const char* games : {"0", "1000"}) {
            SCOPED_TRACE(std::string(game) + " --games " + games);
            const TempDir dir;
            CopyFeatureBoundGame(dir, game);
            const auto run = RunInProcess({dir.path().string(), "--games", games});
            EXPECT_EQ(run.exit_code, 1);
            EXPECT_EQ(run.err, (dir / "ReelSetup.ini").string() +
                                   ": free-spins reels: the free spins retrigger once in " +
                                   once_in +
                                   " spins, so a feature never ends (15 \u00d7 chance \u2265 1)\n");
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
        }
    }
    const TempDir dir;
    CopyFeatureBoundGame(dir, "just-under");
    EXPECT_EQ(RunInProcess({dir.path().string(), "--games", "0"}).exit_code, 0);
    CopyFeatureBoundGame(dir, "endless");
    const auto exact = RunInProcess({"--exact", dir.path().string()});
    EXPECT_EQ(exact.exit_code, 0) << exact.err;
    EXPECT_NE(exact.out.find("Free spins per feature      infinite (retrigger 1 in 1.00 spins)"),
              std::string::npos)
        << exact.out;
    EXPECT_NE(exact.out.find("\n      1 000 000   -infinite to infinite   -infinite to infinite"),
              std::string::npos)
        << exact.out;
}

}  // namespace
}  // namespace kragmoor
