// The hit statistics window and the RTP chart window behind the main window's seam: each owns
// its window and forwards the main window's calls to it.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "ui/main/statistics_views.h"

class QWidget;

namespace kragmoor {

class RunControl;
class StatisticsHits;
class frmSlotChart;

class HitsWindow final : public HitsView {
  public:
    explicit HitsWindow(RunControl& run);
    ~HitsWindow() override;
    // Left of the main window with their bottoms level, in the free corner below the wide chart.
    void ShowView(const QWidget& main) override;
    bool IsMinimized() const override;
    void Refreshed() override;
    StatisticsHits& Window() { return *window_; }

  private:
    std::unique_ptr<StatisticsHits> window_;
};

class ChartWindow final : public ChartView {
  public:
    // Bitmaps of the chart are saved in `dir`, the session's working directory.
    ChartWindow(RunControl& run, const std::filesystem::path& dir);
    ~ChartWindow() override;
    void ShowView() override;
    void Cleared() override;
    void PointAdded(const ChartPoint& point) override;
    void Full(std::string_view summary, std::string_view bitmap_file) override;
    void Turn() override;
    frmSlotChart& Window() { return *window_; }

  private:
    std::unique_ptr<frmSlotChart> window_;
};

}  // namespace kragmoor
