#include "rng.h"

/* The stream behind the six entry points. It starts as rng_Init(0) leaves it, so that a draw
 * before any seeding is still a draw: the all-zero state is the one xoshiro never leaves, and a
 * bounded draw from it would reject forever. */
static rng_Stream process_stream = {
    {0xe220a8397b1dcdafULL, 0x6e789e6aa1b965f4ULL, 0x06c45d188009454fULL, 0xf88bb8a8724c81ecULL},
    0};

/* One SplitMix64 step: spreads the few bits of a seed over a whole word, so that nearby seeds
 * give unrelated states. */
static uint64_t split_mix64(uint64_t* x) {
    uint64_t z = (*x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

void rng_StreamInit(rng_Stream* stream, int32_t seed) {
    uint64_t x = (uint64_t)(uint32_t)seed;
    for (int i = 0; i < 4; ++i) stream->s[i] = split_mix64(&x);
    stream->generation_count = 0;
}

/* The state update of xoshiro256** is linear over GF(2): a draw multiplies the state by a
 * 256 x 256 bit matrix T. T^(2^128) equals p(T) for the polynomial p(x) = x^(2^128) modulo T's
 * characteristic polynomial, whose 256 coefficients are the published constants below (bit b of
 * word i is the coefficient of x^(64i+b)). So the jumped state is the sum of T^j s over the set
 * coefficients, walked with 256 ordinary steps. The walk runs on a copy, whose count is dropped. */
void rng_StreamJump(rng_Stream* stream) {
    static const uint64_t coefficients[4] = {0x180ec6d33cfd0abaULL, 0xd5a61266f0c9392cULL,
                                             0xa9582618e03fc9aaULL, 0x39abdc4529b1661cULL};
    uint64_t sum[4] = {0, 0, 0, 0};
    rng_Stream walk = *stream;
    for (int i = 0; i < 4; ++i) {
        for (int b = 0; b < 64; ++b) {
            if (coefficients[i] & (1ULL << b)) {
                for (int w = 0; w < 4; ++w) sum[w] ^= walk.s[w];
            }
            (void)rng_StreamNext(&walk);
        }
    }
    for (int w = 0; w < 4; ++w) stream->s[w] = sum[w];
}

void rng_StreamInitJumped(rng_Stream* stream, int32_t seed, uint64_t jumps) {
    rng_StreamInit(stream, seed);
    for (uint64_t i = 0; i < jumps; ++i) rng_StreamJump(stream);
}

int32_t rng_Init(int32_t seed) {
    rng_StreamInit(&process_stream, seed);
    return 0;
}

rng_Stream* rng_ProcessStream(void) {
    return &process_stream;
}

int32_t rng_GenNumber(int32_t n) {
    return rng_StreamGenNumber(&process_stream, n);
}

int32_t rng_InitAndSkip(int32_t seed, uint32_t skip) {
    rng_StreamInit(&process_stream, seed);
    for (uint32_t i = 0; i < skip; ++i) (void)rng_StreamNext(&process_stream);
    return 0;
}

uint32_t rng_GenInt32(void) {
    return (uint32_t)(rng_StreamNext(&process_stream) >> 32);
}

int32_t rng_GenInt31(void) {
    return (int32_t)(rng_StreamNext(&process_stream) >> 33);
}

uint64_t rng_GetGenerationCount(void) {
    return process_stream.generation_count;
}
