// Where the game rounds draw their random stops: by default the process-wide generator that the
// start-up seeds (the stream behind rng_GenNumber, drawn inline), or a stream of the caller's
// own, so that several engines can draw in one process without sharing anything.
#pragma once

#include <cstdint>

#include "model/game_constants.h"
#include "rng/rng.h"

namespace kragmoor {

class StopDraws {
  public:
    StopDraws() : stream_(rng_ProcessStream()) {}
    // The stream must outlive the draws.
    explicit StopDraws(rng_Stream& stream) : stream_(&stream) {}

    // A uniform stop for every reel, reels 0..4 in turn: 0..last[r] on reel r.
    void Draw(const std::int16_t (&last)[kReels], std::int16_t (&stops)[kReels]) const {
        for (int r = 0; r < kReels; ++r)
            stops[r] = static_cast<std::int16_t>(rng_StreamGenNumber(stream_, last[r] + 1));
    }

  private:
    rng_Stream* stream_;
};

}  // namespace kragmoor
