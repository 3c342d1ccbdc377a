// BM_ChunkedRun/T: kragmoor-sim --games 8000000 --threads T on the bundled game, as the runner
// plays it: chunks of a million games on T threads, added up in order, their logs joined to the
// run's. Games per second at T = 1 against T = 2 is the speed-up of a second core; the merge
// runs on the calling thread beside the T players. T = 1 is the chunked run on one thread, which
// the runner does not offer (its --threads 1 is the single stream, BM_WholeRun's pace); the two
// play as fast. The session's start (reading the definition, the description report) is not
// timed.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "engine/chunks/chunked_run.h"
#include "engine/play/session.h"

namespace {

using namespace kragmoor;

// A scratch directory holding a copy of the bundled game (the test game when it is missing).
struct ScratchGame {
    ScratchGame() : dir(std::filesystem::temp_directory_path() / "kragmoor-bench-threaded") {
        const std::filesystem::path source(KRAGMOOR_SOURCE_DIR);
        std::filesystem::path game = source / "games" / "ReelSetup.ini";
        if (!std::filesystem::exists(game))
            game = source / "tests" / "data" / "g0" / "ReelSetup.ini";
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(game, dir / "ReelSetup.ini",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~ScratchGame() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::filesystem::path dir;
};

void BM_ChunkedRun(benchmark::State& state) {
    const ScratchGame game;
    const ChunkedRunPlan plan{8'000'000, false, kSelectedReelAtLoad,
                              static_cast<int>(state.range(0))};
    std::int64_t played = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Session session = OpenSession(game.dir, {});
        state.ResumeTiming();
        ChunkedRun run(session, plan);
        if (!run.Play() || !session.logs.CloseAll()) {
            state.SkipWithError("a log could not be written");
            break;
        }
        played += run.Result().state.Games;
        benchmark::DoNotOptimize(run.Result().state.TotalWin);
    }
    state.SetItemsProcessed(played);
}
BENCHMARK(BM_ChunkedRun)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
