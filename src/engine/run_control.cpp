// The commands of the main window around the game rounds: Step, the automatic run, Exit, the
// reel buttons and the option boxes, the end of a feature and the loss streaks.
#include "engine/run_control.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr std::int64_t kStartingCredit = 1000000;
constexpr std::int64_t kShowEvery = 10000;  // games of a run shown and hit-table refreshes
constexpr std::int64_t kYieldEvery = 100;   // games between label refreshes, points and yields
constexpr std::int64_t kFeatureTurnEvery = 100;  // free spins between turns inside a feature
constexpr int kStreakSlots = 50;

RunObserver& NullObserver() {
    static RunObserver observer;
    return observer;
}

void CheckStrips(const std::int16_t (&strip)[kMaxPositions][kReels],
                 const std::int16_t (&len)[kReels], const char* what) {
    for (int r = 0; r < kReels; ++r) {
        if (len[r] < 1 || len[r] >= kMaxPositions) {
            throw std::invalid_argument(std::string(what) + " reel " + std::to_string(r + 1) +
                                        ": needs 2 to 101 positions");
        }
        for (int p = 0; p <= len[r]; ++p) {
            if (strip[p][r] < 0 || strip[p][r] > kScatter) {
                throw std::invalid_argument(std::string(what) + " reel " + std::to_string(r + 1) +
                                            ": position " + std::to_string(p) + " holds no symbol");
            }
        }
    }
}

GameDefinition Checked(const GameDefinition& def) {
    CheckStrips(def.ReelStrip, def.ReelLen, "base-game");
    CheckStrips(def.FsReelStrip, def.FsReelLen, "free-spins");
    for (int line = 0; line < kLines; ++line) {
        for (int r = 0; r < kReels; ++r) {
            if (def.LineTable[line][r] != kLineRows[line][r]) {
                throw std::invalid_argument("the win lines are not the built-in ones");
            }
        }
    }
    return def;
}

}  // namespace

RunControl::RunControl(const GameDefinition& def, LogFiles& logs, std::filesystem::path dir,
                       RunObserver* observer)
    : def_(Checked(def)),
      logs_(&logs),
      dir_(std::move(dir)),
      observer_(observer != nullptr ? observer : &NullObserver()),
      hits_(def_),
      chart_(def_.GameRTP),
      codes_(def_.PayTable),
      base_columns_(std::make_unique<StripColumns>(def_.ReelStrip, def_.ReelLen)),
      free_columns_(std::make_unique<StripColumns>(def_.FsReelStrip, def_.FsReelLen)) {
    // The first sequential step wraps every reel to position 0.
    for (int r = 0; r < kReels; ++r) state_.ReelStop[r] = def_.ReelLen[r];
    state_.SelectedReel = 4;
    state_.Credit = kStartingCredit;
    state_.CreditTotal = kStartingCredit;
    labels_.cash = state_.Credit;
    labels_.total = state_.CreditTotal;
    record_.reserve(256);
}

void RunControl::SetObserver(RunObserver* observer) {
    observer_ = observer != nullptr ? observer : &NullObserver();
}

void RunControl::SetRunning(bool running) {
    if (running_ == running) return;
    running_ = running;
    observer_->RunStateChanged();
}

void RunControl::SetRandomStops(bool random) {
    random_stops_ = random;
}
void RunControl::SetAutoStop(bool auto_stop) {
    auto_stop_ = auto_stop;
}

void RunControl::cmdReels_Click(int index) {
    if (index < 0 || index >= kReels) return;
    state_.SelectedReel = static_cast<std::int16_t>(index);
}

void RunControl::cmdExit_Click() {
    if (exited_) return;
    const bool closed = logs_->CloseAll();
    exited_ = true;
    SetRunning(false);
    if (!closed) CheckLogs();
}

