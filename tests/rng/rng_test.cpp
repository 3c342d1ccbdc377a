// Known answers of the generator, its seeding, its bounded draw and the streams of a run's chunks;
// the process-wide entry points against a stream seeded alike; bad and edge bounds.
#include "rng/rng.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>

namespace {

using Words = std::array<std::uint64_t, 4>;

Words StateOf(const rng_Stream& stream) {
    return {stream.s[0], stream.s[1], stream.s[2], stream.s[3]};
}

rng_Stream Seeded(std::int32_t seed) {
    rng_Stream stream;
    rng_StreamInit(&stream, seed);
    return stream;
}

// From the state {1, 2, 3, 4}: xoshiro256**'s first draws, and ten draws of 0..100 of which the
// second (a low word below the threshold) is rejected and drawn again.
TEST(RandomNumbers, KnownAnswersFromState1234) {
    rng_Stream stream{{1, 2, 3, 4}, 0};
    for (std::uint64_t value : {11520ULL, 0ULL, 1509978240ULL, 1215971899390074240ULL}) {
        EXPECT_EQ(rng_StreamNext(&stream), value);
    }
    EXPECT_EQ(stream.generation_count, 4u);
    stream = rng_Stream{{1, 2, 3, 4}, 0};
    for (std::int32_t value : {0, 0, 6, 6, 3, 88, 46, 58, 15, 79}) {
        EXPECT_EQ(rng_StreamGenNumber(&stream, 101), value);
    }
    EXPECT_EQ(stream.generation_count, 11u);
}

// The first four SplitMix64 outputs from the seed read as unsigned: seed 0 gives the published
// first outputs of SplitMix64 from 0, and -1 must be read as 0xFFFFFFFF, not sign-extended.
TEST(RandomNumbers, SeedingKnownAnswers) {
    const std::pair<std::int32_t, std::array<std::uint64_t, 4>> cases[] = {
        {0,
         {0xe220a8397b1dcdafULL, 0x6e789e6aa1b965f4ULL, 0x06c45d188009454fULL,
          0xf88bb8a8724c81ecULL}},
        {-1,
         {0x73b13ba2aff181c0ULL, 0x612043051340d3b4ULL, 0xee4ac9ff47275e73ULL,
          0x12f4eeb73ced4b8eULL}},
        {INT32_MIN,
         {0x25493cc63225736cULL, 0xf8845bb42853955bULL, 0xe2c35cdf1ba90fd6ULL,
          0x4f56e17589e9f5efULL}},
    };
    for (const auto& [seed, state] : cases) {
        rng_Stream stream{{9, 9, 9, 9}, 77};
        rng_StreamInit(&stream, seed);
        for (std::size_t w = 0; w < 4; ++w) EXPECT_EQ(stream.s[w], state[w]) << seed << " " << w;
        EXPECT_EQ(stream.generation_count, 0u);
    }
}

// The process-wide stream and an rng_Stream are one generator (the stream's known answers above),
// drawn through the entry points or inline; seeding again starts over and a skip resumes the
// sequence.
TEST(RandomNumbers, ProcessWideDrawsFollowAStreamSeededAlike) {
    rng_Init(4242);
    rng_Stream stream = Seeded(4242);
    for (std::int32_t n : {101, 1, 2, 24, INT32_MAX}) {
        EXPECT_EQ(rng_GenNumber(n), rng_StreamGenNumber(&stream, n)) << n;
    }
    EXPECT_EQ(rng_GenInt32(), static_cast<std::uint32_t>(rng_StreamNext(&stream) >> 32));
    EXPECT_EQ(rng_GenInt31(), static_cast<std::int32_t>(rng_StreamNext(&stream) >> 33));
    EXPECT_EQ(rng_GetGenerationCount(), stream.generation_count);
    // Draws made inline from the process-wide stream itself go on with the same sequence.
    for (std::int32_t n : {5, 33, 101}) {
        EXPECT_EQ(rng_StreamGenNumber(rng_ProcessStream(), n), rng_StreamGenNumber(&stream, n));
    }
    EXPECT_EQ(rng_GenNumber(1000), rng_StreamGenNumber(&stream, 1000));

    rng_Init(77);
    const std::uint32_t first = rng_GenInt32();
    for (int i = 1; i < 1000; ++i) (void)rng_GenInt32();
    const std::uint32_t after = rng_GenInt32();
    rng_Init(77);
    EXPECT_EQ(rng_GetGenerationCount(), 0u);
    EXPECT_EQ(rng_GenInt32(), first);
    rng_InitAndSkip(77, 1000);
    EXPECT_EQ(rng_GetGenerationCount(), 1000u);
    EXPECT_EQ(rng_GenInt32(), after);
}

// A bad bound draws nothing; a bound of 1 or of the largest int stays in range (the rejection
// of the bounded draw and its evenness: the known answers).
TEST(RandomNumbers, BoundedDrawsOfBadAndEdgeBounds) {
    rng_Stream stream = Seeded(12345);
    EXPECT_EQ(rng_GenNumber(0), -1);
    EXPECT_EQ(rng_GenNumber(-5), -1);
    EXPECT_EQ(rng_StreamGenNumber(&stream, 0), -1);
    EXPECT_EQ(stream.generation_count, 0u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(rng_StreamGenNumber(&stream, 1), 0);
        ASSERT_GE(rng_StreamGenNumber(&stream, INT32_MAX), 0);
    }
}

// The stream of chunk k of a run, asked of the library: the seed's own for chunk 0, then the
// seed's jumped exactly k times. The states were worked out apart from this library, by the
// published jump polynomial on a plain xoshiro256** written anew; a chunk jumped twice as often
// as its number would land on chunk 2k's state.
TEST(RandomNumbers, ChunkStreamsKnownAnswers) {
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
    rng_StreamJump(&seeded);  // as a run's chunks are handed their streams
    EXPECT_EQ(StateOf(seeded), cases[0].second);
    rng_StreamInitJumped(&chunk, 26, 3);
    EXPECT_EQ(rng_StreamNext(&chunk), 0x60071ea30b6eeeccULL);
    rng_StreamInitJumped(&chunk, -1, 2);  // the seed read as unsigned, as rng_StreamInit reads it
    EXPECT_EQ(StateOf(chunk), (Words{0x3da826ac822ec50eULL, 0xe3f97029860a0b7eULL,
                                     0x09532fb8ce44a74bULL, 0x1d16bd653145b7c4ULL}));
}

}  // namespace
