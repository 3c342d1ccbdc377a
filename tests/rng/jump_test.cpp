// The jump checked against an independent computation: xoshiro256**'s state update (the output
// scrambler aside) is linear over GF(2), so one draw is a 256 x 256 bit matrix T acting on the
// state, and a jump of 2^128 draws is T^(2^128), reached here by squaring T 128 times.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "rng/rng.h"

namespace {

using Words = std::array<std::uint64_t, 4>;  // a state: bit b of word w is bit 64w + b

// A bit matrix stored by columns: column j is the image of the j-th unit state.
struct BitMatrix {
    std::array<Words, 256> column{};

    Words Apply(const Words& v) const {
        Words out{};
        for (int j = 0; j < 256; ++j) {
            if ((v[static_cast<std::size_t>(j / 64)] >> (j % 64)) & 1) {
                for (std::size_t w = 0; w < 4; ++w)
                    out[w] ^= column[static_cast<std::size_t>(j)][w];
            }
        }
        return out;
    }

    BitMatrix Times(const BitMatrix& other) const {
        BitMatrix product;
        for (std::size_t j = 0; j < 256; ++j) product.column[j] = Apply(other.column[j]);
        return product;
    }
};

Words StateOf(const rng_Stream& stream) {
    return {stream.s[0], stream.s[1], stream.s[2], stream.s[3]};
}

rng_Stream StreamOf(const Words& state) {
    return rng_Stream{{state[0], state[1], state[2], state[3]}, 0};
}

Words Stepped(const Words& state) {
    rng_Stream stream = StreamOf(state);
    (void)rng_StreamNext(&stream);
    return StateOf(stream);
}

// T from one step of each unit state (the draw's own state update, pinned by the known answers);
// the streams of one seed never overlap because a jump is exactly its 2^128-th power.
BitMatrix OneDraw() {
    BitMatrix t;
    for (std::size_t j = 0; j < 256; ++j) {
        Words unit{};
        unit[j / 64] = 1ULL << (j % 64);
        t.column[j] = Stepped(unit);
    }
    return t;
}

const Words kStates[] = {
    {1, 2, 3, 4},
    {0xe220a8397b1dcdafULL, 0x6e789e6aa1b965f4ULL, 0x06c45d188009454fULL, 0xf88bb8a8724c81ecULL},
    {0x8000000000000000ULL, 0, 0, 0},
    {0xffffffffffffffffULL, 0x0123456789abcdefULL, 0xfedcba9876543210ULL, 0x5555aaaa5555aaaaULL},
};

TEST(RandomJumps, JumpsAreTheMatrixPower) {
    BitMatrix jump = OneDraw();
    for (int i = 0; i < 128; ++i) jump = jump.Times(jump);
    for (const Words& s : kStates) {
        rng_Stream stream = StreamOf(s);
        Words expected = s;
        for (int k = 1; k <= 3; ++k) {
            rng_StreamJump(&stream);
            expected = jump.Apply(expected);
            EXPECT_EQ(StateOf(stream), expected) << "jump " << k << " from " << s[0];
        }
        EXPECT_EQ(stream.generation_count, 0u);  // a jump makes no draw
    }
}

}  // namespace
