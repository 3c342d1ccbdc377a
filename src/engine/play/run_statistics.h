// The statistics a run keeps beside its counters, as the statistics views show them: the hit
// table, refreshed after every Step and every 10000 games of a run; the chart, a point every 100
// games, with its line in Percent_10000.txt every 100 points; and the save report written from
// both. Each tells the observers what changed.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "engine/play/run_observer.h"
#include "engine/play/run_status.h"
#include "engine/records/chart_data.h"
#include "engine/records/hit_table.h"
#include "engine/records/run_logs.h"
#include "model/game_model.h"

namespace kragmoor {

class RunStatistics {
  public:
    // Temp1.txt (the definition's ReportFileName) and empty.txt are written in `dir`;
    // `chart_points` were counted before.
    RunStatistics(const GameDefinition& def, RunState& state, RunStatus& status, RunLogs& logs,
                  RunObserver& observer, std::filesystem::path dir, std::int64_t chart_points);

    const HitTable& Hits() const { return hits_; }
    ChartData& Chart() { return chart_; }
    const ChartData& Chart() const { return chart_; }

    // Refreshes the hit table, unless the game is not shown or the table is minimized.
    void RefreshHits();
    // The hit table as TAB-ended cells and the run totals, for the clipboard.
    std::string ClipboardText() const;

    // One chart point at the run's totals, passed on to the observers and the log. A full chart
    // with Continue unchecked ends the run going on.
    void AddChartPoint();
    // A point of games another engine played, at `totals`: drawn as AddChartPoint draws it, its
    // line in Percent_10000.txt left to the log of that engine.
    void DrawChartPoint(const ChartTotals& totals);
    // Applies the chart's set-up fields and clears the chart; drawing goes on at the same x.
    void ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                        const std::array<std::string, 3>& counter_reset_texts);

    // Save: the totals and the hit table (refreshed first as if its window were maximized, unless
    // the game is not shown) appended to Temp1.txt, empty.txt rewritten, and the observers told.
    // False when a file could not be written (told at every save).
    bool Save();

  private:
    // Tells the observers what a point brings; true when its line goes to the log.
    bool Tell(const ChartStep& step);

    const GameDefinition& def_;
    RunState& state_;
    RunStatus& status_;
    RunLogs& logs_;
    RunObserver& observer_;
    std::filesystem::path dir_;
    HitTable hits_;
    ChartData chart_;
};

}  // namespace kragmoor
