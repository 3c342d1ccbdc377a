// kragmoor-sim --rng-report, --rng-raw and --rng-stops: the game's random stops checked as a test
// laboratory asks, from the stream a run on the game's seed starts with (a negative seed drawn
// from the clock as at every start). None of them writes a file in the game's directory.
#pragma once

#include "cli/options.h"
#include "cli/runner.h"

namespace kragmoor::cli {

// The exit status of a report whose stops failed: the generator, or the way stops are drawn from
// it, needs looking into (a fair generator fails in fewer than 1 report of 100).
inline constexpr int kRngReportFailed = 3;

// Reads DIR/ReelSetup.ini (1 and the reader's message when it cannot be read), then
//   --rng-report: the acceptance report, text or JSON; 0 when the stops pass, kRngReportFailed
//                 when they fail;
//   --rng-raw:    the raw output until the reader closes it; 0;
//   --rng-stops:  the tuples; 0.
int RngCommand(const Options& options, const Streams& streams);

}  // namespace kragmoor::cli
