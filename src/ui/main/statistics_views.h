// The seam between the main window and the two statistics windows (the hit table and the RTP
// chart). The main window forwards the run control's hooks for them through these interfaces;
// each pointer may be null, and then the engine keeps the table and the chart data alone, so
// that the save report and the chart log stay exact with no window shown.
#pragma once

#include <string_view>

class QWidget;

namespace kragmoor {

struct ChartPoint;

class HitsView {
  public:
    virtual ~HitsView() = default;
    // Shown at start, modeless, beside the main window.
    virtual void ShowView(const QWidget& main) = 0;
    // A minimized table is not refreshed.
    virtual bool IsMinimized() const = 0;
    // The engine's HitTable has new cell texts and colours.
    virtual void Refreshed() = 0;
};

class ChartView {
  public:
    virtual ~ChartView() = default;
    // Shown at start, modeless, across the top of the screen.
    virtual void ShowView() = 0;
    // Clear the picture and draw the empty frame with the current scale.
    virtual void Cleared() = 0;
    // Draw the segments of one new point.
    virtual void PointAdded(const ChartPoint& point) = 0;
    // The chart is full: print the summary; save the picture when a file name is given.
    virtual void Full(std::string_view summary, std::string_view bitmap_file) = 0;
    // The main window is about to let the windows process events during a run: draw what has
    // queued up since the last turn.
    virtual void Turn() {}
};

}  // namespace kragmoor
