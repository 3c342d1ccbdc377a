// Small games filled in code, and the engine or its parts on one with a recording observer.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/play/game_rounds.h"
#include "engine/play/run_statistics.h"
#include "engine/play/simulator.h"
#include "test_support.h"

namespace kragmoor::test {

// Symbols "S0".."S10", "Wild", "Scatter"; distinct pays, Pay(symbol, n) = 100 symbol + 10 n + 1;
// every reel 30 positions of symbol (position % 11), for tests to overwrite.
GameDefinition SmallGame();
// Pays for runs of 0 and 1 set to 0, so that only runs of two or more win.
void NoShortPays(GameDefinition& def);
// Sets one reel's strip and length, a character a position ('0'..'9', 'A' for 10, 'W', 'S').
void SetStrip(GameDefinition& def, int reel, const std::string& symbols, bool free_spins = false);

// Creates the three logs in `dir`.
void CreateLogs(LogFiles& logs, const std::filesystem::path& dir);

// One line's outcome (symbol, run length, pay) as a whole vector.
inline std::vector<int> OutcomeOf(const RunState& s, int line) {
    return {s.LineOutcomes[line], s.LineOutcomes[line] + 3};
}

// Records what a window would have been told; a test acts at the turns through the on_ hooks.
class RecordingObserver : public RunObserver {
  public:
    void ReelsStopped(const std::int16_t (&s)[kReels]) override {
        stops.emplace_back(s, s + kReels);
    }
    void GameShown(const ShownGame& game) override { shown.push_back(game); }
    void LineWon(const LineWin& win) override { line_wins.push_back(win); }
    void ScattersWon(const ScatterWin& win) override { scatter_wins.push_back(win); }
    void FreeSpinsAwarded(const FreeSpinsAward& award) override { awards.push_back(award); }
    void GameEnded(const GameEnd& end) override { ends.push_back(end); }
    void SaveDone(bool ok) override { saves.push_back(ok); }
    void AutoStopped(const AutoStopAt& at) override { auto_stops.push_back(at); }
    void CycleEnded(std::int64_t games) override { cycle_ends.push_back(games); }
    void WriteFailed(std::string_view message) override { write_failures.emplace_back(message); }
    void Yield() override { on_yield(); }
    void FeatureYield() override {
        ++feature_turns;
        on_feature_yield();
    }
    bool HitsMinimized() override { return minimized; }
    void ChartCleared() override { ++chart_cleared; }
    void ChartPointAdded(const ChartPoint& p) override { points.push_back(p); }
    void ChartFull(std::string_view summary, std::string_view bitmap) override {
        full.push_back({std::string(summary), std::string(bitmap)});
    }

    std::vector<std::vector<int>> stops;
    std::vector<ShownGame> shown;
    std::vector<LineWin> line_wins;
    std::vector<ScatterWin> scatter_wins;
    std::vector<FreeSpinsAward> awards;
    std::vector<GameEnd> ends;
    std::vector<bool> saves;
    std::vector<AutoStopAt> auto_stops;
    std::vector<std::int64_t> cycle_ends;
    std::vector<std::string> write_failures;
    bool minimized = false;
    std::function<void()> on_yield = [] {}, on_feature_yield = [] {};
    int feature_turns = 0, chart_cleared = 0;
    std::vector<ChartPoint> points;
    std::vector<std::array<std::string, 2>> full;  // summary, bitmap
};

// The engine's parts over a state the test owns and changes at will.
struct EngineParts {
    EngineParts(const GameDefinition& def, LogFiles& files, RunObserver& observer,
                const std::filesystem::path& dir);

    std::shared_ptr<const GameTables> tables;
    RunState state;
    RunStatus status;
    RunLogs logs;
    CounterLabels labels;
    RunStatistics statistics;
    GameRounds rounds;
};

// Base stops at which a game prepared by PrepareTrigger shows three scatters.
inline constexpr std::array<int, kReels> kTriggerStops = {5, 8, 11, 14, 17};

class EngineTest : public ::testing::Test {
  protected:
    ~EngineTest() override;

    // Creates the logs and the engine on `def` from the loader's state changed by `prepare`, at
    // chart point `points`; seeds the random numbers with 1.
    void Start(const std::function<void(RunState&)>& prepare = {}, std::int64_t points = 0);
    Simulator& sim() { return *engine; }

    // Only runs of two or more pay, base reels 0..2 hold a scatter at kTriggerStops, and with
    // `free_symbol` the free-spins reels hold only that symbol.
    void PrepareTrigger(char free_symbol = 0);
    // A new engine from the state reached, sequential, so that the next base game is number
    // `game` on `stops`; the logs, Auto Stop and the chart point given to Start go on, all else
    // starts afresh.
    void SetNextGame(const std::array<int, kReels>& stops, std::int64_t game = 1);
    void PlayBaseAt(const std::array<int, kReels>& stops, std::int64_t game);
    // Ends an automatic run at the first yield at or past `games`.
    void StopAt(std::int64_t games);

    // A file of the working directory, the logs flushed first.
    std::string File(const char* name);

    TempDir dir;
    GameDefinition def = SmallGame();
    LogFiles logs;
    RecordingObserver observer;
    std::unique_ptr<Simulator> engine;

  private:
    void Make(const RunState& start, std::int64_t points);

    std::int64_t start_points_ = 0;
};

}  // namespace kragmoor::test
