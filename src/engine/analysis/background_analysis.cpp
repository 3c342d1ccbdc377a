#include "engine/analysis/background_analysis.h"

#include <exception>
#include <utility>

namespace kragmoor {

BackgroundAnalysis::BackgroundAnalysis(GameDefinition def, Listener listener)
    : start_(std::chrono::steady_clock::now()), result_(promise_.get_future()) {
    worker_ = std::thread(
        [this, game = std::move(def), told = std::move(listener)] { Work(game, told); });
}

BackgroundAnalysis::~BackgroundAnalysis() {
    Cancel();
    if (worker_.joinable()) worker_.join();
}

bool BackgroundAnalysis::WaitFor(std::chrono::milliseconds timeout) const {
    return result_.wait_for(timeout) == std::future_status::ready;
}

ExactAnalysis BackgroundAnalysis::Result() const {
    return result_.get();
}

void BackgroundAnalysis::Work(const GameDefinition& def, const Listener& listener) {
    const AnalysisProgress report = [this, &listener](double fraction) {
        done_.store(fraction, std::memory_order_relaxed);
        if (listener.progress) listener.progress(fraction);
    };
    bool cancelled = false;
    try {
        promise_.set_value(AnalyseGame(def, report, &cancel_));
    } catch (const AnalysisCancelled&) {
        cancelled = true;
        promise_.set_exception(std::current_exception());
    } catch (...) {
        promise_.set_exception(std::current_exception());
    }
    if (!cancelled && listener.ended) listener.ended();
}

}  // namespace kragmoor
