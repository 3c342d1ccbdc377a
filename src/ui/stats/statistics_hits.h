// The hit statistics window "Statistics (HITS)": the engine's hit table in a grid that fills the
// window, with the cells whose count changed at the last refresh in red (paying) or yellow (not
// paying). A click on the grid copies the table and the run totals to the clipboard.
#pragma once

#include <QWidget>
#include <chrono>

class QLabel;
class QTableView;

namespace kragmoor {

class HitTableModel;
class RepaintThrottle;
class RunControl;

class StatisticsHits : public QWidget {
    Q_OBJECT

  public:
    explicit StatisticsHits(RunControl& run, QWidget* parent = nullptr);
    ~StatisticsHits() override;

    // The run control refreshes nothing while the window is minimized.
    bool IsMinimizedForRefresh() const;
    // The engine has refreshed the hit table: repaint the grid (during a run at most once every
    // repaint period).
    void OnHitsRefreshed();

    // The click on the grid: the clipboard copy with its two pauses.
    void MSFlexGrid1_Click();

    // Length of each of the copy's two pauses (one second; tests shorten it).
    void SetClipboardPause(std::chrono::milliseconds pause) { pause_ = pause; }

    QTableView& Grid() { return *MSFlexGrid1_; }
    QLabel& StatusLabel() { return *Label1_; }
    HitTableModel& Model() { return *model_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildGrid();
    void FitColumns();
    void CentreLabel();
    void Repaint();

    RunControl& run_;
    HitTableModel* model_ = nullptr;
    QTableView* MSFlexGrid1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QWidget* corner_ = nullptr;
    RepaintThrottle* throttle_ = nullptr;
    std::chrono::milliseconds pause_{1000};
    bool copying_ = false;
    // The longest text each column has been fitted to; -1 before the first fit.
    int column_chars_[24] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                             -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

}  // namespace kragmoor
