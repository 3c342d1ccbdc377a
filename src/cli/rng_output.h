// The generator's output for a laboratory's own tests: raw words for a battery such as dieharder,
// and stop tuples as text.
#pragma once

#include <cstdint>
#include <ostream>

#include "model/game_model.h"
#include "rng/rng.h"

namespace kragmoor::cli {

// The upper 32 bits of every 64-bit output (what rng_GenInt32 gives), 4 bytes each in the
// machine's order, until `out` fails: a closed pipe is how the output ends, so the stream is
// left cleared. Ignores SIGPIPE where there is one, so that the closed pipe shows as a failed
// write instead of ending the process.
void WriteRawOutput(rng_Stream& stream, std::ostream& out);

// `tuples` lines of five stops of the base strips, drawn reel 0 to 4 as a game draws them
// ("12 0 37 5 21"); stops early when `out` fails.
void WriteStopTuples(rng_Stream& stream, const GameDefinition& def, std::int64_t tuples,
                     std::ostream& out);

}  // namespace kragmoor::cli
