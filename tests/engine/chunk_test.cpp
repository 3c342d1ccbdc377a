// Chunks of a run on one stream, merged, give the single run's counters, logs and loss streaks.
#include "engine/chunks/chunk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/chunks/chunk_merge.h"
#include "engine/play/headless_run.h"
#include "engine/records/bookings.h"
#include "engine/records/save_report.h"
#include "engine_fixture.h"
#include "model/definition_reader.h"

namespace kragmoor {
namespace {

constexpr const char* kLogs[] = {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"};
struct Played {  // a run's state, logs and restarts
    RunState state;
    std::array<std::string, 3> logs;
    std::int64_t restarts = 0;
};

// The loss streaks of each length and the streak that goes on.
std::vector<std::int64_t> Streaks(const RunState& s) {
    std::vector<std::int64_t> streaks(s.LossStreakHits, s.LossStreakHits + kStreakSlots);
    streaks.push_back(s.LossStreak);
    return streaks;
}

constexpr int kSeed = 26;  // a trigger on game 10000, so that a feature crosses an edge

class Chunks : public ::testing::TestWithParam<bool> {
  protected:
    bool Sequential() const { return GetParam(); }

    // One engine playing `games` on one stream, its round completed as a chunk's is.
    Played Single(std::int64_t games) {
        const test::TempDir dir;
        LogFiles logs;
        test::CreateLogs(logs, dir.path());
        rng_Stream stream;
        rng_StreamInit(&stream, kSeed);
        Simulator engine(tables, logs, dir.path(), LoaderState(def), 0, StopDraws(stream));
        if (Sequential()) {
            engine.SetRandomStops(false);
            engine.SelectReel(3);
        }
        Played played;
        {
            HeadlessRun run(engine, games);
            run.Play();
            played.restarts = run.Restarts();
            engine.CompleteRound();
            engine.Exit();
        }
        played.state = engine.State();
        for (std::size_t i = 0; i < 3; ++i) played.logs[i] = test::ReadFile(dir / kLogs[i]);
        return played;
    }

    // The same games in chunks ending at `edges`, merged; a chunk that ended by itself at its edge
    // counts a restart, as the single run would have started again there.
    Played InChunks(const std::vector<std::int64_t>& edges) {
        rng_Stream stream;
        rng_StreamInit(&stream, kSeed);
        Played sum;
        sum.state = LoaderState(def);
        std::int64_t before = 0;
        for (const std::int64_t end : edges) {
            const test::TempDir dir;
            LogFiles logs;
            test::CreateLogs(logs, dir.path());
            const ChunkResult chunk =
                PlayChunk(tables, logs, dir.path(), Chunk{before, end, Sequential(), 3}, stream);
            EXPECT_FALSE(chunk.write_failed);
            MergeChunk(sum.state, chunk.state);
            sum.restarts += chunk.restarts + (chunk.ended_by_itself && end != edges.back() ? 1 : 0);
            for (std::size_t i = 0; i < 3; ++i) sum.logs[i] += test::ReadFile(dir / kLogs[i]);
            before = end;
        }
        return sum;
    }

    // The block a save appends to a new report.
    std::string Saved(const RunState& state) const {
        HitTable hits(def);
        hits.Refresh(def, state);
        const test::TempDir dir;
        std::string message;
        EXPECT_TRUE(AppendSaveReport(dir / "Temp1.txt", state, hits, &message)) << message;
        return test::ReadFile(dir / "Temp1.txt");
    }

    GameDefinition def = ReadDefinition(test::SourceFile("games/ReelSetup.ini"));
    std::shared_ptr<const GameTables> tables = ChunkTables(def);
};

TEST_P(Chunks, ChunksOnOneStreamAddUpToTheSingleRun) {
    // Edges where Percent_10000.txt's window restarts; sequentially reel 3 carries 59 times.
    const std::vector<std::int64_t> edges = {10000, 20000, 30000, 60000, 70000, 90000};
    const Played single = Single(90000);
    const Played chunks = InChunks(edges);

    if (!Sequential()) {
        // The feature of game 10000 crosses the first edge: its record is the first chunk's.
        EXPECT_NE(chunks.logs[2].find("     10000"), std::string::npos);
    }
    EXPECT_EQ(Saved(chunks.state), Saved(single.state));  // games, totals and the hit table
    EXPECT_EQ(chunks.logs, single.logs);
    EXPECT_EQ(chunks.restarts, single.restarts);
    EXPECT_EQ(chunks.state.FreeSpinsTotal, single.state.FreeSpinsTotal);
    EXPECT_EQ(Streaks(chunks.state), Streaks(single.state));
    EXPECT_EQ(test::StopsOf(chunks.state), test::StopsOf(single.state));
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

}  // namespace
}  // namespace kragmoor
