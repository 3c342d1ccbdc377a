// The main window: the symbol window, the counters, Step, Run/Stop, the option boxes, the reel
// buttons, Save, credit entry, Exit and the button that opens the about box. It is a thin view
// over the run control: its click handlers call the RunControl's commands, and the run control
// tells it what to show through the RunObserver hooks.
//
// An automatic run is a loop inside the Run handler on this one thread. The run control offers
// the window a turn every 100 games (Yield) and every 100 free spins of a long feature
// (FeatureYield); the window takes one only every few milliseconds, and only then do clicks run
// and the counters and cells repaint. Shown games of a run are recorded in the display models
// and reach the widgets at those turns.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/run_control.h"
#include "engine/run_observer.h"
#include "engine/session.h"
#include "ui/main/reel_display.h"
#include "ui/main/symbol_art.h"
#include "ui/main/yield_throttle.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kragmoor {

class ChartView;
class CreditEntry;
class HitsView;
class ReelWindow;
class frmAboutMath;

class frmReelvik : public QWidget, private RunObserver {
    Q_OBJECT
  public:
    // The client area, 10140 x 9450 twips at 15 twips a pixel.
    static constexpr int kClientWidth = 676;
    static constexpr int kClientHeight = 630;

    // Takes the opened session (definition and logs) and prepares the window as the loader
    // leaves it: caption, title label, the window of stop 0 in the cells, reel 4 selected, the
    // counters. Not shown yet.
    explicit frmReelvik(Session session, QWidget* parent = nullptr);
    ~frmReelvik() override;

    RunControl& Control() { return control_; }
    const SymbolImageList& ImageList1() const { return image_list_; }
    const ReelDisplay& Display() const { return display_; }

    // The statistics windows, when they exist; either may be null.
    void SetStatisticsViews(HitsView* hits, ChartView* chart);
    // What Exit does after closing the logs: ends the event loop (tests replace it).
    void SetQuitFunction(std::function<void()> quit);

    // Bottom right of the screen: 60 twips from the right edge, 480 from the bottom.
    void PlaceOnScreen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void cmdStart_Click();
    void cmdAUTO_Click();
    void cmdSave_Click();
    void cmdExit_Click();
    void cmdAdd_Click();
    void cmdReels_Click(int index);
    void cmd_SlotDesignDetails_Click();
    void chkStopJP_Click();
    void txtAddCredit_Escape();
    void txtAddCredit_Enter();

  private:
    // --- building the window (frm_reelvik_layout.cpp) ---
    void BuildControls();
    QPushButton* MakeButton(const char* name, const QString& caption, QRect twips);
    QLabel* MakeLabel(const QString& name, QRect twips);
    void LoadDefinition();
    void ShowStopZero();

    // --- keeping the widgets in step with the display models ---
    void Sync();
    void SyncDisplay();
    void RefreshLabels();
    void RefreshReelButtons();
    void SetEntryButtonsEnabled(bool enabled);

    // --- RunObserver (frm_reelvik_observer.cpp) ---
    void ShowReels() override;
    void ReelCaption(int reel, int stop) override;
    void SetText(std::string_view text) override;
    void AppendText(std::string_view text) override;
    void DrawWinLine(int line) override;
    void DrawScatterBox(int row, int reel) override;
    void Message(std::string_view text) override;
    void Beep() override;
    void RunStateChanged() override;
    void EnableAdd(bool enabled) override;
    void EnableStart(bool enabled) override;
    void FocusStart() override;
    void FocusAdd() override;
    void LabelsChanged() override;
    void Yield() override;
    void FeatureYield() override;
    bool HitsMinimized() override;
    void HitsRefreshed() override;
    void ChartCleared() override;
    void ChartPointAdded(const ChartPoint& point) override;
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override;

    Session session_;
    RunControl control_;
    SymbolImageList image_list_;
    ReelDisplay display_;
    YieldThrottle throttle_;          // the window's turns during a run
    YieldThrottle display_throttle_;  // repaints of the cells and the text box during a run
    std::function<void()> quit_;
    HitsView* hits_view_ = nullptr;
    ChartView* chart_view_ = nullptr;
    bool exiting_ = false;

    // What the widgets are to show; pushed to them by Sync().
    std::string text_;
    std::array<int, kReels> reel_captions_{};
    std::array<bool, kReels> reel_caption_set_{};
    bool cells_dirty_ = false;
    bool text_dirty_ = false;
    bool captions_dirty_ = false;
    bool labels_dirty_ = false;

    // Controls, named as the rest of the simulator knows them.
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdAUTO = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdAdd = nullptr;
    std::array<QPushButton*, kReels> cmdReels{};
    QCheckBox* chkRND = nullptr;
    QCheckBox* chkStopJP = nullptr;
    CreditEntry* txtAddCredit = nullptr;
    QPlainTextEdit* txtTextBox1 = nullptr;
    std::array<QLabel*, 7> Label1{};
    QLabel* Label2 = nullptr;
    QPushButton* cmd_SlotDesignDetails = nullptr;
    ReelWindow* Picture2 = nullptr;
    QPointer<frmAboutMath> about_;
};

}  // namespace kragmoor
