// The runner's side of the analysis on a thread of its own (engine/analysis/background_analysis.h):
// waiting for it with its progress on a terminal, and cancelling it on Ctrl+C.
#pragma once

#include <atomic>
#include <cstdio>

#include "engine/analysis/background_analysis.h"

namespace kragmoor::cli {

// The analysis, waited for; while it is not done and has taken over a second, its progress shows
// on `terminal` when that is one. Once `interrupted` is set the analysis is cancelled, and this
// throws AnalysisCancelled within a fraction of a second. Throws what the analysis threw.
ExactAnalysis WaitForAnalysis(BackgroundAnalysis& analysis, std::FILE* terminal,
                              const std::atomic<bool>* interrupted = nullptr);

}  // namespace kragmoor::cli