// A log that cannot be written is told once, and a run going on ends (as Auto Stop ends it, so a
// feature being played is played to its end); what has been played is kept, the other logs go
// on, and the failed log takes no more records.
void RunControl::CheckLogs() {
    const LogFile* logs[] = {&logs_->Percent, &logs_->Jackpot, &logs_->FreeSpins};
    for (std::size_t i = 0; i < log_failure_told_.size(); ++i) {
        if (!logs[i]->Failed() || log_failure_told_[i]) continue;
        log_failure_told_[i] = true;
        TellWriteFailure(logs[i]->FailureMessage());
    }
}

void RunControl::TellWriteFailure(const std::string& message) {
    write_failed_ = true;
    if (running_) {
        EndRunAt(message);
    } else {
        observer_->Message(message);
    }
}

void RunControl::EndFeature() {
    RunState& st = state_;
    st.InFreeSpins = false;
    FreeSpinNo_ = 0;
    st.FreeWin += st.FeatureWin;
    st.LastFeatureWin = static_cast<float>(static_cast<double>(st.FeatureWin) / 20.0);
    st.TotalWin += st.FeatureWin;
    st.WinSum[kScatterLine][kScatter][5] += st.FeatureWin;
    st.FeatureWin = 0;
}

// A feature is recorded after the base game that follows it.
void RunControl::AfterBaseGame() {
    if (state_.FreeSpinsPlayed > 0) [[unlikely]] {
        WriteFeatureRecord();
        state_.FreeSpinsPlayed = 0;
    }
}

// Counted after every complete game round: a base game without a trigger, or a feature's end.
// The 50th loss in a row restarts the streak uncounted.
void RunControl::UpdateLossStreak() {
    RunState& st = state_;
    if (st.TotalWin == WinAtGameStart_) {
        if (++st.LossStreak == kStreakSlots) {
            st.LossStreak = 0;
        } else {
            ++st.LossStreakHits[st.LossStreak];
        }
    } else {
        st.LossStreak = 0;
        ++st.LossStreakHits[0];
    }
}

void RunControl::SetCash() {
    labels_.cash = state_.Credit;
}

void RunControl::cmdStart_Click() {
    // At a turn inside a feature pass the run is playing that feature: Step waits for it.
    if (exited_ || in_feature_turn_) return;
    RunState& st = state_;
    if (st.Credit < kBet) {
        observer_->Message(" Add Credit ! ");
        observer_->EnableStart(false);
        observer_->EnableAdd(true);
        observer_->FocusAdd();
        return;
    }
    if (!st.InFreeSpins) {
        ++st.Games;
        PlayBaseGame();
        AfterBaseGame();
    } else {
        ++FreeSpinNo_;
        PlayFreeSpin();
        ++st.FreeSpinsPlayed;
        if (FreeSpinNo_ == kFreeSpinsAward) EndFeature();
    }
    st.SkipDisplay = 0;
    ShowHits();
    labels_.games_kind = st.InFreeSpins ? 2 : 1;
    labels_.games_value = st.InFreeSpins ? kFreeSpinsAward - FreeSpinNo_ : st.Games;
    labels_.game_win_set = true;
    labels_.game_win = st.TotalWin - WinAtGameStart_;
    if (!st.InFreeSpins) UpdateLossStreak();
    if (st.Games % kYieldEvery == 0) DrawPercent();
    // Single-step play settles the cash once per complete game round.
    if (!running_ && !st.InFreeSpins) {
        st.Credit = st.Credit - kBet + (st.TotalWin - WinAtGameStart_);
        SetCash();
    }
    observer_->LabelsChanged();
}

