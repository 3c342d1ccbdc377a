#include "cli/chunked_run.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "cli/chunk_logs.h"
#include "cli/ordered_pool.h"
#include "engine/parts/run_merge.h"
#include "engine/parts/run_part.h"
#include "engine/play/headless_run.h"
#include "engine/records/hit_table.h"
#include "engine/records/save_report.h"
#include "model/text_format.h"
#include "rng/rng.h"

namespace kragmoor::cli {

namespace {

struct ChunkJob {
    RunPart part;
    rng_Stream stream;
};

struct PlayedChunk {
    ChunkLogs logs;
    std::string failure;  // its logs could not be created: nothing was played
    RunPartResult result;
};

std::string FailedLog(const LogFiles& logs) {
    for (const LogFile* log : {&logs.Percent, &logs.Jackpot, &logs.FreeSpins}) {
        if (log->Failed()) return log->FailureMessage();
    }
    return {};
}

// Adds the chunks up in game order: their logs appended to the run's, their counters summed,
// and at each edge what the single stream would have done there (a save at every CycleGames
// games, a run that ended by itself started again).
class ChunkSum {
  public:
    ChunkSum(Session& session, std::int64_t games_end, const ChunkProgress& progress)
        : session_(session), games_end_(games_end), progress_(progress) {
        sum_.state = LoaderState(session.definition);
    }

    bool Take(PlayedChunk& chunk) {
        if (!chunk.failure.empty()) return Fail(chunk.failure);
        ++sum_.chunks;
        std::string message;
        const bool joined = chunk.logs.AppendTo(session_.logs, &message);
        const RunPartResult& part = chunk.result;
        MergeRunPart(sum_.state, part.state);
        sum_.restarts += part.restarts;
        sum_.messages.insert(sum_.messages.end(), part.messages.begin(), part.messages.end());
        if (!joined) return Fail(message);
        // The run's logs reach the disk chunk by chunk, so that a full disk ends the run soon.
        if (!session_.logs.FlushAll()) return Fail(FailedLog(session_.logs));
        if (part.write_failed) return Fail({});
        AtEdge(part);
        if (progress_) progress_(sum_.state);
        return !sum_.write_failed;
    }

    ChunkedRunResult Result() && { return std::move(sum_); }

  private:
    bool Fail(std::string message) {
        if (!message.empty()) sum_.messages.push_back(std::move(message));
        sum_.write_failed = true;
        return false;
    }

    void AtEdge(const RunPartResult& part) {
        const std::int64_t games = sum_.state.Games;
        const std::int64_t cycle = session_.definition.CycleGames;
        const bool cycle_end = cycle > 0 && games % cycle == 0;
        if (cycle_end) {
            if (!SaveRunState(session_, sum_.state, sum_.messages)) sum_.write_failed = true;
            sum_.messages.push_back(text::Decimal(games) + " Games!");
        }
        if (games < games_end_ && (cycle_end || part.ended_by_itself)) ++sum_.restarts;
    }

    Session& session_;
    const std::int64_t games_end_;
    const ChunkProgress& progress_;
    ChunkedRunResult sum_;
};

}  // namespace

int ChunkThreads(int threads, std::int64_t chunks) {
    std::int64_t n = threads;
    if (n == 0) n = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<int>(std::clamp<std::int64_t>(n, 1, std::max<std::int64_t>(chunks, 1)));
}

bool SaveRunState(const Session& session, const RunState& state,
                  std::vector<std::string>& messages) {
    const GameDefinition& def = session.definition;
    HitTable hits(def);
    hits.Refresh(def, state);
    std::string message;
    bool ok = AppendSaveReport(session.dir / def.ReportFileName, state, hits, &message);
    if (!ok) messages.push_back(message);
    if (!WriteLossStreakTable(session.dir / "empty.txt", state, &message)) {
        messages.push_back(message);
        ok = false;
    }
    return ok;
}

ChunkedRunResult PlayInChunks(Session& session, const ChunkedRunPlan& plan,
                              const ChunkProgress& progress) {
    const std::int64_t games_end = HeadlessRun::StopsAt(plan.games);
    const std::int64_t chunks = (games_end + kChunkGames - 1) / kChunkGames;
    const std::shared_ptr<const GameTables> tables = RunPartTables(session.definition);

    // Chunk k's stream: the seed's, jumped once more for every chunk handed out before it.
    rng_Stream next_stream;
    rng_StreamInit(&next_stream, session.definition.Seed);
    const OrderedPool<ChunkJob, PlayedChunk>::Make make = [&](std::int64_t k) {
        ChunkJob job{{k * kChunkGames, std::min(games_end, (k + 1) * kChunkGames), plan.sequential,
                      plan.selected_reel},
                     next_stream};
        rng_StreamJump(&next_stream);
        return job;
    };
    const OrderedPool<ChunkJob, PlayedChunk>::Play play = [&](ChunkJob& job) {
        PlayedChunk chunk{ChunkLogs(session.dir, job.part.games_before / kChunkGames), {}, {}};
        if (chunk.logs.Created(&chunk.failure)) {
            chunk.result =
                PlayRunPart(tables, chunk.logs.Files(), session.dir, job.part, job.stream);
        }
        return chunk;
    };
    ChunkSum sum(session, games_end, progress);
    const OrderedPool<ChunkJob, PlayedChunk>::Take take = [&](PlayedChunk& chunk) {
        return sum.Take(chunk);
    };
    const int threads = ChunkThreads(plan.threads, chunks);
    OrderedPool<ChunkJob, PlayedChunk>::Run(threads, chunks, 2 * static_cast<std::int64_t>(threads),
                                            make, play, take);
    return std::move(sum).Result();
}

}  // namespace kragmoor::cli
