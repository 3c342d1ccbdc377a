// The main window: the symbol window, the counters, Step, Run/Stop, the option boxes, the reel
// buttons, Save, credit entry, Exit and the button that opens the about box. It is a thin view
// over the engine: each control stands for one engine verb (ConnectControls, in one place), and
// the engine tells the window what happened in the game through the RunObserver hooks; the
// window decides how to show it (the text box's texts and beeps: ui/text/game_text.h).
//
// An automatic run on one thread is a loop inside StartOrStop on this thread; on several, the
// chunks are played on worker threads and added up here, a turn after each (threaded_run.h). The
// engine offers its observers a turn every 100 games (Yield) and every 100 free spins of a long
// feature (FeatureYield); the window takes one only every few milliseconds, and only then do clicks
// run and the counters and cells repaint. Shown games of a run are recorded in the display models
// and reach the widgets at those turns.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "engine/chunks/threaded_run.h"
#include "engine/play/run_observer.h"
#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "ui/layout/twips.h"
#include "ui/main/reel_display.h"
#include "ui/main/symbol_art.h"
#include "ui/stats/yield_throttle.h"
#include "ui/text/game_text.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace kragmoor {

class CreditEntry;
class ExactAnalysisJob;
class frmParSheet;
class ReelWindow;
class frmAboutMath;

class frmReelvik : public QWidget, private RunObserver {
    Q_OBJECT
  public:
    // The client area, 10140 x 9450 twips.
    // The designed client area, 10140 x 9450 twips, and the column at its right that holds the
    // par sheet's button.
    static constexpr int kDesignWidth = 10140;
    static constexpr int kClientWidth = (kDesignWidth + 600) / kTwipsPerPixel;
    static constexpr int kClientHeight = 9450 / kTwipsPerPixel;

    // Takes the opened session (definition, logs, start state) and prepares the window as the
    // loader leaves it: caption, title label, the window of stop 0 in the cells, reel 4 selected,
    // the counters. Not shown yet.
    explicit frmReelvik(Session session, QWidget* parent = nullptr);
    ~frmReelvik() override;

    Simulator& Engine() { return engine_; }
    // The exact analysis of the loaded game, started when the window is made.
    const ExactAnalysisJob& Analysis() const { return *analysis_; }

    // Bottom right of the screen: 60 twips from the right edge, 480 from the bottom.
    void PlaceOnScreen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // --- building the window (frm_reelvik_layout.cpp) ---
    void BuildControls();
    void BuildButtons();
    void BuildCounters();
    void BuildParSheetButton();
    void BuildThreadsControl();
    QPushButton* MakeButton(const char* name, const QString& caption, QRect twips);
    QLabel* MakeLabel(const QString& name, QRect twips);
    void LoadDefinition();
    void ShowStopZero();

    // --- the controls and the engine verbs they stand for (frm_reelvik.cpp) ---
    void ConnectControls();
    void OnClick(QPushButton* button, std::function<void()> verb);
    void Exit();
    void OpenCreditEntry();
    void CancelCreditEntry();
    void BookCredit();
    void ShowAbout();
    void ShowParSheet();

    // --- keeping the widgets in step with the display models ---
    void Sync();
    // A message box over the game on show, acknowledged before the engine goes on.
    void Notify(std::string_view text);
    void SyncDisplay();
    void RefreshLabels();
    void RefreshReelButtons();
    void SetEntryButtonsEnabled(bool enabled);

    // --- RunObserver (frm_reelvik_observer.cpp) ---
    void ReelsStopped(const std::int16_t (&stops)[kReels]) override;
    void GameShown(const ShownGame& game) override;
    void LineWon(const LineWin& win) override;
    void ScattersWon(const ScatterWin& win) override;
    void FreeSpinsAwarded(const FreeSpinsAward& award) override;
    void GameEnded(const GameEnd& end) override;
    void AutoStopped(const AutoStopAt& at) override;
    void CycleEnded(std::int64_t games) override;
    void WriteFailed(std::string_view message) override;
    void SaveDone(bool ok) override;
    void CreditTooLow() override;
    void RunStateChanged() override;
    void AllowCreditEntry(bool allowed) override;
    void OfferStep() override;
    void LabelsChanged() override;
    void Yield() override;
    void FeatureYield() override;

    Session session_;
    Simulator engine_;
    ThreadedRun threaded_run_{session_, engine_};
    SymbolImageList image_list_;
    ReelDisplay display_;
    YieldThrottle throttle_;          // the window's turns during a run
    YieldThrottle display_throttle_;  // repaints of the cells and the text box during a run
    bool exiting_ = false;

    // What the widgets are to show; pushed to them by Sync().
    GameText text_;
    std::array<int, kReels> reel_captions_{};
    std::array<bool, kReels> reel_caption_set_{};
    bool cells_dirty_ = false;
    bool text_dirty_ = false;
    bool captions_dirty_ = false;
    bool labels_dirty_ = false;

    // Controls, named as the window design names them.
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
    // Beside the designed controls: the par sheet's button in the free strip right of the
    // symbol window, and its shortcut Ctrl+P.
    QPushButton* cmdParSheet = nullptr;
    QSpinBox* Threads = nullptr;
    QPointer<frmParSheet> par_sheet_;
    std::unique_ptr<ExactAnalysisJob> analysis_;
};

}  // namespace kragmoor
