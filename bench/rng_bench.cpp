// kragmoor-bench, the random numbers: the bounded draw alone, as the game rounds make it (five
// stops per game, one per reel), through the process-wide entry point and from a stream of one's
// own, whose draw is inline.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "rng/rng.h"

namespace {

constexpr std::int32_t kStrips[5] = {101, 97, 83, 101, 64};

void BM_ProcessWideStops(benchmark::State& state) {
    rng_Init(1);
    for (auto _ : state) {
        for (std::int32_t n : kStrips) benchmark::DoNotOptimize(rng_GenNumber(n));
    }
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_ProcessWideStops);

void BM_StreamStops(benchmark::State& state) {
    rng_Stream stream;
    rng_StreamInit(&stream, 1);
    for (auto _ : state) {
        for (std::int32_t n : kStrips) benchmark::DoNotOptimize(rng_StreamGenNumber(&stream, n));
    }
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_StreamStops);

void BM_Jump(benchmark::State& state) {
    rng_Stream stream;
    rng_StreamInit(&stream, 1);
    for (auto _ : state) {
        rng_StreamJump(&stream);
        benchmark::DoNotOptimize(stream.s);
    }
}
BENCHMARK(BM_Jump);

}  // namespace
