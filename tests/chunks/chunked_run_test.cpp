// kragmoor-sim --threads T in this process: the chunks' streams, odometer runs split across
// chunks with the same files and figures at every thread count, and logs that cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../cli/cli_test_support.h"
#include "../cli/json_reader.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files, the small game and the runner

const char* const kFiles[] = {"Temp1.txt", "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt",
                              "empty.txt"};

// What a run leaves: its files (the report's start date left out) and its JSON as written, less
// the timings.
struct Outcome {
    int exit_code = -1;
    std::string err;
    std::vector<std::string> files;
    std::string json;

    double operator[](const std::string& key) const { return JsonReader::Read(json)[key].number; }
};

// The chunks' logs must all have been joined and removed, also when the run ends early.
void ExpectNoChunkFiles(const TempDir& dir) {
    for (const std::string& name : dir.Files()) EXPECT_EQ(name.find(".part"), name.npos) << name;
}

Outcome Played(const std::string& game, std::vector<std::string> args) {
    const TempDir dir;
    WriteFile(dir / "ReelSetup.ini", game);
    args.insert(args.begin(), dir.path().string());
    args.push_back("--json");
    const auto run = RunInProcess(args);
    Outcome outcome{run.exit_code, run.err, {}, {}};
    for (const char* file : kFiles) {
        std::string text = ReadFile(dir / file);
        const auto date = text.find("\r\n     Date: ");
        if (date != text.npos) text.erase(date, text.find("\r\n", date + 2) - date);
        outcome.files.push_back(text);
    }
    ExpectNoChunkFiles(dir);
    for (const std::string& line : OutputLines(run.out)) {
        if (line.find("second") == line.npos) outcome.json += line + "\n";
    }
    if (run.exit_code == 0) JsonReader::Read(outcome.json);  // still one valid object
    return outcome;
}

const std::string& Bundled() {
    static const std::string game = ReadFile(SourceFile("games/ReelSetup.ini"));
    return game;
}

void ExpectSameRun(const Outcome& got, const Outcome& want) {
    ASSERT_EQ(got.exit_code, 0) << got.err;
    ASSERT_EQ(want.exit_code, 0) << want.err;
    EXPECT_EQ(got.json, want.json);
    for (std::size_t f = 0; f < std::size(kFiles); ++f) {
        EXPECT_TRUE(got.files[f] == want.files[f]) << kFiles[f] << " differs";
    }
}

// Chunk 0 draws from the seed's own stream: a million games in one chunk are the single stream's
// first million (none of which triggers a feature on its last game, which a chunk would finish),
// and a second chunk brings games of its own.
TEST(ChunkedRun, TheFirstChunkPlaysTheSingleStreamsGames) {
    const Outcome single = Played(Bundled(), {"--games", "1000000"});
    Outcome chunked = Played(Bundled(), {"--games", "1000000", "--threads", "2"});
    const auto chunks = chunked.json.find("\"chunks\": 1,");
    ASSERT_NE(chunks, std::string::npos) << chunked.json;
    chunked.json.replace(chunks, 12, "\"chunks\": 0,");
    ExpectSameRun(chunked, single);
    const Outcome two_chunks = Played(Bundled(), {"--games", "2000000", "--threads", "2"});
    EXPECT_TRUE(two_chunks.files[2].starts_with(single.files[2]));  // FreeSpins.txt goes on
    EXPECT_NE(two_chunks["total_win"], 2 * single["total_win"]);
}

// The small game with reels 0..3 of 14 positions and reel 4 of 37: a whole odometer cycle of
// 1 421 392 games spans two chunks. Reel 4 wraps on games 37k + 1, so game 1 000 000, the first
// chunk's last, ends the run by itself and the single stream starts it again there.
std::string OdometerGame() {
    const auto name = [](int i) { return i < 11 ? "S" + std::to_string(i) : std::string("Wild"); };
    std::vector<std::string> base, free;
    for (int row = 0; row < 37; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            line += (reel < 4 && row >= 14)      ? "GAP,"
                    : row == (3 + 2 * reel) % 14 ? "Scatter,"
                                                 : name((row * 5 + reel * 3) % 12) + ",";
        }
        base.push_back(line);
    }
    for (int row = 0; row < 10; ++row) {
        std::string line;
        for (int reel = 0; reel < 5; ++reel) {
            line += reel % 2 == 0 && row == 4 ? "Scatter," : name((row * 7 + reel) % 12) + ",";
        }
        free.push_back(line);
    }
    auto lines = SmallGameLines();
    lines.insert(lines.erase(lines.begin() + kFirstFreeRow - 1, lines.begin() + kWinLinesLine - 1),
                 free.begin(), free.end());
    lines.insert(lines.erase(lines.begin() + kFirstBaseRow - 1, lines.begin() + kFreeSpinsLine - 1),
                 base.begin(), base.end());
    return Join(lines);
}

// Odometer runs split into chunks play the single stream's base games: the same games, base-game
// wins, win events and restarts (one at every wrap of reel 4, the one on the chunks' edge
// included); their free spins draw from the chunks' own streams, alike at every thread count.
TEST(ChunkedRun, OdometerChunksPlayTheSingleStreamsBaseGames) {
    const auto run = [](const char* threads) {
        return Played(OdometerGame(), {"--games", "1421392", "--sequential", "--threads", threads});
    };
    const Outcome single = run("1"), two = run("2");
    for (const char* key : {"games", "win_events", "restarts"}) {
        EXPECT_EQ(two[key], single[key]) << key;
    }
    EXPECT_EQ(two["total_win"] - two["free_win"], single["total_win"] - single["free_win"]);
    EXPECT_EQ(two["games"], 1421400);
    EXPECT_EQ(two["restarts"], 1 + 1421400 / 37);
    EXPECT_GT(two["free_games"], 1000);
    ExpectSameRun(run("3"), two);
}

// A game with its own rules and lines (the second bundled game, whose features bring 10 spins and
// retriggers 5, 10 or 20) plays alike at every thread count.
TEST(ChunkedRun, AGameWithItsOwnRulesPlaysAlikeAtEveryThreadCount) {
    const std::string game = ReadFile(SourceFile("games/cinderbrae/ReelSetup.ini"));
    const Outcome two = Played(game, {"--games", "2500000", "--threads", "2"});
    EXPECT_GT(two["free_games"], 15000);
    ExpectSameRun(Played(game, {"--games", "2500000", "--threads", "3"}), two);
}

// A log that cannot be written, a chunk's or the run's own, ends the run with its name and the
// system's reason; the chunks' files are removed all the same, and what was played is saved.
TEST(ChunkedRun, ALogOnAFullDiskEndsTheRunAndIsNamed) {
    if (!HasFullDevice()) GTEST_SKIP() << "no /dev/full";
    for (const std::string file : {"FreeSpins.txt.part1", "FreeSpins.txt"}) {
        const TempDir dir;
        WriteFile(dir / "ReelSetup.ini", Bundled());
        std::filesystem::create_symlink("/dev/full", dir / file);
        const auto run =
            RunInProcess({dir.path().string(), "--games", "5000000", "--threads", "2"});
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_NE(
            run.err.find("kragmoor-sim: Cannot write " + file + ": No space left on device\n"),
            std::string::npos)
            << run.err;
        std::filesystem::remove(dir / file);
        ExpectNoChunkFiles(dir);
        const std::string games = SavedGames(ReadFile(dir / "Temp1.txt"));
        EXPECT_TRUE(games != "<no save>" && games != "5 000 000") << games;
    }
}

}  // namespace
}  // namespace kragmoor
