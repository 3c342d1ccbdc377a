// An automatic run offers the window a turn every 100 games, some 70 000 times a second. Letting
// the window process its events at each of them would make the run crawl, so a turn is taken
// only when enough time has passed since the last one: often enough for the window to answer and
// repaint at once, rarely enough to cost nothing. A steady-clock read is all a skipped turn costs.
#pragma once

#include <chrono>

namespace kragmoor {

class YieldThrottle {
  public:
    using Clock = std::chrono::steady_clock;

    explicit YieldThrottle(Clock::duration period) : period_(period) {}

    // True when at least the period has passed since the last time it said true (or ever).
    bool Due(Clock::time_point now = Clock::now()) {
        if (now - last_ < period_) return false;
        last_ = now;
        return true;
    }

    // The next turn comes only a full period from now (after the window has just been served).
    void Restart(Clock::time_point now = Clock::now()) { last_ = now; }

  private:
    Clock::duration period_;
    Clock::time_point last_{};
};

}  // namespace kragmoor
