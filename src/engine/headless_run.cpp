#include "engine/headless_run.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace kragmoor {

namespace {

constexpr std::int64_t kYieldEvery = 100;

}  // namespace

std::int64_t HeadlessRun::StopsAt(std::int64_t games) {
    if (games < 0 || games > kMaxGames) {
        throw std::out_of_range("a run plays 0 to " + std::to_string(kMaxGames) + " games, not " +
                                std::to_string(games));
    }
    return (games + kYieldEvery - 1) / kYieldEvery * kYieldEvery;
}

HeadlessRun::HeadlessRun(RunControl& control, std::int64_t games, Progress progress)
    : control_(control), target_(StopsAt(games)), progress_(std::move(progress)) {
    control_.SetObserver(this);
}

HeadlessRun::~HeadlessRun() {
    control_.SetObserver(nullptr);
}

void HeadlessRun::Play() {
    stopped_ = false;
    for (bool first = true; !stopped_ && !control_.Exited() && !control_.WriteFailed() &&
                            control_.State().Games < target_;
         first = false) {
        if (!first) ++restarts_;
        control_.cmdAUTO_Click();
    }
}

void HeadlessRun::Yield() {
    if (progress_) progress_(control_);
    // A Stop click at this yield, only while the run is going.
    if (control_.State().Games >= target_ && control_.Running()) {
        control_.cmdAUTO_Click();
        stopped_ = true;
    }
}

void HeadlessRun::Message(std::string_view text) {
    messages_.emplace_back(text);
}

}  // namespace kragmoor
