/*
 * The random number library behind every random reel stop.
 *
 * A plain C interface with one process-wide generator, so that any language or toolkit can call
 * it and a seed gives the same stops on every platform and build. The generator is pinned:
 * xoshiro256** 1.0 (Blackman and Vigna) seeded by four SplitMix64 outputs, and bounded draws use
 * Lemire's multiply-shift with rejection, so every stop of a strip is exactly equally likely.
 *
 * Not thread-safe: the simulator draws from one thread only.
 */
#ifndef KRAGMOOR_RNG_H
#define KRAGMOOR_RNG_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Seeds the generator. The seed's 32 bits, read as unsigned, start a SplitMix64 sequence whose
 * first four outputs are the state; the generation count restarts at 0. Returns 0. */
int32_t rng_Init(int32_t seed);

/* A uniform whole number in 0 .. n-1 for n >= 1; -1 for n < 1. */
int32_t rng_GenNumber(int32_t n);

/* Seeds as rng_Init does, then throws away `skip` draws, so that a run can be resumed at a known
 * point of the sequence. Returns 0. */
int32_t rng_InitAndSkip(int32_t seed, uint32_t skip);

/* The upper 32 bits of one draw. */
uint32_t rng_GenInt32(void);

/* The upper 31 bits of one draw: a non-negative 32-bit value. */
int32_t rng_GenInt31(void);

/* The 64-bit draws made since the last seeding, the ones rejected by rng_GenNumber included. */
uint64_t rng_GetGenerationCount(void);

/* Not one of the six entry points: lets known-answer tests start from a given state. */
void rng_SetState(const uint64_t state[4]);

/* Not one of the six entry points: one raw 64-bit draw, for known-answer tests. */
uint64_t rng_Draw64(void);

/* Not one of the six entry points: one SplitMix64 step, exposed for its known answers. */
uint64_t rng_SplitMix64(uint64_t* x);

#ifdef __cplusplus
}
#endif

#endif
