#include "ui/main/statistics_windows.h"

#include <QRect>
#include <QWidget>

#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor {

HitsWindow::HitsWindow(RunControl& run) : window_(std::make_unique<StatisticsHits>(run)) {}
HitsWindow::~HitsWindow() = default;
void HitsWindow::ShowView(const QWidget& main) {
    window_->show();
    // On a screen too narrow for its place beside the main window the table stays top left.
    const QRect beside = main.frameGeometry();
    const QRect own = window_->frameGeometry();
    const int left = beside.left() - own.width();
    if (left >= 0) window_->move(left, beside.bottom() + 1 - own.height());
}
bool HitsWindow::IsMinimized() const {
    return window_->IsMinimizedForRefresh();
}
void HitsWindow::Refreshed() {
    window_->OnHitsRefreshed();
}

ChartWindow::ChartWindow(RunControl& run, const std::filesystem::path& dir)
    : window_(std::make_unique<frmSlotChart>(run)) {
    window_->SetDirectory(dir);
}
ChartWindow::~ChartWindow() = default;
void ChartWindow::ShowView() {
    window_->show();
}
void ChartWindow::Cleared() {
    window_->OnChartCleared();
}
void ChartWindow::PointAdded(const ChartPoint& point) {
    window_->OnChartPointAdded(point);
}
void ChartWindow::Full(std::string_view summary, std::string_view bitmap_file) {
    window_->OnChartFull(summary, bitmap_file);
}
void ChartWindow::Turn() {
    window_->FlushPending();
}

}  // namespace kragmoor
