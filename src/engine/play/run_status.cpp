#include "engine/play/run_status.h"

namespace kragmoor {

void RunStatus::SetRunning(bool running) {
    if (running_ == running) return;
    running_ = running;
    observer_.RunStateChanged();
}

ShownGame RunStatus::Showing(bool under_way) const {
    ShownGame game;
    game.round = round_;
    game.game = state_.Games;
    if (round_ == Round::FreeSpin) game.spins_left = state_.FeatureSpins - state_.FreeSpinNo;
    for (int row = 0; row < kRows; ++row) {
        for (int r = 0; r < kReels; ++r) game.window[row][r] = state_.Window[row][r];
    }
    game.joined_under_way = under_way;
    return game;
}

void RunStatus::ShowGameUnderWay() {
    observer_.GameShown(Showing(true));
}

void RunStatus::EndRunInsideGame() {
    shown_ = true;
    SetRunning(false);
    observer_.AllowCreditEntry(true);
}

void RunStatus::EndByAutoStop(AutoStopCause cause, Round round) {
    ShowGameUnderWay();
    observer_.AutoStopped({cause, round, state_.Games});
    EndRunInsideGame();
}

void RunStatus::LogFailed(std::string_view message) {
    write_failed_ = true;
    if (!running_) return observer_.WriteFailed(message);
    ShowGameUnderWay();
    observer_.WriteFailed(message);
    EndRunInsideGame();
}

void RunStatus::TellSaveFailure(std::string_view message) {
    write_failed_ = true;
    observer_.WriteFailed(message);
}

}  // namespace kragmoor
