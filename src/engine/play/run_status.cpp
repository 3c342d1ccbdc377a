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
    if (round_ == Round::FreeSpin) game.spins_left = kFreeSpinsAward - state_.FreeSpinNo;
    for (int row = 0; row < kRows; ++row) {
        for (int r = 0; r < kReels; ++r) game.window[row][r] = state_.Window[row][r];
    }
    game.joined_under_way = under_way;
    return game;
}

void RunStatus::EndAt(std::string_view message) {
    observer_.GameShown(Showing(true));
    observer_.Message(message);
    shown_ = true;
    SetRunning(false);
    observer_.AllowCreditEntry(true);
}

void RunStatus::TellLogFailure(std::string_view message) {
    write_failed_ = true;
    if (running_) {
        EndAt(message);
    } else {
        observer_.Message(message);
    }
}

void RunStatus::TellSaveFailure(std::string_view message) {
    write_failed_ = true;
    observer_.Message(message);
}

}  // namespace kragmoor
