#include "engine/headless_run.h"

#include <utility>

namespace kragmoor {

namespace {

constexpr std::int64_t kYieldEvery = 100;

std::int64_t RoundUp(std::int64_t games) {
    if (games <= 0) return 0;
    return (games + kYieldEvery - 1) / kYieldEvery * kYieldEvery;
}

}  // namespace

HeadlessRun::HeadlessRun(RunControl& control, std::int64_t games, Progress progress)
    : control_(control), target_(RoundUp(games)), progress_(std::move(progress)) {
    control_.SetObserver(this);
}

HeadlessRun::~HeadlessRun() {
    control_.SetObserver(nullptr);
}

void HeadlessRun::Play() {
    stopped_ = false;
    while (!stopped_ && !control_.Exited() && control_.State().Games < target_) {
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
