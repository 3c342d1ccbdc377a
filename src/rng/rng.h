/*
 * The random number library behind every random reel stop.
 *
 * A plain C interface, so that any language or toolkit can call it and a seed gives the same stops
 * on every platform and build. The generator is pinned: xoshiro256** 1.0 (Blackman and Vigna)
 * seeded by four SplitMix64 outputs, and bounded draws use Lemire's multiply-shift with rejection,
 * so every stop of a strip is exactly equally likely.
 *
 * Two ways in. The six rng_... entry points draw from one process-wide stream, as a single run
 * always has. An rng_Stream is the same generator as a value of its own, so that several runs can
 * draw in one process (one stream per thread) without sharing anything; the six entry points are
 * thin wrappers over one such stream. Nothing here takes a lock: a stream belongs to one thread.
 */
#ifndef KRAGMOOR_RNG_H
#define KRAGMOOR_RNG_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The six process-wide entry points. */

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

/* Streams of one's own. */

/* One generator: the four words of xoshiro256** and the 64-bit draws made since it was seeded.
 * Plain data, so that a caller keeps one per thread without allocation, copies one to replay a
 * sequence, or sets the words to start from a known state. The words must not all be zero: that
 * state is the one xoshiro never leaves, and a bounded draw from it would reject forever. */
typedef struct rng_Stream {
    uint64_t s[4];
    uint64_t generation_count;
} rng_Stream;

/* The process-wide stream itself, for a caller that draws from it inline: its draws are the ones
 * the six entry points would have made, in the same sequence. */
rng_Stream* rng_ProcessStream(void);

/* Seeds a stream exactly as rng_Init seeds the process-wide one. */
void rng_StreamInit(rng_Stream* stream, int32_t seed);

/* Moves a stream 2^128 draws ahead, as if that many had been made, at the cost of 256. Streams
 * seeded alike and jumped 0, 1, 2, ... times never overlap within 2^128 draws each, so chunks of
 * one run can draw in parallel from one seed. The generation count is left as it is: it counts
 * the draws made from this stream, and a jump makes none. */
void rng_StreamJump(rng_Stream* stream);

/* Seeds a stream as rng_StreamInit does, then jumps it `jumps` times: the stream of chunk number
 * `jumps` of a run on `seed`, chunk 0 drawing from the seed's own. Costs `jumps` jumps, so a run
 * that plays its chunks in order asks for the first and jumps a copy once per chunk after it. */
void rng_StreamInitJumped(rng_Stream* stream, int32_t seed, uint64_t jumps);

/* The draws are inline, so that a caller holding a stream pays no call per stop: the game rounds
 * make five per game at some ten million games a second. The process-wide entry points compile
 * to the same code as before streams existed, one call per draw. */

static inline uint64_t rng_Rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

/* One xoshiro256** 1.0 draw: the raw 64-bit output, which the other draws are cut from. */
static inline uint64_t rng_StreamNext(rng_Stream* stream) {
    uint64_t* s = stream->s;
    const uint64_t result = rng_Rotl(s[1] * 5, 7) * 9;
    const uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rng_Rotl(s[3], 45);
    ++stream->generation_count;
    return result;
}

/* The high and low halves of a 64 x 64-bit product; a 128-bit multiply where the compiler has
 * one, four 32-bit products elsewhere. */
static inline uint64_t rng_MulHigh(uint64_t a, uint64_t b, uint64_t* low) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 rng_u128;
    const rng_u128 m = (rng_u128)a * b;
    *low = (uint64_t)m;
    return (uint64_t)(m >> 64);
#else
    const uint64_t a_lo = (uint32_t)a, a_hi = a >> 32, b_lo = (uint32_t)b, b_hi = b >> 32;
    const uint64_t p0 = a_lo * b_lo, p1 = a_lo * b_hi, p2 = a_hi * b_lo, p3 = a_hi * b_hi;
    const uint64_t middle = (p0 >> 32) + (uint32_t)p1 + (uint32_t)p2;
    *low = (middle << 32) | (uint32_t)p0;
    return p3 + (p1 >> 32) + (p2 >> 32) + (middle >> 32);
#endif
}

/* A uniform whole number in 0 .. n-1 for n >= 1; -1 for n < 1. Lemire's bounded draw: the high
 * word of x * n is uniform in 0..n-1 once the few low words below (2^64 - n) mod n are rejected.
 * The modulo is only computed when a low word falls below n, which for n <= 101 happens about
 * once in 10^17 draws, so a draw costs one multiply. */
static inline int32_t rng_StreamGenNumber(rng_Stream* stream, int32_t n) {
    if (n < 1) return -1;
    const uint64_t range = (uint64_t)n;
    uint64_t low;
    uint64_t high = rng_MulHigh(rng_StreamNext(stream), range, &low);
    if (low < range) {
        const uint64_t threshold = (0 - range) % range;
        while (low < threshold) high = rng_MulHigh(rng_StreamNext(stream), range, &low);
    }
    return (int32_t)high;
}

#ifdef __cplusplus
}
#endif

#endif
