// kragmoor-sim --part I/P and --merge: a run spread over processes or machines, each playing a
// part of the chunked run into a part file in DIR, and the merge of the part files into the
// files and the summary the run on threads would have given (engine/chunks/part_run.h,
// part_merge.h).
#pragma once

#include "cli/options.h"
#include "cli/runner.h"

namespace kragmoor::cli {

// Plays the part and writes its part file; 1 when the game cannot be read, its seed is drawn
// from the clock or the part file cannot be written.
int RunPart(const Options& options, const Streams& streams);

// Checks every part file in DIR and merges them; 1, with nothing written, when the game cannot
// be read or a part is missing, doubled, damaged or of another run.
int RunMerge(const Options& options, const Streams& streams);

}  // namespace kragmoor::cli
