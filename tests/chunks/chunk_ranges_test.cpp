// Ranges of a run's chunks played by the engine on several threads, against the same games played
// chunk by chunk from the seed's stream jumped exactly as often as the chunk's number (chunk 0
// against the single stream is the runner's test, chunked_run_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/chunks/chunk.h"
#include "engine/chunks/chunk_merge.h"
#include "engine/chunks/chunked_run.h"
#include "engine/play/session.h"
#include "engine/records/hit_table.h"
#include "engine/records/save_report.h"
#include "rng/rng.h"
#include "test_support.h"

namespace kragmoor {
namespace {

constexpr const char* kLogs[] = {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"};

struct Played {  // the save block of a state, and the three logs
    std::string saved;
    std::array<std::string, 3> logs;
};

// A session on the bundled game in a directory of its own.
Session BundledSession(const test::TempDir& dir) {
    test::WriteFile(dir / "ReelSetup.ini", test::ReadFile(test::SourceFile("games/ReelSetup.ini")));
    return OpenSession(dir.path(), {});
}

// The block a save of `state` appends to a new report.
std::string Saved(const GameDefinition& def, const RunState& state) {
    HitTable hits(def);
    hits.Refresh(def, state);
    const test::TempDir dir;
    std::string message;
    EXPECT_TRUE(AppendSaveReport(dir / "Temp1.txt", state, hits, &message)) << message;
    return test::ReadFile(dir / "Temp1.txt");
}

// The `games` of a run in chunks, each on an engine of its own drawing from the seed's stream
// jumped k times for chunk k, merged in order.
Played OneByOne(const GameDefinition& def, std::int64_t games) {
    const auto tables = ChunkTables(def);
    RunState sum = LoaderState(def);
    Played played;
    for (std::int64_t k = 0; k * kChunkGames < games; ++k) {
        rng_Stream stream;
        rng_StreamInit(&stream, def.Seed);
        for (std::int64_t jump = 0; jump < k; ++jump) rng_StreamJump(&stream);
        const test::TempDir dir;
        LogFiles logs;
        for (auto [log, name] : {std::pair{&logs.Percent, kLogs[0]},
                                 {&logs.Jackpot, kLogs[1]},
                                 {&logs.FreeSpins, kLogs[2]}}) {
            EXPECT_TRUE(log->Create(dir / name)) << name;
        }
        const Chunk chunk{k * kChunkGames, std::min((k + 1) * kChunkGames, games), false,
                          kSelectedReelAtLoad};
        const ChunkResult result = PlayChunk(tables, logs, dir.path(), chunk, stream);
        EXPECT_FALSE(result.write_failed);
        MergeChunk(sum, result.state);
        for (std::size_t i = 0; i < 3; ++i) played.logs[i] += test::ReadFile(dir / kLogs[i]);
    }
    played.saved = Saved(def, sum);
    return played;
}

// Chunk 0, then chunks 1 and 2 (the last a short one) on two threads: chunk 1's stream is asked of
// the generator, chunk 2's jumped from it, and each must be the seed's jumped once per chunk
// before it (a stream jumped twice as often gives other games); the second range adds to the
// first.
TEST(ChunkRanges, RangesPlayedInTurnAreTheChunksPlayedOneByOne) {
    const test::TempDir dir;
    Session session = BundledSession(dir);
    const std::int64_t games = 2 * kChunkGames + 100'000;
    ChunkedRun run(session, {games, false, kSelectedReelAtLoad, 2});
    ASSERT_EQ(run.Chunks(), 3);
    std::int64_t calls = 0;
    const auto count = [&calls](const RunState&) { ++calls; };
    ASSERT_TRUE(run.Play(0, 1, count) && run.Play(1, 3, count));
    ASSERT_TRUE(session.logs.CloseAll());
    const ChunkedRunResult& r = run.Result();
    EXPECT_EQ(std::tuple(calls, r.chunks, r.restarts, r.notices.size(), r.state.Games),
              std::tuple(3, 3, 0, 0u, games));

    const Played want = OneByOne(session.definition, games);
    EXPECT_EQ(Saved(session.definition, r.state), want.saved);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(test::ReadFile(dir / kLogs[i]) == want.logs[i]) << kLogs[i] << " differs";
    }
    EXPECT_NE(want.logs[2], "");  // features were played, so that FreeSpins.txt tells too
}

}  // namespace
}  // namespace kragmoor