// The whole pending feature in one pass of an automatic run. Every 100 free spins the window gets
// a turn; a Stop or Exit there leaves the feature pending (false): the next Step or Run goes on
// with it where it stands.
bool RunControl::PlayFeaturePass() {
    RunState& st = state_;
    // The test comes before each spin: a retrigger on the 15th spin brings 15 more.
    while (FreeSpinNo_ != kFreeSpinsAward) {
        ++FreeSpinNo_;
        PlayFreeSpin();
        ++st.FreeSpinsPlayed;
        if (st.FreeSpinsPlayed % kFeatureTurnEvery == 0 && running_) [[unlikely]] {
            if (!FeatureTurn()) return false;
        }
    }
    EndFeature();
    labels_.free_kind = 2;
    labels_.free_games = st.FreeGames;
    labels_.free_win = st.FreeWin;
    labels_.free_bet = st.TotalBet;
    return true;
}

// False when the run ended at this turn (Stop or Exit).
bool RunControl::FeatureTurn() {
    in_feature_turn_ = true;
    observer_->FeatureYield();
    in_feature_turn_ = false;
    return running_ && !exited_;
}

// Every 100 games of a run: the counter labels, a chart point, every 10000 games the hit table
// and the logs handed to the disk, and the window's turn.
void RunControl::AtYield() {
    RunState& st = state_;
    labels_.games_kind = 1;
    labels_.games_value = st.Games;
    labels_.game_win_set = true;
    labels_.game_win = st.TotalWin - WinAtGameStart_;
    if (!st.InFreeSpins) DrawPercent();
    SetCash();
    if (st.Games % kShowEvery == 0) {
        st.SkipDisplay = 0;
        ShowHits();
        // The logs can be read while the run goes on.
        if (!logs_->FlushAll()) CheckLogs();
    }
    observer_->LabelsChanged();
    observer_->Yield();
}

// The run ends itself with a save at a multiple of CycleGames. The test divides only when Games
// has reached the next multiple; it stays armed while Games stays on a multiple, as a feature
// pass leaves it.
void RunControl::CheckCycleEnd(std::int64_t& cycle_mark) {
    RunState& st = state_;
    if (st.Games % def_.CycleGames == 0) {
        cycle_mark = st.Games;
        st.SkipDisplay = 0;
        ShowHits();
        cmdSave_Click();
        observer_->Message(text::Decimal(st.Games) + " Games!");
        SetRunning(false);
    } else {
        cycle_mark = (st.Games / def_.CycleGames + 1) * def_.CycleGames;
    }
}

void RunControl::cmdAUTO_Click() {
    if (exited_) return;
    RunState& st = state_;
    if (running_) {
        // Stop, re-entered from a yield: the suspended loop finds "Run" at its next test.
        SetRunning(false);
        observer_->EnableAdd(true);
        st.SkipDisplay = 0;
        return;
    }
    SetRunning(true);
    observer_->EnableAdd(false);
    std::int64_t cycle_mark = 0;  // the next multiple of CycleGames (CheckCycleEnd)
    while (running_) {
        if (!st.InFreeSpins) [[likely]] {
            ++st.Games;
            PlayBaseGame();
            AfterBaseGame();
        } else if (!PlayFeaturePass()) {
            if (exited_) return;
            continue;  // stopped inside the feature, which stays pending
        }
        st.SkipDisplay = 1;
        if (!st.InFreeSpins) UpdateLossStreak();
        if (st.Games % kYieldEvery == 0) [[unlikely]] {
            AtYield();
            if (exited_) return;
        }
        if (st.Games >= cycle_mark && def_.CycleGames > 0) [[unlikely]]
            CheckCycleEnd(cycle_mark);
    }
    // However the run ended, the window is idle again: Add is available.
    if (!logs_->FlushAll()) CheckLogs();
    observer_->EnableAdd(true);
    observer_->LabelsChanged();
}

void RunControl::ShowHits() {
    if (state_.SkipDisplay == 1 || observer_->HitsMinimized()) return;
    hits_.Refresh(def_, state_);
    observer_->HitsRefreshed();
}

std::string RunControl::ClipboardText() const {
    return hits_.ClipboardText(state_);
}

}  // namespace kragmoor
