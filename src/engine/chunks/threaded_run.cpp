#include "engine/chunks/threaded_run.h"

#include <string>

#include "engine/chunks/chunk_logs.h"
#include "engine/chunks/chunk_merge.h"
#include "engine/chunks/chunked_run.h"
#include "engine/play/headless_run.h"
#include "rng/rng.h"

namespace kragmoor {

void ThreadedRun::StartOrStop(int threads) {
    if (threads == 1 || engine_.Running() || engine_.Exited() || engine_.AutoStop() ||
        !engine_.RandomStops()) {
        return engine_.StartOrStop();
    }
    Play(threads);
}

void ThreadedRun::Play(int threads) {
    // A feature left pending is the run's first round, as in the engine's own Run.
    engine_.CompleteRound();
    const std::int64_t games = engine_.State().Games;
    const std::int64_t cycle = session_.definition.CycleGames;
    ChunkedRunPlan plan;
    plan.games = cycle > 0 ? (games / cycle + 1) * cycle : HeadlessRun::kMaxGames;
    plan.threads = threads;
    plan.games_before = games;
    plan.own_stream = rng_ProcessStream();
    ChartData chart = engine_.Chart();
    chart.Rebase(engine_.State().TotalWin, engine_.State().TotalBet);
    plan.own_chart = &chart;
    if (plan.games > HeadlessRun::kMaxGames || games >= plan.games) return;

    ChunkedRun chunks(session_, plan);
    engine_.BeginRunElsewhere();
    const auto add = [this](const ChunkResult& played, const ChunkLogs& logs) {
        if (!engine_.Running() || engine_.Exited()) return false;
        std::string message;
        if (!logs.AppendTo(session_.logs, &message)) {
            engine_.FailRunElsewhere(message);
            return false;
        }
        for (const RunNotice& notice : played.notices) {
            if (notice.kind == RunNotice::Kind::WriteFailed)
                engine_.FailRunElsewhere(notice.message);
        }
        if (played.write_failed) return false;
        merged_ = engine_.State();
        MergeChunk(merged_, played.state);
        engine_.AddPlayedElsewhere(merged_, played.chart_points);
        return engine_.Running() && !engine_.Exited();
    };
    if (!chunks.PlayEach(chunks.FirstChunk(), chunks.Chunks(), add)) {
        for (const RunNotice& notice : chunks.Result().notices)
            engine_.FailRunElsewhere(notice.message);
    }
    engine_.EndRunElsewhere();
}

}  // namespace kragmoor
