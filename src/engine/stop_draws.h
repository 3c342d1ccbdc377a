// Where the game rounds draw their random stops: by default the process-wide generator that the
// start-up seeds (rng_GenNumber, five calls a game), or a stream of the caller's own, so that
// several engines can draw in one process without sharing anything.
#pragma once

#include <cstdint>

#include "rng/rng.h"

namespace kragmoor {

class StopDraws {
  public:
    StopDraws() = default;
    // The stream must outlive the draws.
    explicit StopDraws(rng_Stream& stream) : stream_(&stream) {}

    // A uniform stop 0..positions-1 (positions 2..101).
    std::int16_t Draw(int positions) {
        const std::int32_t n = positions;
        if (stream_ == nullptr) [[likely]]
            return static_cast<std::int16_t>(rng_GenNumber(n));
        return static_cast<std::int16_t>(rng_StreamGenNumber(stream_, n));
    }

  private:
    rng_Stream* stream_ = nullptr;
};

}  // namespace kragmoor
