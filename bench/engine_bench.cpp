// kragmoor-bench: how fast the engine plays the bundled game (games/ReelSetup.ini; the test
// game tests/data/g0 when the bundled one is missing).
//
//   cmake --preset release && cmake --build --preset release --target kragmoor-bench
//   build/bin/kragmoor-bench
//
// BM_BaseGames: base games alone, as an automatic run plays them between its shown games (a
// feature that one triggers is dropped, so that only base games are timed).
// BM_WholeRun: automatic runs with everything: features, logs, statistics, chart points, the
// yields every 100 games and the hit-table refreshes every 10000.
// BM_ReferenceLines: the 20 lines of a game valued one by one by the reference evaluator, for
// comparison with the table the game rounds use.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/headless_run.h"
#include "engine/line_evaluator.h"
#include "engine/run_control.h"
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

// Runs `body` at the first yield of an automatic run, so that the games it plays see a run in
// progress, then stops the run.
class InsideRun : public RunObserver {
  public:
    InsideRun(RunControl& control, std::function<void()> body)
        : control_(control), body_(std::move(body)) {
        control_.SetObserver(this);
    }
    ~InsideRun() override { control_.SetObserver(nullptr); }
    void Yield() override {
        if (!body_) return;
        auto body = std::move(body_);
        body_ = nullptr;
        body();
        control_.cmdAUTO_Click();
    }

  private:
    RunControl& control_;
    std::function<void()> body_;
};

void BM_BaseGames(benchmark::State& state) {
    Game game;
    RunControl control(game.definition, game.logs, game.dir);
    InsideRun inside(control, [&] {
        RunState& st = control.MutableState();
        for (auto _ : state) {
            ++st.Games;
            control.PlayBaseGame();
            st.InFreeSpins = false;
        }
    });
    control.cmdAUTO_Click();
    state.SetItemsProcessed(state.iterations());
    state.counters["RTP%"] = 100.0 * static_cast<double>(control.State().TotalWin) /
                             static_cast<double>(control.State().TotalBet);
}
BENCHMARK(BM_BaseGames)->Unit(benchmark::kNanosecond)->Iterations(10000000);

void BM_WholeRun(benchmark::State& state) {
    Game game;
    const auto games = state.range(0);
    std::int64_t played = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RunControl control(game.definition, game.logs, game.dir);
        state.ResumeTiming();
        HeadlessRun run(control, games);
        run.Play();
        played += control.State().Games;
        benchmark::DoNotOptimize(control.State().TotalWin);
    }
    state.SetItemsProcessed(played);
}
BENCHMARK(BM_WholeRun)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(1);

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
    std::size_t next = 0;
    for (auto _ : state) {
        RunState& w = windows[next++ % windows.size()];
        for (int line = 0; line < kLines; ++line) EvaluateLine(game.definition, w, line);
        benchmark::DoNotOptimize(w.LineResult);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReferenceLines)->Iterations(1000000);

}  // namespace

BENCHMARK_MAIN();
