// A chunk of an automatic run, played by an engine of its own: the games after `games_before` up
// to `games_end`, drawn from a stream of its own and logged to logs of its own, so that the
// chunks of one run can be played side by side and added up in game order (chunk_merge.h). A
// chunk plays its games as the run would, with two differences at its edges: a feature its last
// game triggers is played to its end and recorded in the chunk, and the run's save at every
// CycleGames games is left to whoever adds the chunks up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/play/game_events.h"
#include "engine/records/chart_data.h"
#include "engine/rules/game_tables.h"
#include "model/game_model.h"
#include "model/log_file.h"
#include "rng/rng.h"

namespace kragmoor {

struct Chunk {
    std::int64_t games_before = 0;  // games of the run before the chunk's first
    std::int64_t games_end = 0;     // the run's count at the chunk's end: a multiple of 100
    bool sequential = false;        // odometer stops instead of random ones
    int selected_reel = kSelectedReelAtLoad;
    // The chart the chunk goes on drawing (a window's, Rebase'd to the chunk's counters), so
    // that its Percent_10000.txt lines are the window's; null: a fresh one.
    const ChartData* chart = nullptr;
};

struct ChunkResult {
    RunState state;  // its own counters; Games the run's count at its end
    // How often the chunk's run ended by itself and was started again, and whether it ended by
    // itself at its last game (so that the whole run would have been started again there).
    std::int64_t restarts = 0;
    bool ended_by_itself = false;
    std::vector<RunNotice> notices;  // such as a log that could not be written
    bool write_failed = false;
    // The totals of each chart point the chunk added (every 100 base games), its win and bet
    // counted from its first game, so that a window can draw the run's chart as one engine would
    // have drawn it.
    std::vector<ChartTotals> chart_points;
};

// The tables the chunks of a run share: the game's, without the save at every CycleGames games.
std::shared_ptr<const GameTables> ChunkTables(const GameDefinition& def);

// Plays `chunk` on `tables` (ChunkTables) with its own `logs` (open) drawing from `stream`;
// files of a save would go to `dir`, but a chunk saves nothing.
ChunkResult PlayChunk(std::shared_ptr<const GameTables> tables, LogFiles& logs,
                      const std::filesystem::path& dir, const Chunk& chunk, rng_Stream& stream);

}  // namespace kragmoor
