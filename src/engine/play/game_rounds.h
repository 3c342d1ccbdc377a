// The two game rounds: a paid base game and a free spin. Each draws (or steps) its stops, fills
// the window, values its 20 lines and the scatters from the game's tables and books the results.
// Games that are not shown cost only table reads and counter updates; what happened in a game
// goes to the observer (game_events.h), and only for shown games: every game while no automatic
// run goes on, and every 10000th game of a run.
#pragma once

#include "engine/play/counter_labels.h"
#include "engine/play/run_observer.h"
#include "engine/play/run_status.h"
#include "engine/play/stop_draws.h"
#include "engine/records/run_logs.h"
#include "engine/rules/game_tables.h"
#include "model/game_model.h"

namespace kragmoor {

class GameRounds {
  public:
    GameRounds(const GameTables& tables, RunState& state, RunStatus& status, RunLogs& logs,
               CounterLabels& labels, RunObserver& observer, StopDraws draws);

    // Counts the game and plays it: random stops, or the odometer's next combination; a feature
    // that ended since the previous base game is recorded after it. Three or more scatters leave
    // a feature pending (InFreeSpins).
    void PlayBaseGame();
    // Counts and plays the next free spin of the pending feature: its win is kept in FeatureWin
    // until the feature ends (bookings.h: EndFeature, due when FreeSpinNo reaches FeatureSpins).
    void PlayFreeSpin();

  private:
    void StepOdometer();
    void DecideShown(const RunState& st);
    void ShowLineWin(int line, std::int64_t win, int count, int symbol);
    void ShowScatters(Round round, int count, std::int64_t win);
    void ShowEnd(Round round, std::int64_t win);
    void BaseJackpot(int line, const CodeOutcome& info);
    void BaseScatters();
    void FreeSpinJackpot(int line);
    void FreeSpinScatters(int scatters, std::int64_t& spin_win);
    void SetLabelsAfterBaseGame(const RunState& st);

    const GameTables& tables_;
    RunState& state_;
    RunStatus& status_;
    RunLogs& logs_;
    CounterLabels& labels_;
    RunObserver& observer_;
    StopDraws draws_;
};

}  // namespace kragmoor
