// The jump checked against an independent computation: xoshiro256**'s state update (the output
// scrambler aside) is linear over GF(2), so one draw is a 256 x 256 bit matrix T acting on the
// state, and a jump of 2^128 draws is T^(2^128), reached here by squaring T 128 times. That the
// streams of one seed never overlap follows. Beside it, the known streams of a run's chunks.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>

#include "rng/rng.h"

namespace {

using Words = std::array<std::uint64_t, 4>;  // a state: bit b of word w is bit 64w + b
using BitMatrix = std::array<Words, 256>;    // by columns: column j, the image of unit state j

Words StateOf(const rng_Stream& stream) {
    return {stream.s[0], stream.s[1], stream.s[2], stream.s[3]};
}

Words Apply(const BitMatrix& m, const Words& v) {
    Words out{};
    for (std::size_t j = 0; j < 256; ++j) {
        if ((v[j / 64] >> (j % 64)) & 1) {
            for (std::size_t w = 0; w < 4; ++w) out[w] ^= m[j][w];
        }
    }
    return out;
}

TEST(RandomJumps, JumpsAreTheMatrixPower) {
    // T from one draw's state update of each unit state (the update the known answers pin).
    BitMatrix jump;
    for (std::size_t j = 0; j < 256; ++j) {
        rng_Stream unit{{0, 0, 0, 0}, 0};
        unit.s[j / 64] = 1ULL << (j % 64);
        (void)rng_StreamNext(&unit);
        jump[j] = StateOf(unit);
    }
    for (int i = 0; i < 128; ++i) {
        BitMatrix square;
        for (std::size_t j = 0; j < 256; ++j) square[j] = Apply(jump, jump[j]);
        jump = square;
    }
    const Words states[] = {
        {1, 2, 3, 4},
        {0xe220a8397b1dcdafULL, 0x6e789e6aa1b965f4ULL, 0x06c45d188009454fULL,
         0xf88bb8a8724c81ecULL},
        {0x8000000000000000ULL, 0, 0, 0},
        {0xffffffffffffffffULL, 0x0123456789abcdefULL, 0xfedcba9876543210ULL,
         0x5555aaaa5555aaaaULL},
    };
    for (const Words& s : states) {
        rng_Stream stream{{s[0], s[1], s[2], s[3]}, 0};
        Words expected = s;
        for (int k = 1; k <= 3; ++k) {
            rng_StreamJump(&stream);
            expected = Apply(jump, expected);
            EXPECT_EQ(StateOf(stream), expected) << "jump " << k << " from " << s[0];
        }
        EXPECT_EQ(stream.generation_count, 0u);  // a jump makes no draw
    }
}

// The stream of chunk k of a run, asked of the library: the seed's own for chunk 0, then the
// seed's jumped exactly k times. The states were worked out apart from this library, by the
// published jump polynomial on a plain xoshiro256** written anew; a chunk jumped twice as often
// as its number would land on chunk 2k's state.
TEST(RandomJumps, ChunkStreamsKnownAnswers) {
    using Case = std::pair<std::uint64_t, Words>;
    const Case cases[] = {
        {1,
         {0x12057767ad426882ULL, 0xf16715a91525cf76ULL, 0x3f91dd3aa5286356ULL,
          0x94045d285d26934bULL}},
        {2,
         {0x914fa081fa78dc68ULL, 0x5bb1ec2dc0dfd44bULL, 0x24202cccaeb24b6cULL,
          0x60951107a7192c29ULL}},
        {3,
         {0x512ac8a098d7e83dULL, 0x91b49f9af62e04eeULL, 0x61af6115bc1e34a0ULL,
          0x39a0997da8726c4fULL}},
    };
    rng_Stream seeded;
    rng_StreamInit(&seeded, 26);
    rng_Stream chunk{{9, 9, 9, 9}, 77};
    rng_StreamInitJumped(&chunk, 26, 0);
    EXPECT_EQ(StateOf(chunk), StateOf(seeded));
    EXPECT_EQ(chunk.generation_count, 0u);
    for (const auto& [k, state] : cases) {
        rng_StreamInitJumped(&chunk, 26, k);
        EXPECT_EQ(StateOf(chunk), state) << "chunk " << k;
        EXPECT_EQ(chunk.generation_count, 0u);
    }
    rng_StreamInitJumped(&chunk, 26, 3);
    EXPECT_EQ(rng_StreamNext(&chunk), 0x60071ea30b6eeeccULL);
    rng_StreamInitJumped(&chunk, -1, 2);  // the seed read as unsigned, as rng_StreamInit reads it
    EXPECT_EQ(StateOf(chunk), (Words{0x3da826ac822ec50eULL, 0xe3f97029860a0b7eULL,
                                     0x09532fb8ce44a74bULL, 0x1d16bd653145b7c4ULL}));
}

}  // namespace
