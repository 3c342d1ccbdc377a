#include "engine/play/automatic_run.h"

#include "engine/records/bookings.h"

namespace kragmoor {

AutomaticRun::AutomaticRun(std::int64_t cycle_games, RunState& state, RunStatus& status,
                           GameRounds& rounds, CounterLabels& labels, RunStatistics& statistics,
                           RunLogs& logs, RunObserver& observer)
    : cycle_games_(cycle_games),
      state_(state),
      status_(status),
      rounds_(rounds),
      labels_(labels),
      statistics_(statistics),
      logs_(logs),
      observer_(observer) {}

void AutomaticRun::StartOrStop() {
    if (status_.Exited()) return;
    if (status_.Running()) {
        // Stop, re-entered from a yield: the suspended loop finds "Run" at its next test.
        status_.SetRunning(false);
        observer_.AllowCreditEntry(true);
        status_.SetShown(true);
        return;
    }
    Play();
}

void AutomaticRun::Play() {
    RunState& st = state_;
    status_.SetRunning(true);
    observer_.AllowCreditEntry(false);
    std::int64_t cycle_mark = 0;  // the next multiple of CycleGames (CheckCycleEnd)
    while (status_.Running()) {
        if (!st.InFreeSpins) [[likely]] {
            rounds_.PlayBaseGame();
        } else if (!PlayFeaturePass()) {
            if (status_.Exited()) return;
            continue;  // stopped inside the feature, which stays pending
        }
        status_.SetShown(false);
        if (!st.InFreeSpins) UpdateLossStreak(st);
        if (st.Games % kYieldEvery == 0) [[unlikely]] {
            AtYield();
            if (status_.Exited()) return;
        }
        if (st.Games >= cycle_mark && cycle_games_ > 0) [[unlikely]]
            CheckCycleEnd(cycle_mark);
    }
    Idle();
}

// However the run ended, the window is idle again: Add is available.
void AutomaticRun::Idle() {
    logs_.Flush();
    observer_.AllowCreditEntry(true);
    observer_.LabelsChanged();
}

void AutomaticRun::BeginElsewhere() {
    status_.SetPlayedElsewhere(true);
    status_.SetRunning(true);
    status_.SetShown(false);
    observer_.AllowCreditEntry(false);
}

void AutomaticRun::AddElsewhere(const RunState& merged, std::span<const ChartTotals> points) {
    const std::int64_t win_before = state_.TotalWin;
    const std::int64_t bet_before = state_.TotalBet;
    for (const ChartTotals& p : points)
        statistics_.DrawChartPoint({p.games, win_before + p.win, bet_before + p.bet});
    state_ = merged;
    logs_.Flush();  // a full disk ends the run at the chunk that found it
    SetLabelsElsewhere();
    status_.SetShown(true);
    statistics_.RefreshHits();
    status_.SetShown(false);
    if (cycle_games_ > 0 && state_.Games % cycle_games_ == 0) {
        std::int64_t mark = 0;
        CheckCycleEnd(mark);
    }
    observer_.LabelsChanged();
    if (status_.Running()) observer_.Yield();
}

void AutomaticRun::EndElsewhere() {
    status_.SetPlayedElsewhere(false);
    if (status_.Exited()) return;
    status_.SetRunning(false);
    status_.SetShown(true);
    Idle();
}

// The counters as the games played elsewhere leave them, as a run's games would have set them.
void AutomaticRun::SetLabelsElsewhere() {
    const RunState& st = state_;
    labels_.SetWin(st.TotalWin, st.TotalBet);
    labels_.SetGames(st.Games);
    labels_.SetGameWin(st.TotalWin - st.WinAtGameStart);
    labels_.SetCash(st.Credit);
    if (st.FreeGames > 0) labels_.SetFreeSpinsAfterFeature(st.FreeGames, st.FreeWin, st.TotalBet);
    if (st.WinEvents != 0) labels_.SetHitRate(st.Games, st.WinEvents);
}

void AutomaticRun::CompleteRound() {
    RunState& st = state_;
    if (status_.Exited() || status_.Running()) return;
    if (st.InFreeSpins) {
        PlayFeaturePass();  // no run goes on, so no turns: it plays to its end
        UpdateLossStreak(st);
        if (st.Games % kYieldEvery == 0) AtYield();
    }
    if (st.FreeSpinsPlayed > 0) WriteFeatureRecord(st, logs_, st.Games);
}

// The whole pending feature in one pass. Every 100 free spins the window gets a turn; a Stop or
// Exit there leaves the feature pending (false): the next Step or Run goes on with it where it
// stands.
bool AutomaticRun::PlayFeaturePass() {
    RunState& st = state_;
    // The test comes before each spin: a retrigger on the last spin brings its spins all the same.
    while (st.FreeSpinNo != st.FeatureSpins) {
        rounds_.PlayFreeSpin();
        if (st.FreeSpinsPlayed % kFeatureTurnEvery == 0 && status_.Running()) [[unlikely]] {
            if (!FeatureTurn()) return false;
        }
    }
    EndFeature(st);
    labels_.SetFreeSpinsAfterFeature(st.FreeGames, st.FreeWin, st.TotalBet);
    return true;
}

// False when the run ended at this turn (Stop or Exit).
bool AutomaticRun::FeatureTurn() {
    status_.SetInFeatureTurn(true);
    observer_.FeatureYield();
    status_.SetInFeatureTurn(false);
    return status_.Running() && !status_.Exited();
}

// Every 100 games: the counter labels, a chart point, every 10000 games the hit table and the
// logs handed to the disk, and the window's turn.
void AutomaticRun::AtYield() {
    RunState& st = state_;
    labels_.SetGames(st.Games);
    labels_.SetGameWin(st.TotalWin - st.WinAtGameStart);
    if (!st.InFreeSpins) statistics_.AddChartPoint();
    labels_.SetCash(st.Credit);
    if (st.Games % kShowEvery == 0) {
        status_.SetShown(true);
        statistics_.RefreshHits();
        logs_.Flush();  // the logs can be read while the run goes on
    }
    observer_.LabelsChanged();
    observer_.Yield();
}

// The run ends itself with a save at a multiple of CycleGames. The test divides only when Games
// has reached the next multiple; it stays armed while Games stays on a multiple, as a feature
// pass leaves it.
void AutomaticRun::CheckCycleEnd(std::int64_t& cycle_mark) {
    RunState& st = state_;
    if (st.Games % cycle_games_ == 0) {
        cycle_mark = st.Games;
        status_.SetShown(true);
        statistics_.RefreshHits();
        statistics_.Save();
        observer_.CycleEnded(st.Games);
        status_.SetRunning(false);
    } else {
        cycle_mark = (st.Games / cycle_games_ + 1) * cycle_games_;
    }
}

}  // namespace kragmoor
