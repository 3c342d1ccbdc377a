// The exact analysis of a game on a thread of its own, so that a run does not wait for it: it
// works on its own copy of the definition and shares nothing with the games being played but
// the share of its work done, which the waiting side shows on a terminal.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor::cli {

class BackgroundAnalysis {
  public:
    // Starts the analysis at once.
    explicit BackgroundAnalysis(GameDefinition def);
    // Waits for a thread still working (a run that failed does not leave it behind).
    ~BackgroundAnalysis() = default;
    BackgroundAnalysis(const BackgroundAnalysis&) = delete;
    BackgroundAnalysis& operator=(const BackgroundAnalysis&) = delete;

    // The analysis, waited for; while it is not done and has taken over a second, its progress
    // shows on `terminal` when that is one. Throws what the analysis threw. Once only.
    ExactAnalysis Wait(std::FILE* terminal);

  private:
    std::atomic<double> done_{0.0};
    std::chrono::steady_clock::time_point start_;
    // Last, so that it is destroyed first: its destructor waits for the thread, which reports
    // to done_.
    std::future<ExactAnalysis> result_;
};

}  // namespace kragmoor::cli
