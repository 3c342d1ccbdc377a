// The hit statistics window "Statistics (HITS)": the engine's hit table in a grid that fills the
// window, with the cells whose count changed at the last refresh in red (paying) or yellow (not
// paying). It observes the engine itself: a minimized table is not refreshed, and a refresh
// repaints the grid. A click on the grid copies the table and the run totals to the clipboard.
#pragma once

#include <QWidget>
#include <array>

#include "engine/play/run_observer.h"
#include "engine/play/simulator.h"

namespace kragmoor {

class ClipboardCopy;
class HitGrid;
class HitTableModel;
class RepaintThrottle;

class StatisticsHits : public QWidget, private RunObserver {
    Q_OBJECT

  public:
    // Observes `engine` for the life of the window.
    explicit StatisticsHits(Simulator& engine, QWidget* parent = nullptr);
    ~StatisticsHits() override;

    // Left of `main` with their bottoms level, in the free corner below the wide chart; on a
    // screen too narrow for that the table stays where it is.
    void PlaceBeside(const QWidget& main);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The click on the grid: the clipboard copy with its two pauses of one second.
    void MSFlexGrid1_Click();

    // --- RunObserver ---
    bool HitsMinimized() override;
    // A Step's refresh is shown at once; a run's at most five times a second.
    void HitsRefreshed() override;

    void BuildGrid();
    void FitColumns();
    void Repaint();

    Simulator& engine_;
    HitTableModel* model_ = nullptr;
    HitGrid* MSFlexGrid1_ = nullptr;
    ClipboardCopy* copy_ = nullptr;  // the click's copy and its notices
    RepaintThrottle* throttle_ = nullptr;
    // The longest text each column has been fitted to; -1 before the first fit.
    std::array<int, 24> column_chars_;
};

}  // namespace kragmoor
