// kragmoor-sim as a user runs it, in this process: usage errors, what --games 0 prints and
// writes, and the games it refuses before writing anything.
#include <gtest/gtest.h>

#include <tuple>

#include "cli/options.h"
#include "cli_test_support.h"
#include "engine/play/headless_run.h"
#include "json_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files and the runner
using Names = std::set<std::string>;

// Usage errors exit with 2, the error and the usage on standard error, and touch nothing.
TEST(CliTest, HelpVersionAndUsageErrorsTouchNothing) {
    const TempDir dir;
    CopyReferenceGame(dir);
    const auto help = RunInProcess({"--help"}), version = RunInProcess({"--version"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: kragmoor-sim [DIR]")) << help.out;
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(version.out, std::string("kragmoor-sim ") + KRAGMOOR_VERSION + "\n");
    const std::string games = "--games needs a whole number of games from 0 to 1000000000000, not ";
    const std::string draws =
        "--draws needs a whole number of draws from 1000 to 1000000000000, not ";
    const std::string threads = "--threads needs a whole number from 0 (every core) to 1024, not ";
    // The arguments after the directory, split at blanks, and the error's first line.
    const std::pair<std::string, std::string> cases[] = {
        {"--bogus", "unknown option \"--bogus\""},
        {"--games", "--games needs a value"},
        {"--games abc", games + "\"abc\""},
        {"--games=-5", games + "\"-5\""},
        {"--games 1000000000001", games + "\"1000000000001\""},
        {"--games 9223372036854775807", games + "\"9223372036854775807\""},
        {"--games 99999999999999999999", games + "\"99999999999999999999\""},
        {"--selected-reel 5", "--selected-reel needs a reel from 0 (leftmost) to 4, not \"5\""},
        {"--threads -1", threads + "\"-1\""},
        {"--threads 1025", threads + "\"1025\""},
        {"a", "one directory only, found \"" + dir.path().string() + "\" and \"a\""},
        {"--par par.csv", "--par needs --exact (the par sheet is written by the exact analysis)"},
        {"--exact --par=", "--par needs a file name"},
        {"--exact --par", "--par needs a value"},
        {"--rng-report --draws 999", draws + "\"999\""},
        {"--rng-report --draws=1000000000001", draws + "\"1000000000001\""},
        {"--draws 5000", "--draws needs --rng-report"},
        {"--rng-stops 0",
         "--rng-stops needs a whole number of stop tuples from 1 to "
         "1000000000000, not \"0\""},
        {"--exact --rng-report",
         "--exact, --rng-report, --rng-raw and --rng-stops go one at a time"},
        {"--rng-raw --rng-stops 5",
         "--exact, --rng-report, --rng-raw and --rng-stops go one at a time"},
        {"--rng-raw --json",
         "--json goes with a run, --exact or --rng-report, not with raw draws or stops"}};
    for (const auto& [args, error] : cases) {
        std::vector<std::string> argv = {dir.path().string()};
        std::istringstream words(args);
        for (std::string word; words >> word;) argv.push_back(word);
        const auto run = RunInProcess(argv);
        EXPECT_EQ(run.exit_code, 2) << args;
        EXPECT_TRUE(run.err.starts_with("kragmoor-sim: " + error + "\n")) << run.err;
        EXPECT_NE(run.err.find("\nUsage: kragmoor-sim"), std::string::npos) << args;
        EXPECT_EQ(run.out, "") << args;
    }
    EXPECT_EQ(dir.Files(), Names{"ReelSetup.ini"});
}

// The largest count is accepted; every count is rounded up to the yield at which the run stops,
// in one place, and never past the largest.
TEST(CliTest, GamesAreAcceptedUpToATrillionAndRoundedUpToAYield) {
    const auto parsed = cli::ParseOptions({"--games", "1000000000000"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.games, 1000000000000);
    const std::pair<std::int64_t, std::int64_t> stops[] = {
        {0, 0}, {1, 100}, {100, 100}, {101, 200}, {999999999901, 1000000000000}};
    for (const auto& [games, at] : stops) EXPECT_EQ(HeadlessRun::StopsAt(games), at) << games;
    EXPECT_THROW(HeadlessRun::StopsAt(1000000000001), std::out_of_range);
    EXPECT_THROW(HeadlessRun::StopsAt(-1), std::out_of_range);
}

// --games 0 writes the report and the empty logs, leaves other files alone and describes the
// game; a misspelt name (row 7 of reel 2) ends its reel though names follow, and the summary says
// so; the JSON form escapes what the version holds.
TEST(CliTest, LoadModeWritesTheReportAndEmptyLogsAndDescribesTheGame) {
    const TempDir dir;
    CopyReferenceGame(dir);
    WriteFile(dir / "readme.txt", "kept");
    const auto run = RunInProcess({dir.path().string(), "--games", "0"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.Files(), (Names{"ReelSetup.ini", "readme.txt", "Temp1.txt", "Jackpot.txt",
                                  "FreeSpins.txt", "Percent_10000.txt"}));
    for (const char* expected :
         {"Kragmoor, version G0 reference 1\n", "Designed RTP     96.50 %\nSeed             4242\n",
          "Base reels       20 21 22 23 24 positions (section of 24 rows)\n",
          "Free-spin reels  25 25 25 25 25 positions (section of 25 rows)\n",
          "    10  Dragon            0      10      50     200    1000\n"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }

    CopyReferenceGame(dir, "Ten,       Rune,      Ten,", "Ten,       Rune,      Tne,");
    const auto gap = RunInProcess({dir.path().string(), "--games", "0"});
    EXPECT_EQ(gap.exit_code, 0) << gap.err;
    EXPECT_NE(gap.out.find("Base reels       20 21 7 23 24 positions"), std::string::npos);
    EXPECT_NE(gap.out.find("Note: base-game reel 2 ends at the field of row 7, which is no symbol "
                           "name, but row 8 holds a symbol again"),
              std::string::npos);

    CopyReferenceGame(dir, "G0 reference 1", "say \"hi\"\\x\t");
    const auto json = RunInProcess({"--json", "--games=0", dir.path().string()});
    EXPECT_EQ(json.exit_code, 0) << json.err;
    EXPECT_NO_THROW(JsonReader::Read(json.out));
    for (const char* expected :
         {"\"version\": \"say \\\"hi\\\"\\\\x\\t\",", "\"designed_rtp\": 96.5,",
          "\"base_reels\": {\"section_rows\": 24, \"positions\": [20, 21, 22, 23, 24]},",
          "    [0, 10, 50, 500, 2500],\n", "\"notes\": [],"}) {
        EXPECT_NE(json.out.find(expected), std::string::npos) << expected;
    }
}

// Names on the command line are UTF-8 whatever the system's code page: a folder and a par sheet
// named in letters no one code page holds are found and written under those names.
TEST(CliTest, FolderAndParSheetNamesAreUtf8) {
    const TempDir dir;
    const auto utf8 = [](const std::filesystem::path& path) {
        const std::u8string name = path.u8string();
        return std::string(name.begin(), name.end());
    };
    const std::filesystem::path game = dir / std::filesystem::path(u8"game Ω 游戏");
    const std::filesystem::path par = dir / std::filesystem::path(u8"par Ω.csv");
    std::filesystem::create_directory(game);
    std::filesystem::copy_file(TestData("g0/ReelSetup.ini"), game / "ReelSetup.ini");
    const auto load = RunInProcess({utf8(game), "--games", "0"});
    EXPECT_EQ(load.exit_code, 0) << load.err;
    EXPECT_TRUE(std::filesystem::exists(game / "Temp1.txt"));
    const auto exact = RunInProcess({utf8(game), "--exact", "--par", utf8(par)});
    EXPECT_EQ(exact.exit_code, 0) << exact.err;
    EXPECT_EQ(dir.Files(), (Names{"game Ω 游戏", "par Ω.csv"}));
}

// Games refused before anything is written, whatever the count, exit with 1 and the message
// naming the file: a definition that cannot be read (every refusal: the reader's tests), a
// missing one, and free spins that never end (the bound: the engine's tests).
TEST(CliTest, GamesThatCannotBePlayedAreRefusedBeforeAnythingIsWritten) {
    const auto never_ends = [](const std::string& once_in) {
        return ": free-spins reels: the free spins retrigger once in " + once_in +
               " spins, so a feature never ends (15 \u00d7 chance \u2265 1)\n";
    };
    const std::pair<std::string, std::string> cases[] = {
        {"SEED = 42x",
         ":12: seed line: expected \"SEED = \" followed by a whole number from -2147483648 to "
         "2147483647\n"},
        {"missing", ": no such file: expected the game definition here\n"},
        {"endless", never_ends("1.00")},
        {"at-bound", never_ends("15.00")}};
    for (const auto& [game, message] : cases) {
        for (const char* games : {"0", "1000"}) {
            SCOPED_TRACE(game + " --games " + games);
            const TempDir dir;
            if (game.starts_with("SEED")) {
                CopyReferenceGame(dir, "SEED = 4242", game);
            } else if (game != "missing") {
                CopyFeatureBoundGame(dir, game);
            }
            const auto run = RunInProcess({dir.path().string(), "--games", games});
            EXPECT_EQ(std::tuple(run.exit_code, run.out, run.err),
                      std::tuple(1, std::string(), (dir / "ReelSetup.ini").string() + message));
            EXPECT_EQ(dir.Files(), game == "missing" ? Names{} : Names{"ReelSetup.ini"});
        }
    }
}

// A game just below the bound is played; --exact values even an endless one, its infinite
// figures null in JSON.
TEST(CliTest, FeaturesThatNeverEndAreValuedByExact) {
    const TempDir dir;
    CopyFeatureBoundGame(dir, "just-under");
    EXPECT_EQ(RunInProcess({dir.path().string(), "--games", "0"}).exit_code, 0);
    CopyFeatureBoundGame(dir, "endless");
    const auto json = RunInProcess({"--exact", "--json", dir.path().string()});
    EXPECT_TRUE(JsonReader::Read(json.out)["free_spins_per_feature"].IsNull()) << json.out;
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
