#include "rng/rng.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>

namespace {

void SetState1234() {
    const std::uint64_t state[4] = {1, 2, 3, 4};
    rng_SetState(state);
}

TEST(RandomNumbers, Xoshiro256StarStarKnownAnswersFromState1234) {
    SetState1234();
    EXPECT_EQ(rng_Draw64(), 11520u);
    EXPECT_EQ(rng_Draw64(), 0u);
    EXPECT_EQ(rng_Draw64(), 1509978240u);
    EXPECT_EQ(rng_Draw64(), 1215971899390074240u);
    EXPECT_EQ(rng_GetGenerationCount(), 4u);
}

TEST(RandomNumbers, ThirtyTwoAndThirtyOneBitDrawsAreTheUpperBits) {
    SetState1234();
    for (int i = 0; i < 4; ++i) (void)rng_Draw64();
    const std::uint64_t fifth = rng_Draw64();
    const std::uint64_t sixth = rng_Draw64();
    SetState1234();
    for (int i = 0; i < 4; ++i) (void)rng_Draw64();
    EXPECT_EQ(rng_GenInt32(), static_cast<std::uint32_t>(fifth >> 32));
    EXPECT_EQ(rng_GenInt31(), static_cast<std::int32_t>(sixth >> 33));
}

TEST(RandomNumbers, BoundedDrawsKnownAnswersAndRejections) {
    SetState1234();
    const std::array<std::int32_t, 10> expected = {0, 0, 6, 6, 3, 88, 46, 58, 15, 79};
    for (std::int32_t value : expected) EXPECT_EQ(rng_GenNumber(101), value);
    // The second draw, 0, has a low word below the threshold and is drawn again.
    EXPECT_EQ(rng_GetGenerationCount(), 11u);
}

TEST(RandomNumbers, SplitMix64KnownAnswers) {
    std::uint64_t x = 0;
    EXPECT_EQ(rng_SplitMix64(&x), 0xe220a8397b1dcdafULL);
    EXPECT_EQ(rng_SplitMix64(&x), 0x6e789e6aa1b965f4ULL);
    EXPECT_EQ(rng_SplitMix64(&x), 0x06c45d188009454fULL);
}

TEST(RandomNumbers, SeedingIsReproducibleAndResetsTheCount) {
    rng_Init(4242);
    std::array<std::int32_t, 50> first{};
    for (auto& v : first) v = rng_GenNumber(23);
    EXPECT_EQ(rng_GetGenerationCount(), 50u);
    rng_Init(4242);
    EXPECT_EQ(rng_GetGenerationCount(), 0u);
    for (std::int32_t v : first) EXPECT_EQ(rng_GenNumber(23), v);
}

TEST(RandomNumbers, SeedUsesItsThirtyTwoBitsAsUnsigned) {
    // -1 and 0xFFFFFFFF are the same seed; a negative seed must not be sign-extended.
    rng_Init(-1);
    const std::uint32_t a = rng_GenInt32();
    std::uint64_t x = 0xFFFFFFFFull;
    std::uint64_t s0 = rng_SplitMix64(&x);
    std::uint64_t s1 = rng_SplitMix64(&x);
    std::uint64_t s2 = rng_SplitMix64(&x);
    std::uint64_t s3 = rng_SplitMix64(&x);
    const std::uint64_t state[4] = {s0, s1, s2, s3};
    rng_SetState(state);
    EXPECT_EQ(rng_GenInt32(), a);
}

TEST(RandomNumbers, InitAndSkipResumesTheSequence) {
    rng_Init(77);
    for (int i = 0; i < 1000; ++i) (void)rng_GenInt32();
    const std::uint32_t after = rng_GenInt32();
    rng_InitAndSkip(77, 1000);
    EXPECT_EQ(rng_GetGenerationCount(), 1000u);
    EXPECT_EQ(rng_GenInt32(), after);
}

TEST(RandomNumbers, BoundedDrawsStayInRangeAndRejectBadBounds) {
    EXPECT_EQ(rng_GenNumber(0), -1);
    EXPECT_EQ(rng_GenNumber(-5), -1);
    rng_Init(1);
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(rng_GenNumber(1), 0);
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t v = rng_GenNumber(101);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 101);
    }
    // The largest bound keeps to its range too.
    for (int i = 0; i < 1000; ++i) ASSERT_GE(rng_GenNumber(INT32_MAX), 0);
}

TEST(RandomNumbers, StopsOfAStripAreEquallyLikely) {
    // 101000 draws of 0..100: each count is 1000 on average with a standard deviation near 31.6;
    // a biased reduction (a plain modulo of a 32-bit draw, say) would not show here, but a wrong
    // bound or a stuck value would.
    rng_Init(12345);
    std::map<std::int32_t, int> counts;
    for (int i = 0; i < 101000; ++i) ++counts[rng_GenNumber(101)];
    ASSERT_EQ(counts.size(), 101u);
    double chi2 = 0;
    for (const auto& [value, n] : counts) chi2 += (n - 1000.0) * (n - 1000.0) / 1000.0;
    EXPECT_LT(chi2, 170.0);  // 100 degrees of freedom: p < 1e-5 beyond this
}

}  // namespace
