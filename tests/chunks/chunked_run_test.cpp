// kragmoor-sim --threads T in this process: the chunks' streams, odometer runs split across
// chunks with the same files and figures at every thread count, and logs that cannot be written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chunked_outcome.h"

namespace kragmoor {
namespace {

using namespace test;  // directories, files, the small game, the runner and its outcomes

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
