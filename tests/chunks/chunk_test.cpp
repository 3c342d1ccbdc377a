// Chunks of a run merged: on one stream they give the single run's counters, logs and loss
// streaks; played by the engine on several threads in ranges, each draws from the seed's stream
// jumped exactly as often as the chunk's number (chunk 0 against the single stream is the runner's
// test, chunked_run_test.cpp).
#include "engine/chunks/chunk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/chunks/chunk_merge.h"
#include "engine/chunks/chunked_run.h"
#include "engine/play/session.h"
#include "engine/records/bookings.h"
#include "engine/records/hit_table.h"
#include "engine/records/save_report.h"
#include "model/definition_reader.h"
#include "rng/rng.h"
#include "test_support.h"

namespace kragmoor {
namespace {

constexpr const char* kLogs[] = {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"};

struct Played {  // a run's state, logs and restarts
    RunState state;
    std::array<std::string, 3> logs;
    std::int64_t restarts = 0;
};

void CreateLogs(LogFiles& logs, const test::TempDir& dir) {
    for (auto [log, name] : {std::pair{&logs.Percent, kLogs[0]},
                             {&logs.Jackpot, kLogs[1]},
                             {&logs.FreeSpins, kLogs[2]}}) {
        ASSERT_TRUE(log->Create(dir / name)) << name;
    }
}

// The block a save of `state` appends to a new report: games, totals and the hit table.
std::string Saved(const GameDefinition& def, const RunState& state) {
    HitTable hits(def);
    hits.Refresh(def, state);
    const test::TempDir dir;
    std::string message;
    EXPECT_TRUE(AppendSaveReport(dir / "Temp1.txt", state, hits, &message)) << message;
    return test::ReadFile(dir / "Temp1.txt");
}

// The loss streaks of each length and the streak that goes on.
std::vector<std::int64_t> Streaks(const RunState& s) {
    std::vector<std::int64_t> streaks(s.LossStreakHits, s.LossStreakHits + kStreakSlots);
    streaks.push_back(s.LossStreak);
    return streaks;
}

// Chunks ending at `edges`, each on an engine of its own drawing from `stream(k)` for chunk k,
// merged in order; a chunk that ended by itself at its edge counts a restart, as the single run
// would have started again there.
Played Merged(const GameDefinition& def, const std::vector<std::int64_t>& edges, bool sequential,
              int reel, const std::function<rng_Stream&(std::int64_t)>& stream) {
    const auto tables = ChunkTables(def);
    Played sum{LoaderState(def), {}, 0};
    std::int64_t before = 0;
    for (std::int64_t k = 0; k < std::ssize(edges); ++k) {
        const std::int64_t end = edges[static_cast<std::size_t>(k)];
        const test::TempDir dir;
        LogFiles logs;
        CreateLogs(logs, dir);
        const ChunkResult chunk =
            PlayChunk(tables, logs, dir.path(), Chunk{before, end, sequential, reel}, stream(k));
        EXPECT_FALSE(chunk.write_failed);
        MergeChunk(sum.state, chunk.state);
        sum.restarts += chunk.restarts + (chunk.ended_by_itself && end != edges.back() ? 1 : 0);
        for (std::size_t i = 0; i < 3; ++i) sum.logs[i] += test::ReadFile(dir / kLogs[i]);
        before = end;
    }
    return sum;
}

const GameDefinition& Bundled() {
    static const GameDefinition def = ReadDefinition(test::SourceFile("games/ReelSetup.ini"));
    return def;
}

constexpr int kSeed = 26;  // a trigger on game 10000, so that a feature crosses an edge

class Chunks : public ::testing::TestWithParam<bool> {};

// Edges where Percent_10000.txt's window restarts (sequentially reel 3 carries 59 times): the
// chunks add up to the run played as one chunk, which is the single run's (the runner's test).
TEST_P(Chunks, ChunksOnOneStreamAddUpToTheSingleRun) {
    const bool sequential = GetParam();
    const auto play = [sequential](const std::vector<std::int64_t>& edges) {
        rng_Stream stream;
        rng_StreamInit(&stream, kSeed);
        return Merged(Bundled(), edges, sequential, 3,
                      [&](std::int64_t) -> rng_Stream& { return stream; });
    };
    const Played single = play({90000});
    const Played chunks = play({10000, 20000, 30000, 60000, 70000, 90000});
    if (!sequential) {
        // The feature of game 10000 crosses the first edge: its record is the first chunk's.
        EXPECT_NE(chunks.logs[2].find("     10000"), std::string::npos);
    }
    EXPECT_EQ(Saved(Bundled(), chunks.state), Saved(Bundled(), single.state));
    EXPECT_EQ(chunks.logs, single.logs);
    EXPECT_EQ(chunks.restarts, single.restarts);
    EXPECT_EQ(chunks.state.FreeSpinsTotal, single.state.FreeSpinsTotal);
    EXPECT_EQ(Streaks(chunks.state), Streaks(single.state));
    EXPECT_TRUE(
        std::equal(chunks.state.ReelStop, chunks.state.ReelStop + kReels, single.state.ReelStop));
}

INSTANTIATE_TEST_SUITE_P(RandomAndSequential, Chunks, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? "Sequential" : "Random";
                         });

// Loss streaks of rounds split anywhere, long ones across edges included, join to the whole's.
TEST(ChunkMerge, LossStreaksJoinAcrossTheEdges) {
    std::mt19937 random(5);
    std::vector<bool> won;
    for (int run = 0; run < 400; ++run) {
        // Runs of losses from 0 to 160 rounds, each ended by a win.
        const int losses = static_cast<int>(random() % 161);
        won.insert(won.end(), static_cast<std::size_t>(losses), false);
        won.push_back(true);
    }
    won.insert(won.end(), 123, false);  // ends on a streak, over two restarts of the count

    const auto count = [&](std::size_t from, std::size_t to) {
        RunState st;
        for (std::size_t i = from; i < to; ++i) {
            st.WinAtGameStart = st.TotalWin;
            if (won[i]) ++st.TotalWin;
            UpdateLossStreak(st);
        }
        st.TotalWin = 0;  // the win does not matter below
        return st;
    };
    const RunState whole = count(0, won.size());
    for (int split = 0; split < 20; ++split) {
        std::vector<std::size_t> edges = {0, won.size()};
        if (split == 0) {  // chunks of losses only, the streak they join passing 50
            edges.insert(edges.end(), {won.size() - 60, won.size() - 10});
        }
        for (int e = 0; e < 1 + split % 6; ++e) edges.push_back(random() % won.size());
        std::sort(edges.begin(), edges.end());
        RunState sum;
        for (std::size_t e = 0; e + 1 < edges.size(); ++e)
            MergeChunk(sum, count(edges[e], edges[e + 1]));
        ASSERT_EQ(Streaks(sum), Streaks(whole)) << "split " << split;
        EXPECT_EQ(sum.OpeningLosses, whole.OpeningLosses);
    }
}

// A session on the bundled game in a directory of its own.
Session BundledSession(const test::TempDir& dir) {
    test::WriteFile(dir / "ReelSetup.ini", test::ReadFile(test::SourceFile("games/ReelSetup.ini")));
    return OpenSession(dir.path(), {});
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

    // Each chunk on an engine of its own, from the seed's stream jumped once per chunk before it.
    const std::vector<std::int64_t> edges = {kChunkGames, 2 * kChunkGames, games};
    rng_Stream stream;
    const Played want = Merged(session.definition, edges, false, kSelectedReelAtLoad,
                               [&](std::int64_t k) -> rng_Stream& {
                                   rng_StreamInit(&stream, session.definition.Seed);
                                   for (std::int64_t jump = 0; jump < k; ++jump)
                                       rng_StreamJump(&stream);
                                   return stream;
                               });
    EXPECT_EQ(Saved(session.definition, r.state), Saved(session.definition, want.state));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(test::ReadFile(dir / kLogs[i]) == want.logs[i]) << kLogs[i] << " differs";
    }
    EXPECT_NE(want.logs[2], "");  // features were played, so that FreeSpins.txt tells too
}

}  // namespace
}  // namespace kragmoor
