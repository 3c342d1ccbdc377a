// A run control on a small game in a temporary directory, with an observer that records what a
// window would have been told.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/chart.h"
#include "engine/run_control.h"
#include "model/log_file.h"
#include "test_game.h"

namespace kragmoor::test {

class RecordingObserver : public RunObserver {
  public:
    void ShowReels() override { ++show_reels; }
    void ReelCaption(int reel, int stop) override { captions.push_back({reel, stop}); }
    void SetText(std::string_view t) override { text = t; }
    void AppendText(std::string_view t) override { text += t; }
    void DrawWinLine(int line) override { win_lines.push_back(line); }
    void DrawScatterBox(int row, int reel) override { scatter_boxes.push_back({row, reel}); }
    void Message(std::string_view t) override { messages.emplace_back(t); }
    void Beep() override { ++beeps; }
    void RunStateChanged() override { ++run_state_changes; }
    void EnableAdd(bool e) override { add_enabled = e; }
    void EnableStart(bool e) override { start_enabled = e; }
    void FocusStart() override { focus = "start"; }
    void FocusAdd() override { focus = "add"; }
    void LabelsChanged() override { ++labels_changed; }
    void Yield() override {
        ++yields;
        if (on_yield) on_yield();
    }
    bool HitsMinimized() override { return minimized; }
    void HitsRefreshed() override { ++hits_refreshed; }
    void ChartCleared() override { ++chart_cleared; }
    void ChartPointAdded(const ChartPoint& p) override { points.push_back(p); }
    void ChartFull(std::string_view summary, std::string_view bitmap) override {
        full.push_back({std::string(summary), std::string(bitmap)});
    }

    int show_reels = 0;
    std::vector<std::array<int, 2>> captions;
    std::string text;
    std::vector<int> win_lines;
    std::vector<std::array<int, 2>> scatter_boxes;
    std::vector<std::string> messages;
    int beeps = 0;
    int run_state_changes = 0;
    bool add_enabled = true;
    bool start_enabled = true;
    std::string focus;
    int labels_changed = 0;
    int yields = 0;
    std::function<void()> on_yield;
    bool minimized = false;
    int hits_refreshed = 0;
    int chart_cleared = 0;
    std::vector<ChartPoint> points;
    std::vector<std::array<std::string, 2>> full;
};

class EngineTest : public ::testing::Test {
  protected:
    EngineTest() : def(SmallGame()) {}

    // Creates the logs and the run control on `def` as it stands.
    void Start();
    RunControl& rc() { return *control; }
    RunState& st() { return control->MutableState(); }

    // Sequential stops: sets the odometer one step before `stops`, so that the next base game
    // plays them.
    void SetNextStops(const std::array<int, kReels>& stops);
    // A base game on the given stops, counted as the run control counts it.
    void PlayBaseAt(const std::array<int, kReels>& stops);

    // A log or file of the working directory as it stands (the logs are flushed first).
    std::string File(const char* name);

    // Lines of a CR LF text.
    static std::vector<std::string> Lines(const std::string& text);

    TempDir dir;
    GameDefinition def;
    LogFiles logs;
    RecordingObserver observer;
    std::unique_ptr<RunControl> control;
};

// Pays for runs of 0 and 1 set to 0, so that only runs of two or more win.
void NoShortPays(GameDefinition& def);

}  // namespace kragmoor::test
