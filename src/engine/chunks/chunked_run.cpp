#include "engine/chunks/chunked_run.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "engine/chunks/chunk.h"
#include "engine/chunks/chunk_logs.h"
#include "engine/chunks/chunk_merge.h"
#include "engine/chunks/ordered_pool.h"
#include "engine/play/headless_run.h"
#include "engine/records/hit_table.h"
#include "engine/records/save_report.h"
#include "rng/rng.h"

namespace kragmoor {

struct ChunkedRun::PlayedChunk {
    ChunkLogs logs;
    std::string failure;  // its logs could not be created: nothing was played
    ChunkResult result;
    bool own_stream = false;  // drawn from the plan's own stream
    rng_Stream stream_after;  // where its stream stands after it
};

namespace {

struct ChunkJob {
    Chunk chunk;
    rng_Stream stream;
    bool own_stream = false;
};

std::string FailedLog(const LogFiles& logs) {
    for (const LogFile* log : {&logs.Percent, &logs.Jackpot, &logs.FreeSpins}) {
        if (log->Failed()) return log->FailureMessage();
    }
    return {};
}

}  // namespace

int ChunkThreads(int threads, std::int64_t chunks) {
    std::int64_t n = threads;
    if (n == 0) n = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<int>(std::clamp<std::int64_t>(n, 1, std::max<std::int64_t>(chunks, 1)));
}

ChunkedRun::ChunkedRun(Session& session, const ChunkedRunPlan& plan)
    : session_(session),
      plan_(plan),
      games_end_(HeadlessRun::StopsAt(plan.games)),
      chunks_((games_end_ + kChunkGames - 1) / kChunkGames),
      tables_(ChunkTables(session.definition)) {
    sum_.state = LoaderState(session.definition);
}

bool ChunkedRun::Play(std::int64_t first, std::int64_t end, const ChunkProgress& progress) {
    return PlayEach(first, end, [&](const ChunkResult& played, const ChunkLogs& logs) {
        return Add(
            played,
            [&logs](LogFiles& run, std::string* message) { return logs.AppendTo(run, message); },
            progress);
    });
}

bool ChunkedRun::PlayEach(std::int64_t first, std::int64_t end, const ChunkTaker& take) {
    if (sum_.write_failed) return false;
    // The first chunk's stream asked of the generator, each later one's a copy jumped once more.
    rng_Stream next_stream;
    rng_StreamInitJumped(&next_stream, session_.definition.Seed, static_cast<std::uint64_t>(first));
    using Pool = OrderedPool<ChunkJob, PlayedChunk>;
    const Pool::Make make = [&](std::int64_t i) {
        const std::int64_t k = first + i;
        const std::int64_t start = std::max(k * kChunkGames, plan_.games_before);
        ChunkJob job{{start, std::min(games_end_, (k + 1) * kChunkGames), plan_.sequential,
                      plan_.selected_reel},
                     next_stream};
        if (i == 0 && plan_.own_stream != nullptr && (k == 0 || start > k * kChunkGames)) {
            job.stream = *plan_.own_stream;
            job.own_stream = true;
            job.chunk.chart = plan_.own_chart;
        }
        rng_StreamJump(&next_stream);
        return job;
    };
    const Pool::Play play = [&](ChunkJob& job) {
        PlayedChunk chunk{ChunkLogs(session_.dir, job.chunk.games_before / kChunkGames),
                          {},
                          {},
                          job.own_stream,
                          {}};
        if (chunk.logs.Created(&chunk.failure)) {
            chunk.result =
                PlayChunk(tables_, chunk.logs.Files(), session_.dir, job.chunk, job.stream);
        }
        chunk.stream_after = job.stream;
        return chunk;
    };
    const Pool::Take take_played = [&](PlayedChunk& chunk) {
        if (!chunk.failure.empty()) return Fail(chunk.failure);
        if (chunk.own_stream) *plan_.own_stream = chunk.stream_after;
        return take(chunk.result, chunk.logs);
    };
    const int threads = ChunkThreads(plan_.threads, end - first);
    Pool::Run(threads, end - first, 2 * static_cast<std::int64_t>(threads), make, play,
              take_played);
    return !sum_.write_failed;
}

bool ChunkedRun::Save() {
    const GameDefinition& def = session_.definition;
    HitTable hits(def);
    hits.Refresh(def, sum_.state);
    const bool ok =
        WriteSaveFiles(session_.dir, def, sum_.state, hits,
                       [this](const std::string& message) { NoteWriteFailure(message); });
    if (!ok) sum_.write_failed = true;
    return ok;
}

// Adds a chunk to the sum: its logs appended to the run's, its counters summed, and at its edge
// what the single stream would have done there.
bool ChunkedRun::Add(const ChunkResult& played, const ChunkLogAppender& append_logs,
                     const ChunkProgress& progress) {
    if (sum_.write_failed) return false;
    ++sum_.chunks;
    std::string message;
    const bool joined = append_logs(session_.logs, &message);
    MergeChunk(sum_.state, played.state);
    sum_.restarts += played.restarts;
    sum_.notices.insert(sum_.notices.end(), played.notices.begin(), played.notices.end());
    if (!joined) return Fail(message);
    // The run's logs reach the disk chunk by chunk, so that a full disk ends the run soon.
    if (!session_.logs.FlushAll()) return Fail(FailedLog(session_.logs));
    if (played.write_failed) return Fail({});
    AtEdge(played.ended_by_itself);
    if (progress) progress(sum_.state);
    return !sum_.write_failed;
}

void ChunkedRun::NoteWriteFailure(std::string message) {
    sum_.notices.push_back({RunNotice::Kind::WriteFailed, 0, std::move(message)});
}

bool ChunkedRun::Fail(std::string message) {
    if (!message.empty()) NoteWriteFailure(std::move(message));
    sum_.write_failed = true;
    return false;
}

// A save at every CycleGames games, and a run that ended by itself started again.
void ChunkedRun::AtEdge(bool ended_by_itself) {
    const std::int64_t games = sum_.state.Games;
    const std::int64_t cycle = session_.definition.CycleGames;
    const bool cycle_end = cycle > 0 && games % cycle == 0;
    if (cycle_end) {
        Save();
        sum_.notices.push_back({RunNotice::Kind::CycleEnded, games, {}});
    }
    if (games < games_end_ && (cycle_end || ended_by_itself)) ++sum_.restarts;
}

}  // namespace kragmoor
