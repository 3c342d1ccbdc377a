#include "engine/play/simulator.h"

#include <utility>

#include "engine/play/credit.h"
#include "engine/records/bookings.h"

namespace kragmoor {

Simulator::Simulator(std::shared_ptr<const GameTables> tables, LogFiles& logs,
                     std::filesystem::path dir, const RunState& start, std::int64_t chart_points,
                     StopDraws draws)
    : tables_(std::move(tables)),
      state_(start),
      logs_(logs, status_),
      statistics_(tables_->definition, state_, status_, logs_, observers_, std::move(dir),
                  chart_points),
      rounds_(*tables_, state_, status_, logs_, labels_, observers_, draws),
      run_(tables_->definition.CycleGames, state_, status_, rounds_, labels_, statistics_, logs_,
           observers_) {
    labels_.SetCash(state_.Credit);
    labels_.SetTotal(state_.CreditTotal);
}

Simulator::Simulator(Session& session)
    : Simulator(GameTables::Build(session.definition), session.logs, session.dir, session.start) {}

void Simulator::SelectReel(int reel) {
    if (reel < 0 || reel >= kReels) return;
    state_.SelectedReel = static_cast<std::int16_t>(reel);
}

void Simulator::Exit() {
    if (status_.Exited()) return;
    const bool closed = logs_.Close();
    status_.SetExited();
    status_.SetRunning(false);
    if (!closed) logs_.TellFailures();
}

bool Simulator::BookCredit(std::string_view text) {
    const bool can_play = kragmoor::BookCredit(state_, text);
    labels_.SetCash(state_.Credit);
    labels_.SetTotal(state_.CreditTotal);
    observers_.LabelsChanged();
    return can_play;
}

void Simulator::Step() {
    // At a turn inside a feature pass the run is playing that feature, and a run played by
    // other engines draws from a copy of Step's stream: Step waits for them.
    if (status_.Exited() || status_.InFeatureTurn() || status_.PlayedElsewhere()) return;
    RunState& st = state_;
    if (st.Credit < kTotalBet) return observers_.CreditTooLow();
    if (!st.InFreeSpins) {
        rounds_.PlayBaseGame();
    } else {
        rounds_.PlayFreeSpin();
        if (st.FreeSpinNo == st.FeatureSpins) EndFeature(st);
    }
    status_.SetShown(true);
    statistics_.RefreshHits();
    if (st.InFreeSpins) {
        labels_.SetFreeGamesLeft(st.FeatureSpins - st.FreeSpinNo);
    } else {
        labels_.SetGames(st.Games);
    }
    labels_.SetGameWin(st.TotalWin - st.WinAtGameStart);
    if (!st.InFreeSpins) UpdateLossStreak(st);
    if (st.Games % kYieldEvery == 0) statistics_.AddChartPoint();
    // Single-step play settles the cash once per complete game round.
    if (!status_.Running() && !st.InFreeSpins) {
        st.Credit = st.Credit - kTotalBet + (st.TotalWin - st.WinAtGameStart);
        labels_.SetCash(st.Credit);
    }
    observers_.LabelsChanged();
}

}  // namespace kragmoor
