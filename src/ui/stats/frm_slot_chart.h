// The RTP chart window "Slot Chart": how the return to player converges while the simulation
// runs. The run control decides every point and every event; this window paints them onto its
// persistent picture, saves the picture as bitmap files and holds the set-up frame.
#pragma once

#include <QWidget>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>

#include "ui/stats/chart_canvas.h"

class QPushButton;

namespace kragmoor {

class ChartSetupFrame;
class RepaintThrottle;
class RunControl;
struct ChartPoint;

class frmSlotChart : public QWidget {
    Q_OBJECT

  public:
    // The questions the window asks: "Print data ?" (OK / Cancel) and "Save now?" (Yes / No).
    // True for OK or Yes. Tests install their own answer.
    using Ask = std::function<bool(QWidget* parent, const QString& text, bool yes_no)>;

    // Placed at the top left of the screen, as wide as the screen and 5/8 of its height. Bitmaps
    // go to the current directory until SetDirectory names the session's.
    explicit frmSlotChart(RunControl& run, QWidget* parent = nullptr);
    ~frmSlotChart() override;

    // --- the run control's hooks, forwarded by the main window ---
    void OnChartCleared();
    void OnChartPointAdded(const ChartPoint& point);
    void OnChartFull(std::string_view summary, std::string_view bitmap_file);
    // Draws the queued points and schedules a repaint; called whenever the main window lets the
    // window process events during a run (a timer does it otherwise).
    void FlushPending();

    void SetDirectory(std::filesystem::path dir) { dir_ = std::move(dir); }
    const std::filesystem::path& Directory() const { return dir_; }
    void SetAsk(Ask ask);

    // The persistent picture: the frame and every curve drawn so far, the size of the window.
    const QImage& Picture();
    ChartSetupFrame& Setup() { return *fraCharSetup_; }

    // --- event handlers ---
    void cmdCharSetup_Click();
    void chkSave_Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void PlaceOnScreen();
    void FitFrameToScreen();
    void FitPicture();
    void ConnectOptions();
    void ShowAppliedSettings();
    void AskPrint();
    void SaveNow();
    void SavePicture(std::string_view file_name, bool interactive);
    void Repaint();

    RunControl& run_;
    std::filesystem::path dir_;
    Ask ask_;
    ChartCanvas canvas_;
    QPushButton* cmdCharSetup_ = nullptr;
    ChartSetupFrame* fraCharSetup_ = nullptr;
    RepaintThrottle* throttle_ = nullptr;
    bool SetupChanged_ = false;
    bool flush_posted_ = false;
    bool save_error_shown_ = false;
    bool frame_fitted_ = false;
};

}  // namespace kragmoor
