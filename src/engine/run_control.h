// The run control: everything the main window does around the game rounds, without the window.
// Step plays one base game or one free spin; Run plays an automatic run that yields every 100
// games; features are ended and booked; the logs, the loss streaks, the cash of single-step
// play, the hit table, the chart and the save report are kept here. The windows call the
// commands below from their click handlers and show what the RunObserver hooks tell them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/chart.h"
#include "engine/hit_table.h"
#include "engine/run_observer.h"
#include "model/game_model.h"
#include "model/log_file.h"

namespace kragmoor {

class RunControl {
public:
    // The state as the loader leaves it: every ReelStop at its reel's last position, SelectedReel
    // 4, Credit and CreditTotal 1000000, random stops, Auto Stop off, no run going. `logs` must be
    // open; files the run control writes itself (Temp1.txt, empty.txt) live in `dir`.
    RunControl(const GameDefinition& def, LogFiles& logs, std::filesystem::path dir,
               RunObserver* observer = nullptr);

    void SetObserver(RunObserver* observer);

    // --- the main window's commands ---
    void cmdStart_Click();           // Step
    void cmdAUTO_Click();            // Run; while a run is going (re-entered from Yield): Stop
    void cmdSave_Click();            // appends the save block to Temp1.txt, rewrites empty.txt
    void cmdExit_Click();            // closes the three logs and ends any run
    void cmdReels_Click(int index);  // selects the reel that ends a sequential run
    // Enter in the credit entry: books the text as an amount when it is a whole number that
    // keeps Credit and CreditTotal within range. True when Credit is then at least 20.
    bool BookCredit(std::string_view text);

    // The two option boxes: random stops (checked) or sequential stepping; Auto Stop.
    void SetRandomStops(bool random);
    void SetAutoStop(bool auto_stop);
    bool RandomStops() const;
    bool AutoStop() const;

    // An automatic run is going: the Run/Stop button shows "Stop".
    bool Running() const;
    bool Exited() const;

    // The counter labels Label1(0..6) as a person would read them now.
    std::string Label(int index) const;

    const GameDefinition& Definition() const;
    const RunState& State() const;
    RunState& MutableState();  // for tests that prepare a game

    HitTable& Hits();
    Chart& ChartData();

    // --- operations the windows trigger beyond the buttons ---
    void ShowHits();                 // refresh the hit table unless minimized or not shown
    std::string ClipboardText() const;
    void ReadChartSetup(const std::array<std::string, 4>& scale_texts,
                        const std::array<std::string, 3>& counter_reset_texts);
    // "Save now?" answered Yes with Save ticked: the summary printed on the chart and the bitmap
    // name "TestTemp.bmp".
    std::string ChartSaveNowSummary() const;

    // --- the game rounds, for tests and tools ---
    void PlayBaseGame();
    void PlayFreeSpin();
    void EndFeature();

private:
};

}  // namespace kragmoor
