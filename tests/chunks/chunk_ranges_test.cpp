// Ranges of a run's chunks played by the engine on several threads: each chunk against the same
// games played alone from the seed's stream jumped exactly as often as the chunk's number (chunk 0
// against the single stream is the runner's test, chunked_run_test.cpp), and ranges played in
// turn against the whole run.
#include <gtest/gtest.h>

#include <array>
#include <string>
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

// Chunks first..end-1, each on an engine of its own drawing from the seed's stream jumped k times
// for chunk k, merged in order.
Played OneByOne(const GameDefinition& def, std::int64_t first, std::int64_t end) {
    const auto tables = ChunkTables(def);
    RunState sum = LoaderState(def);
    Played played;
    for (std::int64_t k = first; k < end; ++k) {
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
        const ChunkResult chunk = PlayChunk(
            tables, logs, dir.path(),
            Chunk{k * kChunkGames, (k + 1) * kChunkGames, false, kSelectedReelAtLoad}, stream);
        EXPECT_FALSE(chunk.write_failed);
        MergeChunk(sum, chunk.state);
        for (std::size_t i = 0; i < 3; ++i) played.logs[i] += test::ReadFile(dir / kLogs[i]);
    }
    played.saved = Saved(def, sum);
    return played;
}

// Chunks 1 and 2 of a run of three, played alone on two threads: chunk 1's stream is asked of the
// generator, chunk 2's jumped from it, and each must be the seed's jumped once per chunk before
// it (a stream jumped twice as often gives other games).
TEST(ChunkRanges, EachChunkDrawsFromTheSeedsStreamJumpedOncePerChunkBeforeIt) {
    const test::TempDir dir;
    Session session = BundledSession(dir);
    ChunkedRun run(session, {3 * kChunkGames, false, kSelectedReelAtLoad, 2});
    ASSERT_EQ(run.Chunks(), 3);
    ASSERT_TRUE(run.Play(1, 3));
    ASSERT_TRUE(session.logs.CloseAll());
    EXPECT_EQ(run.Result().chunks, 2);
    EXPECT_EQ(run.Result().state.Games, 3 * kChunkGames);

    const Played want = OneByOne(session.definition, 1, 3);
    EXPECT_EQ(Saved(session.definition, run.Result().state), want.saved);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(test::ReadFile(dir / kLogs[i]) == want.logs[i]) << kLogs[i] << " differs";
    }
    EXPECT_NE(want.logs[2], "");  // features were played, so that FreeSpins.txt tells too
}

// A run of three chunks, the last a short one, played as chunk 0 and then chunks 1 and 2, and
// saved: the same files and figures as the run played whole.
TEST(ChunkRanges, RangesPlayedInTurnAddUpToTheWholeRun) {
    const ChunkedRunPlan plan{2 * kChunkGames + 100'000, false, kSelectedReelAtLoad, 2};
    const auto played = [&](const std::vector<std::int64_t>& edges) {
        const test::TempDir dir;
        Session session = BundledSession(dir);
        ChunkedRun run(session, plan);
        std::int64_t calls = 0;
        for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
            EXPECT_TRUE(run.Play(edges[i], edges[i + 1], [&calls](const RunState&) { ++calls; }));
        }
        EXPECT_EQ(calls, 3);  // one progress call a chunk
        EXPECT_TRUE(run.Save());
        EXPECT_TRUE(session.logs.CloseAll());
        std::vector<std::string> files;
        for (const char* name : {"Temp1.txt", "empty.txt", kLogs[0], kLogs[1], kLogs[2]}) {
            std::string text = test::ReadFile(dir / name);
            const auto date = text.find("\r\n     Date: ");
            if (date != text.npos) text.erase(date, text.find("\r\n", date + 2) - date);
            files.push_back(text);
        }
        const ChunkedRunResult& sum = run.Result();
        files.push_back(std::to_string(sum.chunks) + " chunks, " + std::to_string(sum.restarts) +
                        " restarts, " + std::to_string(sum.notices.size()) + " notices");
        return files;
    };
    const std::vector<std::string> whole = played({0, 3});
    EXPECT_EQ(whole.back(), "3 chunks, 0 restarts, 0 notices");
    const std::vector<std::string> in_turn = played({0, 1, 3});
    for (std::size_t f = 0; f < whole.size(); ++f) {
        EXPECT_TRUE(in_turn[f] == whole[f]) << "file " << f << " differs";
    }
}

}  // namespace
}  // namespace kragmoor
