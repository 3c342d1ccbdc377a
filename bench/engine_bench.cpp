// kragmoor-bench: how fast the engine plays the bundled game (games/ReelSetup.ini; the test
// game tests/data/g0 when the bundled one is missing).
//
//   cmake --preset release && cmake --build --preset release --target kragmoor-bench
//   build/bin/kragmoor-bench
//
// BM_BaseGames: base games alone, as an automatic run plays them between its shown games (a
// feature that one triggers is dropped, so that only base games are timed), by the game rounds
// over a state of the benchmark's own.
// BM_WholeRun: automatic runs with everything: features, logs, statistics, chart points, the
// yields every 100 games and the hit-table refreshes every 10000.
// BM_ReferenceLines: the 20 lines of a game valued one by one by the reference evaluator, for
// comparison with the table the game rounds use.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/play/counter_labels.h"
#include "engine/play/game_rounds.h"
#include "engine/play/headless_run.h"
#include "engine/play/run_status.h"
#include "engine/play/simulator.h"
#include "engine/records/run_logs.h"
#include "engine/rules/game_tables.h"
#include "engine/rules/line_evaluator.h"
#include "model/definition_reader.h"
#include "model/log_file.h"
#include "rng/rng.h"

namespace {

using namespace kragmoor;

std::filesystem::path GameFile() {
    const std::filesystem::path source(KRAGMOOR_SOURCE_DIR);
    const std::filesystem::path bundled = source / "games" / "ReelSetup.ini";
    if (std::filesystem::exists(bundled)) return bundled;
    return source / "tests" / "data" / "g0" / "ReelSetup.ini";
}

// The game loaded and seeded, with its logs in a scratch directory.
struct Game {
    Game() : dir(std::filesystem::temp_directory_path() / "kragmoor-bench") {
        std::filesystem::create_directories(dir);
        definition = ReadDefinition(GameFile());
        rng_Init(definition.Seed < 0 ? 1 : definition.Seed);
        logs.Percent.Create(dir / "Percent_10000.txt");
        logs.Jackpot.Create(dir / "Jackpot.txt");
        logs.FreeSpins.Create(dir / "FreeSpins.txt");
    }
    ~Game() {
        logs.CloseAll();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::filesystem::path dir;
    GameDefinition definition;
    LogFiles logs;
};

void BM_BaseGames(benchmark::State& state) {
    Game game;
    const auto tables = GameTables::Build(game.definition);
    RunState st = LoaderState(game.definition);
    RunObserver nobody;
    RunStatus status(st, nobody);
    status.SetRunning(true);  // the games of a run: one in 10000 is shown
    RunLogs logs(game.logs, status);
    CounterLabels labels;
    GameRounds rounds(*tables, st, status, logs, labels, nobody, StopDraws());
    for (auto _ : state) {
        rounds.PlayBaseGame();
        st.InFreeSpins = false;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["RTP%"] =
        100.0 * static_cast<double>(st.TotalWin) / static_cast<double>(st.TotalBet);
}
BENCHMARK(BM_BaseGames)->Unit(benchmark::kNanosecond)->Iterations(10000000);

void BM_WholeRun(benchmark::State& state) {
    Game game;
    const auto games = state.range(0);
    std::int64_t played = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Simulator control(GameTables::Build(game.definition), game.logs, game.dir,
                          LoaderState(game.definition));
        state.ResumeTiming();
        HeadlessRun run(control, games);
        run.Play();
        played += control.State().Games;
        benchmark::DoNotOptimize(control.State().TotalWin);
    }
    state.SetItemsProcessed(played);
}
BENCHMARK(BM_WholeRun)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The 20 lines of `window` valued by the line rule, as the code table's lines were valued.
void ValueLines(const std::int16_t (&window)[kRows][kReels], PayTableRef pay,
                std::array<LineOutcome, kLines>& out) {
    for (int line = 0; line < kLines; ++line) {
        std::array<std::int16_t, kReels> s{};
        for (int r = 0; r < kReels; ++r) s[r] = window[kLineRows[line][r]][r];
        out[static_cast<std::size_t>(line)] = EvaluateLineSymbols(s, pay, 2);
    }
}

void BM_ReferenceLines(benchmark::State& state) {
    Game game;
    // Windows drawn beforehand, so that only the evaluation is timed.
    std::vector<RunState> windows(1024);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> symbol(0, kScatter);
    for (RunState& w : windows) {
        for (auto& row : w.Window) {
            for (auto& cell : row) cell = static_cast<std::int16_t>(symbol(random));
        }
    }
    std::array<LineOutcome, kLines> lines{};
    std::size_t next = 0;
    for (auto _ : state) {
        const RunState& w = windows[next++ % windows.size()];
        ValueLines(w.Window, game.definition.PayTable, lines);
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReferenceLines)->Iterations(1000000);

}  // namespace

BENCHMARK_MAIN();
