// The constants of the game in one place: its geometry and symbols, its bet and its scatters, the
// pace of an automatic run and the unit of the window design. Every part of the simulator takes
// them from here.
#pragma once

#include <cstdint>

namespace kragmoor {

// --- the game ---
inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kLines = 20;
inline constexpr int kTotalBet = 20;     // 20 lines of one credit
inline constexpr int kScatterLine = 20;  // the scatter outcome is kept as a 21st line
inline constexpr int kSymbols = 13;
inline constexpr int kMaxPositions = 101;  // strip positions 0..100
inline constexpr int kRunLengths = 6;      // run lengths 0..5

inline constexpr std::int16_t kWild = 11;
inline constexpr std::int16_t kScatter = 12;
inline constexpr std::int16_t kGap = 13;  // marks strip positions past the end of a shorter reel

inline constexpr int kScatterWinFrom = 2;   // scatters pay from two on
inline constexpr int kTriggerScatters = 3;  // three or more start (or retrigger) a feature
inline constexpr int kMaxScatters = 5;      // more in the window still count as five

// Rows of the 20 built-in win lines, reels 0..4 (row 0 is the top row).
inline constexpr std::int16_t kLineRows[kLines][kReels] = {
    {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {2, 2, 2, 2, 2}, {0, 1, 2, 1, 0}, {2, 1, 0, 1, 2},
    {0, 0, 1, 2, 2}, {2, 2, 1, 0, 0}, {1, 0, 1, 2, 1}, {1, 2, 1, 0, 1}, {1, 0, 0, 1, 0},
    {1, 2, 2, 1, 2}, {0, 1, 0, 0, 1}, {2, 1, 2, 2, 1}, {0, 2, 0, 2, 0}, {2, 0, 2, 0, 2},
    {1, 0, 2, 0, 1}, {1, 2, 0, 2, 1}, {0, 1, 1, 1, 0}, {2, 1, 1, 1, 2}, {0, 2, 2, 2, 0},
};

// --- the run ---
inline constexpr std::int64_t kStartingCredit = 1000000;  // Credit and CreditTotal at load
inline constexpr std::int16_t kSelectedReelAtLoad = 4;
// An automatic run ends itself with a save at every multiple of this many games.
inline constexpr std::int64_t kCycleGames = 100000000;
// Games between the counters' refreshes, the chart's points and the window's turns in a run.
inline constexpr std::int64_t kYieldEvery = 100;
// Games of a run between the shown games and the hit table's refreshes (and the logs' flushes).
inline constexpr std::int64_t kShowEvery = 10000;
// Free spins of a long feature between the window's turns.
inline constexpr std::int64_t kFeatureTurnEvery = 100;
// Loss streaks counted: length 0 (a won round) to 49; the 50th loss in a row restarts the count.
inline constexpr int kStreakSlots = 50;

}  // namespace kragmoor
