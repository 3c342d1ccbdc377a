#include "rng.h"

/* The generator's whole state: four words of xoshiro256** and the number of draws made. It starts
 * as rng_Init(0) leaves it, so that a draw before any seeding is still a draw: the all-zero state
 * is the one xoshiro never leaves, and a bounded draw from it would reject forever. */
static uint64_t s[4] = {0xe220a8397b1dcdafULL, 0x6e789e6aa1b965f4ULL, 0x06c45d188009454fULL,
                        0xf88bb8a8724c81ecULL};
static uint64_t generation_count;

uint64_t rng_SplitMix64(uint64_t* x) {
    uint64_t z = (*x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

static inline uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

/* One xoshiro256** 1.0 draw. */
static inline uint64_t next(void) {
    const uint64_t result = rotl(s[1] * 5, 7) * 9;
    const uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    ++generation_count;
    return result;
}

/* The high and low halves of a 64 x 64-bit product. */
static inline uint64_t mul_high(uint64_t a, uint64_t b, uint64_t* low) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 u128;
    const u128 m = (u128)a * b;
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

int32_t rng_Init(int32_t seed) {
    uint64_t x = (uint64_t)(uint32_t)seed;
    for (int i = 0; i < 4; ++i) s[i] = rng_SplitMix64(&x);
    generation_count = 0;
    return 0;
}

/* Lemire's bounded draw: the high word of x * n is uniform in 0..n-1 once the few low words
 * below (2^64 - n) mod n are rejected. The modulo is only computed when a low word falls below n,
 * which for n <= 101 happens about once in 10^17 draws, so a draw costs one multiply. */
int32_t rng_GenNumber(int32_t n) {
    if (n < 1) return -1;
    const uint64_t range = (uint64_t)n;
    uint64_t low;
    uint64_t high = mul_high(next(), range, &low);
    if (low < range) {
        const uint64_t threshold = (0 - range) % range;
        while (low < threshold) high = mul_high(next(), range, &low);
    }
    return (int32_t)high;
}

int32_t rng_InitAndSkip(int32_t seed, uint32_t skip) {
    rng_Init(seed);
    for (uint32_t i = 0; i < skip; ++i) (void)next();
    return 0;
}

uint32_t rng_GenInt32(void) { return (uint32_t)(next() >> 32); }

int32_t rng_GenInt31(void) { return (int32_t)(next() >> 33); }

uint64_t rng_GetGenerationCount(void) { return generation_count; }

uint64_t rng_Draw64(void) { return next(); }

void rng_SetState(const uint64_t state[4]) {
    for (int i = 0; i < 4; ++i) s[i] = state[i];
    generation_count = 0;
}
