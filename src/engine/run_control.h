// The run control: everything the main window does around the game rounds, without the window.
// Step plays one base game or one free spin; Run plays an automatic run that yields every 100
// games; features are ended and booked; the logs, the loss streaks, the cash of single-step
// play, the hit table, the chart and the save report are kept here. The windows call the
// commands below from their click handlers and show what the RunObserver hooks tell them.
//
// Counters are 64-bit; every figure a file or label shows is what a 32-bit counter shows within
// its range. Run state between commands lives here: Running() is the Run/Stop caption.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "engine/chart.h"
#include "engine/hit_table.h"
#include "engine/line_codes.h"
#include "engine/run_observer.h"
#include "model/game_model.h"
#include "model/log_file.h"

namespace kragmoor {

class RunControl {
  public:
    // The state as the loader leaves it: every ReelStop at its reel's last position, SelectedReel
    // 4, Credit and CreditTotal 1000000, random stops, Auto Stop off, no run going. `logs` must be
    // open; files the run control writes itself (Temp1.txt, empty.txt) live in `dir`.
    // The definition is copied. It must be one the reader accepts: every reel at least two
    // positions long and holding symbol codes 0..12 up to its last position, and the built-in
    // win lines; otherwise std::invalid_argument.
    RunControl(const GameDefinition& def, LogFiles& logs, std::filesystem::path dir,
               RunObserver* observer = nullptr);
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    void SetObserver(RunObserver* observer);  // nullptr: nothing is shown

    // --- the main window's commands ---
    void cmdStart_Click();  // Step
    void cmdAUTO_Click();   // Run; while a run is going (re-entered from Yield): Stop
    // Appends the save block to Temp1.txt and rewrites empty.txt. False (after a Message naming
    // the file) when a file could not be written.
    bool cmdSave_Click();
    // Closes the three logs (a log whose last records cannot be written is told) and ends any run.
    void cmdExit_Click();
    void cmdReels_Click(int index);  // selects the reel that ends a sequential run (0..4)
    // Enter in the credit entry: books the text as an amount when it is a whole number that
    // keeps Credit and CreditTotal within range. True when Credit is then at least 20.
    bool BookCredit(std::string_view text);

    // The two option boxes: random stops (checked) or sequential stepping; Auto Stop.
    void SetRandomStops(bool random);
    void SetAutoStop(bool auto_stop);
    bool RandomStops() const { return random_stops_; }
    bool AutoStop() const { return auto_stop_; }

    // An automatic run is going: the Run/Stop button shows "Stop".
    bool Running() const { return running_; }
    bool Exited() const { return exited_; }
    // A file could not be written: a log (told once per log, and a run going on then ended) or a
    // file of a save (told at each save).
    bool WriteFailed() const { return write_failed_; }

    // The counter labels Label1(0..6) as a person would read them now.
    std::string Label(int index) const;

    const GameDefinition& Definition() const { return def_; }
    const RunState& State() const { return state_; }
    RunState& MutableState() { return state_; }  // for tests that prepare a game

    // The main window's own two fields: the free spin being played within the feature (0 when
    // none; lowered by 15 by each retrigger) and TotalWin as it stood when the base game began.
    std::int64_t FreeSpinNo() const { return FreeSpinNo_; }
    std::int64_t WinAtGameStart() const { return WinAtGameStart_; }

    // Totals for summaries beyond the model's counters: lines of five wilds (base games and free
    // spins, as many as Jackpot.txt has records) and free spins played in all features.
    std::int64_t JackpotCount() const { return jackpot_count_; }
    std::int64_t FreeSpinsTotal() const { return free_spins_total_; }

    HitTable& Hits() { return hits_; }
    const HitTable& Hits() const { return hits_; }
    Chart& ChartData() { return chart_; }
    const Chart& ChartData() const { return chart_; }

    // --- operations the windows trigger beyond the buttons ---
    void ShowHits();  // refresh the hit table unless minimized or not shown
    std::string ClipboardText() const;
    // Applies the chart's set-up fields and clears the chart (ChartCleared); points and marks
    // are kept, so drawing goes on at the same x.
    void ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                        const std::array<std::string, 3>& counter_reset_texts);
    // "Save now?" answered Yes with Save ticked: the summary printed on the chart and the bitmap
    // name "TestTemp.bmp".
    std::string ChartSaveNowSummary() const;

    // --- the game rounds, for tests and tools ---
    void PlayBaseGame();
    void PlayFreeSpin();
    void EndFeature();
    void DrawPercent();  // one chart point, as the run adds every 100 games

  private:
    // The raw numbers each counter label was last set from; Label(i) formats them on demand.
    struct LabelValues {
        bool win_set = false;  // Label1(0): " Win " win " / " bet " = " ratio
        std::int64_t win = 0, bet = 0;
        int games_kind = 0;  // Label1(1): 0 unset, 1 " Games = ", 2 " FreeGames = "
        std::int64_t games_value = 0;
        bool game_win_set = false;  // Label1(2)
        std::int64_t game_win = 0;
        int free_kind = 0;  // Label1(3): 0 unset, 1 as a base game shows it, 2 after a feature
        std::int64_t free_games = 0, free_win = 0, free_bet = 0;
        bool rate_set = false;  // Label1(4): 20 x games / win events
        std::int64_t rate_games = 0, rate_events = 0;
        std::int64_t cash = 0;   // Label1(5)
        std::int64_t total = 0;  // Label1(6)
    };

    // game_rounds.cpp
    void StepOdometer();
    void FillWindow(const StripColumns& columns, const std::int16_t (&stops)[kReels]);
    void DecideShown();
    void StoreScatterResult(int count);
    void ShowLineWin(int line, std::int32_t win, int count, int symbol);
    void ShowScatters(int count, std::int64_t win);
    void BaseJackpot(int line, const LineCodeInfo& info);
    void BaseScatters();
    void FreeSpinJackpot(int line);
    void EndRunAt(std::string_view message);
    // run_control.cpp
    bool PlayFeaturePass();
    bool FeatureTurn();
    void AtYield();
    void CheckCycleEnd(std::int64_t& cycle_mark);
    void CheckLogs();
    void TellWriteFailure(const std::string& message);
    void AfterBaseGame();
    void UpdateLossStreak();
    void SetRunning(bool running);
    void SetCash();
    // records.cpp
    void WriteJackpotRecord(int line, bool free_spin);
    void WriteFeatureRecord();
    // save_report.cpp
    void SaveHits(std::string& out);
    bool WriteLossStreakTable();
    void TellSaveFailure(const std::string& message);

    GameDefinition def_;
    LogFiles* logs_;
    std::filesystem::path dir_;
    RunObserver* observer_;
    RunState state_;
    HitTable hits_;
    Chart chart_;

    LineCodeTable codes_;
    std::unique_ptr<StripColumns> base_columns_;
    std::unique_ptr<StripColumns> free_columns_;

    bool random_stops_ = true;
    bool auto_stop_ = false;
    bool running_ = false;
    bool exited_ = false;
    bool in_feature_turn_ = false;  // the window has its turn inside a feature pass
    bool write_failed_ = false;
    std::array<bool, 3> log_failure_told_{};  // Percent, Jackpot, FreeSpins
    std::int64_t FreeSpinNo_ = 0;
    std::int64_t WinAtGameStart_ = 0;
    std::int64_t jackpot_count_ = 0;
    std::int64_t free_spins_total_ = 0;
    LabelValues labels_;
    std::string record_;  // reused for log records, so that writing one allocates nothing
};

}  // namespace kragmoor
