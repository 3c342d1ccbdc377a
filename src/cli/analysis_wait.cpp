#include "cli/analysis_wait.h"

#include <chrono>

#include "cli/progress.h"

namespace kragmoor::cli {

namespace {

constexpr auto kPollEvery = std::chrono::milliseconds(50);

}  // namespace

ExactAnalysis WaitForAnalysis(BackgroundAnalysis& analysis, std::FILE* terminal,
                              const std::atomic<bool>* interrupted) {
    AnalysisBar bar(terminal, analysis.Started());
    while (!analysis.WaitFor(kPollEvery)) {
        if (interrupted != nullptr && interrupted->load()) analysis.Cancel();
        bar.Update(analysis.Progress());
    }
    bar.Finish();
    return analysis.Result();
}

}  // namespace kragmoor::cli
