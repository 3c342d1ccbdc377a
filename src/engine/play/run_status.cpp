#include "engine/play/run_status.h"

namespace kragmoor {

void RunStatus::SetRunning(bool running) {
    if (running_ == running) return;
    running_ = running;
    observer_.RunStateChanged();
}

void RunStatus::EndAt(std::string_view message) {
    observer_.ShowReels();
    observer_.Message(message);
    state_.SkipDisplay = 0;
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
