// kragmoor-sim --threads T (T other than 1): a run played in chunks of a million games on
// several threads, with the same files and figures at any thread count. Chunk k plays the run's
// games k * 10^6 + 1 to (k + 1) * 10^6 on an engine of its own (engine/run_part.h), drawing
// from the seed's stream jumped k times by 2^128 draws, so that no two chunks share a draw; its
// logs go to temporary files. The chunks are added up in game order on the calling thread
// (engine/run_merge.h): their logs joined to the run's, the save at every CycleGames games made
// from the sum, so the thread count decides only how fast the result comes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/play/session.h"
#include "model/game_model.h"

namespace kragmoor::cli {

inline constexpr std::int64_t kChunkGames = 1'000'000;

struct ChunkedRunPlan {
    std::int64_t games = 0;  // as asked: rounded up to a multiple of 100
    bool sequential = false;
    int selected_reel = kSelectedReelAtLoad;
    int threads = 2;  // 0: every core
};

struct ChunkedRunResult {
    RunState state;  // the sum of the chunks
    std::int64_t chunks = 0;
    std::int64_t restarts = 0;  // as the single stream counts them: runs ended by themselves
    std::vector<std::string> messages;  // the notices of the chunks and the sum, in order
    bool write_failed = false;
};

// Called on the calling thread with the sum after each chunk added.
using ChunkProgress = std::function<void(const RunState&)>;

// Plays the run on the session's game and writes its logs; a chunk whose file could not be
// written ends it (the chunks before it and what it played are kept). The caller saves the sum
// (SaveRunState) and closes the logs.
ChunkedRunResult PlayInChunks(Session& session, const ChunkedRunPlan& plan,
                              const ChunkProgress& progress = {});

// The threads a plan is played on: every core for 0, never more than there are chunks.
int ChunkThreads(int threads, std::int64_t chunks);

// A save of `state` as the Save button makes it: the totals and the hit table appended to the
// report, empty.txt rewritten. The files that could not be written are added to `messages`.
bool SaveRunState(const Session& session, const RunState& state,
                  std::vector<std::string>& messages);

}  // namespace kragmoor::cli
