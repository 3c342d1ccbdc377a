// The RTP chart window "Slot Chart": how the return to player converges while the simulation
// runs. The engine decides every point and every event and tells this window, one of its
// observers; the window paints them onto its persistent picture, saves the picture as bitmap
// files and holds the set-up frame.
#pragma once

#include <QWidget>
#include <chrono>
#include <filesystem>
#include <string_view>

#include "engine/play/run_observer.h"
#include "engine/play/simulator.h"
#include "ui/stats/chart_canvas.h"
#include "ui/stats/yield_throttle.h"

class QPushButton;

namespace kragmoor {

class ChartSetupFrame;
class RepaintThrottle;

class frmSlotChart : public QWidget, private RunObserver {
    Q_OBJECT

  public:
    // Observes `engine` for the life of the window; its bitmaps are saved in `dir` (the
    // session's working directory). Placed at the top left of the screen, as wide as the screen
    // and 5/8 of its height.
    frmSlotChart(Simulator& engine, std::filesystem::path dir, QWidget* parent = nullptr);
    ~frmSlotChart() override;

    // The game's exact RTP (percent) and the standard deviation of one game's win (bets), once
    // the analysis has them: the chart then draws the 95 % band of the red curve and judges the
    // run in its summary line. Before that neither is shown.
    void SetTheory(double exact_rtp_percent, double sd_per_game);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // --- RunObserver ---
    void ChartCleared() override;
    void ChartPointAdded(const ChartPoint& point) override;
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override;
    void Yield() override;

    // --- event handlers ---
    void cmdCharSetup_Click();
    void chkSave_Click();

    // Draws the queued points and schedules a repaint. During a run the window does it at its
    // turns (Yield), otherwise a timer once the event loop turns.
    void FlushPending();

    void PlaceOnScreen();
    void FitFrameToScreen();
    void FitPicture();
    void ConnectOptions();
    void ShowAppliedSettings();
    void AskPrint();
    void SaveNow();
    void SavePicture(std::string_view file_name, bool interactive);
    void Repaint();
    std::string Judged(std::string_view summary) const;

    Simulator& engine_;
    std::filesystem::path dir_;
    ChartCanvas canvas_;
    QPushButton* cmdCharSetup_ = nullptr;
    ChartSetupFrame* fraCharSetup_ = nullptr;
    RepaintThrottle* throttle_ = nullptr;
    YieldThrottle turns_;  // the queued points are drawn at most this often during a run
    bool SetupChanged_ = false;
    bool flush_posted_ = false;
    bool save_error_shown_ = false;
    bool frame_fitted_ = false;
    bool theory_set_ = false;
    double exact_rtp_percent_ = 0;
    double sd_per_game_ = 0;
};

}  // namespace kragmoor
