#include "engine/play/run_statistics.h"

#include <utility>

#include "engine/records/save_report.h"

namespace kragmoor {

RunStatistics::RunStatistics(const GameDefinition& def, RunState& state, RunStatus& status,
                             RunLogs& logs, RunObserver& observer, std::filesystem::path dir,
                             std::int64_t chart_points)
    : def_(def),
      state_(state),
      status_(status),
      logs_(logs),
      observer_(observer),
      dir_(std::move(dir)),
      hits_(def),
      chart_(def.GameRTP, chart_points) {}

void RunStatistics::RefreshHits() {
    if (!status_.Shown() || observer_.HitsMinimized()) return;
    hits_.Refresh(def_, state_);
    observer_.HitsRefreshed();
}

std::string RunStatistics::ClipboardText() const {
    return hits_.ClipboardText(state_);
}

void RunStatistics::AddChartPoint() {
    const ChartStep step = chart_.AddPoint(state_);
    if (Tell(step)) logs_.Percent(step.percent, state_.Games);
}

void RunStatistics::DrawChartPoint(const ChartTotals& totals) {
    Tell(chart_.AddPoint(totals));
}

bool RunStatistics::Tell(const ChartStep& step) {
    if (step.counted_only) return false;
    if (step.full) {
        if (step.ends_run) status_.SetRunning(false);
        observer_.ChartFull(step.summary, step.bitmap_file);
    }
    if (step.cleared) observer_.ChartCleared();
    observer_.ChartPointAdded(step.point);
    return step.percent_line;
}

void RunStatistics::ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                                   const std::array<std::string, 3>& counter_reset_texts) {
    chart_.ReadSetup(scale_texts, counter_reset_texts);
    observer_.ChartCleared();
}

bool RunStatistics::Save() {
    if (status_.Exited()) return false;
    // Only a game that is not shown (a save at a yield between two refreshes of a run) saves the
    // table as last refreshed.
    if (status_.Shown()) {
        hits_.Refresh(def_, state_);
        observer_.HitsRefreshed();
    }
    const bool ok = WriteSaveFiles(dir_, def_, state_, hits_, [this](const std::string& message) {
        status_.TellSaveFailure(message);
    });
    observer_.SaveDone(ok);
    return ok;
}

}  // namespace kragmoor
