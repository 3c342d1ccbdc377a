// How long the exact analysis of a game takes (part of kragmoor-bench):
//
// BM_ExactAnalysisBundled: the bundled game (reels of 32 to 40 positions).
// BM_ExactAnalysisLongReels: a game of 101-position reels on every reel, base and free spins,
// made from the bundled game's strips: each reel keeps its symbols' shares and is shuffled with a
// fixed seed, so that its columns are as varied as a designed strip's.
// BM_CancelLongReels: how long the analysis of that game takes to stop once it is cancelled
// midway (what Ctrl+C in the runner and closing the window wait for).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>
#include <vector>

#include "engine/analysis/background_analysis.h"
#include "engine/analysis/exact_analysis.h"
#include "model/definition_reader.h"

namespace {

using namespace kragmoor;

GameDefinition BundledGame() {
    const std::filesystem::path source(KRAGMOOR_SOURCE_DIR);
    return ReadDefinition(source / "games" / "ReelSetup.ini");
}

void Lengthen(std::int16_t (&strip)[kMaxPositions][kReels], std::int16_t (&last)[kReels],
              std::mt19937& random) {
    for (int r = 0; r < kReels; ++r) {
        std::vector<std::int16_t> symbols;
        for (int p = 0; symbols.size() < kMaxPositions; p = (p + 1) % (last[r] + 1)) {
            symbols.push_back(strip[p][r]);
        }
        std::shuffle(symbols.begin(), symbols.end(), random);
        for (int p = 0; p < kMaxPositions; ++p) strip[p][r] = symbols[static_cast<std::size_t>(p)];
        last[r] = kMaxPositions - 1;
    }
}

GameDefinition LongReelGame() {
    GameDefinition def = BundledGame();
    std::mt19937 random(101);
    Lengthen(def.ReelStrip, def.ReelLen, random);
    Lengthen(def.FsReelStrip, def.FsReelLen, random);
    return def;
}

void Analyse(benchmark::State& state, const GameDefinition& def) {
    ExactAnalysis a;  // its figures become the counters, so the analysis cannot be dropped
    for (auto _ : state) a = AnalyseGame(def);
    state.counters["RTP%"] = a.rtp.total_percent;
    state.counters["sd"] = a.sd_per_game;
    state.counters["hit%"] = 100.0 * a.hit_frequency;
}

void BM_ExactAnalysisBundled(benchmark::State& state) {
    Analyse(state, BundledGame());
}
BENCHMARK(BM_ExactAnalysisBundled)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExactAnalysisLongReels(benchmark::State& state) {
    Analyse(state, LongReelGame());
}
BENCHMARK(BM_ExactAnalysisLongReels)->Unit(benchmark::kSecond)->Iterations(1);

void BM_CancelLongReels(benchmark::State& state) {
    const GameDefinition def = LongReelGame();
    for (auto _ : state) {
        state.PauseTiming();
        BackgroundAnalysis analysis(def);
        while (analysis.Progress() == 0.0) {  // the first report comes after a quarter second
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        state.ResumeTiming();
        analysis.Cancel();
        analysis.WaitFor(std::chrono::hours(1));
    }
}
BENCHMARK(BM_CancelLongReels)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
