// What kragmoor-sim prints after a run: the figures of what was played, as text rows or one JSON
// object, and the run's verdict against the exact analysis.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "cli/analysis_wait.h"
#include "cli/runner.h"
#include "engine/analysis/run_verdict.h"
#include "model/game_model.h"

namespace kragmoor::cli {

struct RunResult {
    std::int64_t games, total_bet, total_win, win_events, free_games, free_win, free_spins,
        jackpots, restarts;
    double seconds;
    // Chunks of a million games the run was played in (0: the single stream), on how many
    // threads.
    std::int64_t chunks = 0;
    int threads = 1;
    // A merge of parts: how many (0: none). Its seconds are the merge's own.
    std::int64_t parts = 0;
};

// The figures of a run state.
RunResult ResultOf(const RunState& st, std::int64_t restarts, double seconds);

// The run against theory: the exact analysis's standard deviation of a game and the verdict.
struct Theory {
    double sd_per_game = std::numeric_limits<double>::quiet_NaN();
    RunVerdict verdict{std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::quiet_NaN(), Verdict::kNone};
    const char* why_none = "";  // what keeps a verdict of none from being given
};

// The verdict of a run of random stops, once the analysis is done. An odometer run is no random
// sample (its base games walk the reel cycle in order), so it gets none.
Theory Judge(BackgroundAnalysis& analysis, bool sequential, const RunResult& r,
             const Streams& streams);

std::string SummaryText(const RunResult& r, const Theory& t);
std::string SummaryJson(const RunResult& r, const Theory& t);

}  // namespace kragmoor::cli
