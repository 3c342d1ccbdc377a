#include "cli/background_analysis.h"

#include <utility>

#include "cli/progress.h"

namespace kragmoor::cli {

namespace {

constexpr auto kPollEvery = std::chrono::milliseconds(100);

}  // namespace

BackgroundAnalysis::BackgroundAnalysis(GameDefinition def)
    : start_(std::chrono::steady_clock::now()) {
    result_ = std::async(std::launch::async, [this, game = std::move(def)] {
        return AnalyseGame(
            game, [this](double fraction) { done_.store(fraction, std::memory_order_relaxed); });
    });
}

ExactAnalysis BackgroundAnalysis::Wait(std::FILE* terminal) {
    AnalysisBar bar(terminal, start_);
    while (result_.wait_for(kPollEvery) != std::future_status::ready) {
        bar.Update(done_.load(std::memory_order_relaxed));
    }
    bar.Finish();
    return result_.get();
}

}  // namespace kragmoor::cli
