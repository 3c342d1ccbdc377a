// A run played in chunks of a million games on several threads, with the same files and figures
// at any thread count (kragmoor-sim --threads T). Chunk k plays the run's games k * 10^6 + 1 to
// (k + 1) * 10^6 on an engine of its own (chunk.h), drawing from the seed's stream jumped k times
// by 2^128 draws (rng_StreamInitJumped), so that no two chunks share a draw; its logs go to
// temporary files (chunk_logs.h). The chunks are added up in game order on the calling thread
// (chunk_merge.h): their logs joined to the run's, the save at every CycleGames games made from
// the sum, so the thread count decides only how fast the result comes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/chunks/chunk.h"
#include "engine/play/game_events.h"
#include "engine/play/session.h"
#include "engine/rules/game_tables.h"
#include "model/game_model.h"
#include "rng/rng.h"

namespace kragmoor {

inline constexpr std::int64_t kChunkGames = 1'000'000;

struct ChunkedRunPlan {
    std::int64_t games = 0;  // as asked: rounded up to a multiple of 100
    bool sequential = false;
    int selected_reel = kSelectedReelAtLoad;
    int threads = 2;  // 0: every core
    // A run that goes on from an engine's games (a window's): the games played before it, so
    // that its first chunk is what is left of the one holding the next game, and the stream
    // that engine draws from. That stream, the seed's own, is chunk 0's: it plays chunk 0 or
    // the rest of a chunk begun before, and goes on from where they left it; null: chunk k
    // draws from the seed's stream jumped k times, chunk 0 included.
    std::int64_t games_before = 0;
    rng_Stream* own_stream = nullptr;
    // The chart those games go on drawing (chunk.h); null: a fresh one.
    const ChartData* own_chart = nullptr;
};

struct ChunkedRunResult {
    RunState state;  // the sum of the chunks
    std::int64_t chunks = 0;
    std::int64_t restarts = 0;       // as the single stream counts them: runs ended by themselves
    std::vector<RunNotice> notices;  // the notices of the chunks and the sum, in order
    bool write_failed = false;
};

// Called on the calling thread with the sum after each chunk added.
using ChunkProgress = std::function<void(const RunState&)>;

class ChunkLogs;

// A played chunk handed over on the calling thread in game order: its result and its logs
// (closed temporary files). False ends the play.
using ChunkTaker = std::function<bool(const ChunkResult&, const ChunkLogs&)>;

// Appends a chunk's log records to the run's logs, in order; false, with the message naming the
// file and the reason, when that failed.
using ChunkLogAppender = std::function<bool(LogFiles& run, std::string* message)>;

// The threads `chunks` chunks are played on: every core for 0, never more than there are chunks.
int ChunkThreads(int threads, std::int64_t chunks);

class ChunkedRun {
  public:
    // The run `plan` asks for on the session's game, its logs the session's (open). The session
    // outlives the object.
    ChunkedRun(Session& session, const ChunkedRunPlan& plan);
    ChunkedRun(const ChunkedRun&) = delete;
    ChunkedRun& operator=(const ChunkedRun&) = delete;

    // How many chunks the run's games make, the last maybe a short one, and the first one that
    // holds a game after the games before the run.
    std::int64_t Chunks() const { return chunks_; }
    std::int64_t FirstChunk() const { return plan_.games_before / kChunkGames; }

    // Plays chunks first..end-1 of the run (0 <= first <= end <= Chunks()) and adds them in order
    // to the sum of those played before: ranges played one after the other from chunk 0 add up to
    // the whole run, and a range played alone to its own games. A chunk whose file could not be
    // written ends it (the chunks before it and what it played are kept) and false is returned;
    // nothing is played after.
    bool Play(std::int64_t first, std::int64_t end, const ChunkProgress& progress = {});
    bool Play(const ChunkProgress& progress = {}) { return Play(0, chunks_, progress); }

    // Plays chunks first..end-1 and hands each to `take` in order instead of adding it: a run
    // played in parts keeps its chunks for the merge. A chunk whose logs could not be created
    // fails the result as in Play.
    bool PlayEach(std::int64_t first, std::int64_t end, const ChunkTaker& take);

    // Adds the next chunk in game order, played here or by another process (a part file): its
    // logs appended to the run's by `append_logs`, its counters summed, and at its edge the save
    // and the restart the single stream would have made. False once a file could not be written.
    bool Add(const ChunkResult& played, const ChunkLogAppender& append_logs,
             const ChunkProgress& progress = {});

    const ChunkedRunResult& Result() const { return sum_; }

    // A save of the sum as the Save button makes it: the totals and the hit table appended to the
    // report, empty.txt rewritten. A file that could not be written is added to the notices and
    // marks the result failed. The logs stay open: the session's to close.
    bool Save();

  private:
    struct PlayedChunk;

    bool Fail(std::string message);
    void NoteWriteFailure(std::string message);
    void AtEdge(bool ended_by_itself);

    Session& session_;
    const ChunkedRunPlan plan_;
    const std::int64_t games_end_;
    const std::int64_t chunks_;
    const std::shared_ptr<const GameTables> tables_;
    ChunkedRunResult sum_;
};

}  // namespace kragmoor
