// The automatic run that Run starts: base games, and each pending feature whole in one pass;
// every 100 games a yield (the counters, a chart point, every 10000 games the hit table and the
// logs handed to the disk, then the window's turn); a turn every 100 free spins of a long
// feature; and the run's ends: Stop, Exit, the ends a game round comes to (Auto Stop, the
// odometer, a log that cannot be written), a full chart, and every multiple of CycleGames, where
// the run saves and ends itself.
#pragma once

#include <cstdint>
#include <span>

#include "engine/play/counter_labels.h"
#include "engine/play/game_rounds.h"
#include "engine/play/run_observer.h"
#include "engine/play/run_statistics.h"
#include "engine/play/run_status.h"
#include "engine/records/run_logs.h"
#include "model/game_model.h"

namespace kragmoor {

class AutomaticRun {
  public:
    AutomaticRun(std::int64_t cycle_games, RunState& state, RunStatus& status, GameRounds& rounds,
                 CounterLabels& labels, RunStatistics& statistics, RunLogs& logs,
                 RunObserver& observer);

    // Run: plays until the run ends, and returns then. While a run goes on (called again from a
    // yield): Stop, which the run finds at its next pass.
    void StartOrStop();
    // With no run going: completes the game round the last run left open. A pending feature is
    // played to its end, with the chart point it held back when it fell on a yield, and a
    // finished feature is recorded now instead of at the next base game. The end of a part of a
    // run, whose next base game another engine plays.
    void CompleteRound();

    // --- a run whose games other engines play (several threads: engine/chunks) ---
    // Run begun without a game played here: what Play does before its first game.
    void BeginElsewhere();
    // The run's next games, played elsewhere right after this engine's last: `merged` is this
    // engine's state with them added (MergeChunk), `points` the totals of their chart points
    // with win and bet counted from their first game. Shown as a run shows its games at a
    // yield: the chart's points drawn, the counters, the hit table, the window's turn; at a
    // multiple of CycleGames the save, and the run ends.
    void AddElsewhere(const RunState& merged, std::span<const ChartTotals> points);
    // However the run ended: what Play does after its last game.
    void EndElsewhere();

  private:
    void Play();
    bool PlayFeaturePass();
    bool FeatureTurn();
    void AtYield();
    void CheckCycleEnd(std::int64_t& cycle_mark);
    void SetLabelsElsewhere();
    void Idle();

    std::int64_t cycle_games_;
    RunState& state_;
    RunStatus& status_;
    GameRounds& rounds_;
    CounterLabels& labels_;
    RunStatistics& statistics_;
    RunLogs& logs_;
    RunObserver& observer_;
};

}  // namespace kragmoor
