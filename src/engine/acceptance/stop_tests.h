// The acceptance tests of one set of strips: `draws` stop tuples drawn one reel after another, as
// a game draws them, and for every reel
//   - chi-square of the stop frequencies against uniform (degrees of freedom: length - 1),
//   - the runs test above/below the median stop (the middle stop of an odd length is left out),
//     its z score against the normal law of the number of runs,
//   - the serial correlation of successive stops at lag 1,
// and for every pair of reels the correlation of their stops in one tuple. A correlation r of n
// pairs is judged by z = (r - E[r]) sqrt(n), which for independent stops is close to standard
// normal at the thousand draws and more that a report takes.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace kragmoor::acceptance {

// The level each test is judged at: a test fails when its p-value is below 1 %.
inline constexpr double kSignificance = 0.01;

enum class StopTest { kChiSquare, kRuns, kSerialCorrelation, kReelCorrelation };

struct TestResult {
    StopTest test = StopTest::kChiSquare;
    int reel = 0;          // the reel; the left one of a pair
    int other_reel = -1;   // the right one of a pair, -1 for the tests of one reel
    double statistic = 0;  // chi-square; the runs' z score; the correlation r
    int degrees = 0;       // chi-square's degrees of freedom, 0 for the others
    double p_value = 1;
    bool passed = true;  // p_value >= kSignificance
};

// The stop of `reel` for the tuple being drawn, 0 .. length - 1: called for reels 0, 1, ... in
// turn, once each per tuple.
using StopSource = std::function<int(int reel)>;

// The results: per reel chi-square, runs and serial correlation, then the pairs of reels, left
// to right. Every length must be 2 or more and `draws` 2 or more; a stop out of range throws
// std::out_of_range. Draws allocate nothing.
std::vector<TestResult> TestStops(std::span<const int> lengths, std::int64_t draws,
                                  const StopSource& next_stop);

}  // namespace kragmoor::acceptance
