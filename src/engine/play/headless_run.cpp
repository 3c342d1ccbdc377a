#include "engine/play/headless_run.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace kragmoor {

std::int64_t HeadlessRun::StopsAt(std::int64_t games) {
    if (games < 0 || games > kMaxGames) {
        throw std::out_of_range("a run plays 0 to " + std::to_string(kMaxGames) + " games, not " +
                                std::to_string(games));
    }
    return (games + kYieldEvery - 1) / kYieldEvery * kYieldEvery;
}

HeadlessRun::HeadlessRun(Simulator& engine, std::int64_t games, Progress progress)
    : engine_(engine), target_(StopsAt(games)), progress_(std::move(progress)) {
    engine_.AddObserver(this);
}

HeadlessRun::~HeadlessRun() {
    engine_.RemoveObserver(this);
}

void HeadlessRun::Play() {
    stopped_ = false;
    for (bool first = true; !stopped_ && !engine_.Exited() && !engine_.WriteFailed() &&
                            engine_.State().Games < target_;
         first = false) {
        if (!first) ++restarts_;
        engine_.StartOrStop();
    }
}

void HeadlessRun::Yield() {
    if (progress_) progress_(engine_);
    // Stop at this yield, only while the run is going.
    if (engine_.State().Games >= target_ && engine_.Running()) {
        engine_.StartOrStop();
        stopped_ = true;
    }
}

void HeadlessRun::CycleEnded(std::int64_t games) {
    notices_.push_back({RunNotice::Kind::CycleEnded, games, {}});
}

void HeadlessRun::WriteFailed(std::string_view message) {
    notices_.push_back({RunNotice::Kind::WriteFailed, 0, std::string(message)});
}

}  // namespace kragmoor
