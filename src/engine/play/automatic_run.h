// The automatic run that Run starts: base games, and each pending feature whole in one pass;
// every 100 games a yield (the counters, a chart point, every 10000 games the hit table and the
// logs handed to the disk, then the window's turn); a turn every 100 free spins of a long
// feature; and the run's ends: Stop, Exit, the ends a game round comes to (Auto Stop, the
// odometer, a log that cannot be written), a full chart, and every multiple of CycleGames, where
// the run saves and ends itself.
#pragma once

#include <cstdint>

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

  private:
    void Play();
    bool PlayFeaturePass();
    bool FeatureTurn();
    void AtYield();
    void CheckCycleEnd(std::int64_t& cycle_mark);

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
