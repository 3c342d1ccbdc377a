// The exact analysis of a game on a thread of its own, so that a run or a window does not wait
// for it: it starts at once on its own copy of the definition and shares nothing with its owner
// but the share of its work done and a cancel flag. The runner waits for it after its games, the
// window shows its progress and its result when they come.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

class BackgroundAnalysis {
  public:
    // Told on the analysis's thread: the share done (as AnalysisProgress), and once that the
    // analysis has ended, unless it was cancelled (whoever cancels it no longer waits for it).
    struct Listener {
        AnalysisProgress progress;
        std::function<void()> ended;
    };

    // Starts the analysis at once.
    explicit BackgroundAnalysis(GameDefinition def, Listener listener = {});
    // Cancels an analysis still working and waits for its thread, which stops within
    // milliseconds: a run that failed or a window that closed leaves nothing behind.
    ~BackgroundAnalysis();
    BackgroundAnalysis(const BackgroundAnalysis&) = delete;
    BackgroundAnalysis& operator=(const BackgroundAnalysis&) = delete;

    // From any thread. Result() then throws AnalysisCancelled, unless the analysis had ended.
    void Cancel() { cancel_.store(true); }
    // The share of the work done, 0..1.
    double Progress() const { return done_.load(std::memory_order_relaxed); }
    std::chrono::steady_clock::time_point Started() const { return start_; }
    // Whether the analysis has ended (with its result, a failure or cancelled) within `timeout`.
    bool WaitFor(std::chrono::milliseconds timeout) const;

    // The analysis, waited for; throws what it threw, AnalysisCancelled when it was cancelled.
    ExactAnalysis Result() const;

  private:
    void Work(const GameDefinition& def, const Listener& listener);

    std::atomic<bool> cancel_{false};
    std::atomic<double> done_{0.0};
    std::chrono::steady_clock::time_point start_;
    std::promise<ExactAnalysis> promise_;
    std::shared_future<ExactAnalysis> result_;
    std::thread worker_;  // last: started when everything it reports to exists
};

}  // namespace kragmoor
