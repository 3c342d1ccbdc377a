// The engine as the windows and the headless runner see it: the player's commands (Step, Run and
// Stop, Save, Exit, the reel that ends a sequential run, the two options, the credit entry), the
// state they work on, the counters, the hit table and the chart. It ties the parts together:
// the game rounds (game_rounds.h), the automatic run (automatic_run.h), the bookings and the logs
// (bookings.h, run_logs.h), the statistics (run_statistics.h) and the labels
// (counter_labels.h). What a window shows reaches it through the observers (run_observer.h).
//
// Several engines can play in one process: each is given its tables (shared read-only), its
// logs, the state it starts from and where it draws its stops.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/play/automatic_run.h"
#include "engine/play/counter_labels.h"
#include "engine/play/game_rounds.h"
#include "engine/play/run_observer.h"
#include "engine/play/run_statistics.h"
#include "engine/play/run_status.h"
#include "engine/play/session.h"
#include "engine/play/stop_draws.h"
#include "engine/records/chart_data.h"
#include "engine/records/hit_table.h"
#include "engine/records/run_logs.h"
#include "engine/rules/game_tables.h"
#include "model/game_model.h"
#include "model/log_file.h"

namespace kragmoor {

class Simulator {
  public:
    // `logs` must be open; the files of a save (Temp1.txt, empty.txt) are written in `dir`. The
    // engine starts from `start` (LoaderState, or the state a run reached) with `chart_points`
    // counted before, random stops, Auto Stop off and no run going.
    Simulator(std::shared_ptr<const GameTables> tables, LogFiles& logs, std::filesystem::path dir,
              const RunState& start, std::int64_t chart_points = 0, StopDraws draws = {});
    // The engine of an opened session: its tables built now, its logs, its directory and its
    // start state, drawing from the process-wide generator the session seeded. Throws
    // std::invalid_argument for a definition the reader would not give (CheckPlayable).
    explicit Simulator(Session& session);
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Observers are told in the order they were added; each must be removed before it dies.
    void AddObserver(RunObserver* observer) { observers_.Add(observer); }
    void RemoveObserver(RunObserver* observer) { observers_.Remove(observer); }

    // --- the player's commands ---
    // One base game, or the next free spin of a pending feature, shown. Asks for credit below
    // one bet; single-step play settles the cash once per complete game round.
    void Step();
    // Run, which returns when the run has ended; while a run goes on (from a yield), Stop.
    void StartOrStop() { run_.StartOrStop(); }
    // With no run going: plays a feature the last run left pending to its end and records it
    // (automatic_run.h), as the end of a part of a run must.
    void CompleteRound() { run_.CompleteRound(); }
    // --- a run whose games other engines play, chunk by chunk (engine/chunks/threaded_run.h) ---
    // Run begun with nothing played here; then, in game order, each chunk's games: `merged` is
    // State() with them added (MergeChunk), `points` the totals of their chart points, win and
    // bet counted from their first game. They are shown as a run shows its games at a yield,
    // a multiple of CycleGames saves and ends the run, and the window has its turn (Stop and
    // Exit are taken there). A log written elsewhere that failed is told and ends the run. The
    // run ends as Run ends.
    void BeginRunElsewhere() { run_.BeginElsewhere(); }
    void AddPlayedElsewhere(const RunState& merged, std::span<const ChartTotals> points) {
        run_.AddElsewhere(merged, points);
    }
    void FailRunElsewhere(std::string_view message) { status_.LogFailed(message); }
    void EndRunElsewhere() { run_.EndElsewhere(); }

    // Appends the save block to Temp1.txt and rewrites empty.txt. False (after a notice naming
    // the file) when a file could not be written.
    bool Save() { return statistics_.Save(); }
    // Closes the three logs (a log whose last records cannot be written is told) and ends any
    // run; nothing is played or written after it.
    void Exit();
    // The reel (0..4) whose wrap ends a sequential run; other numbers change nothing.
    void SelectReel(int reel);
    // Enter in the credit entry (credit.h). True when Credit is then at least one bet.
    bool BookCredit(std::string_view text);

    // The two option boxes: random stops (checked) or sequential stepping; Auto Stop.
    void SetRandomStops(bool random) { status_.SetRandomStops(random); }
    void SetAutoStop(bool auto_stop) { status_.SetAutoStop(auto_stop); }
    bool RandomStops() const { return status_.RandomStops(); }
    bool AutoStop() const { return status_.AutoStop(); }

    // An automatic run is going (the window's Run/Stop then reads "Stop").
    bool Running() const { return status_.Running(); }
    bool Exited() const { return status_.Exited(); }
    // A file could not be written: a log (told once per log, and a run going on then ended) or a
    // file of a save (told at each save).
    bool WriteFailed() const { return status_.WriteFailed(); }

    const GameDefinition& Definition() const { return tables_->definition; }
    const RunState& State() const { return state_; }
    const CounterLabels& Labels() const { return labels_; }

    // --- the statistics ---
    const HitTable& Hits() const { return statistics_.Hits(); }
    // Refreshes the hit table, unless the game is not shown or the table is minimized.
    void RefreshHits() { statistics_.RefreshHits(); }
    std::string ClipboardText() const { return statistics_.ClipboardText(); }
    ChartData& Chart() { return statistics_.Chart(); }
    const ChartData& Chart() const { return statistics_.Chart(); }
    // Applies the chart's set-up fields and clears the chart; drawing goes on at the same x.
    void ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                        const std::array<std::string, 3>& counter_reset_texts) {
        statistics_.ReadChartSetup(scale_texts, counter_reset_texts);
    }
    // "Save now?" answered Yes: the summary printed on the chart ("TestTemp.bmp").
    std::string ChartSaveNowSummary() const { return ChartData::SaveNowSummary(state_); }

  private:
    std::shared_ptr<const GameTables> tables_;
    RunState state_;
    ObserverList observers_;
    RunStatus status_{state_, observers_};
    RunLogs logs_;
    CounterLabels labels_;
    RunStatistics statistics_;
    GameRounds rounds_;
    AutomaticRun run_;
};

}  // namespace kragmoor
