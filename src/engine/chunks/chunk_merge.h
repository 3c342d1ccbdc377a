// A run played in chunks, each by an engine of its own, adds up to one run: the chunks' counters
// summed in game order and the loss streaks that cross a chunk's edge joined. The sum is what one
// engine would hold had it played the chunks' games one after the other.
#pragma once

#include "model/game_model.h"

namespace kragmoor {

// Adds `chunk`, played right after the games `total` holds, to `total`. The chunk's counters
// count its own games from zero, its loss streak started at 0 and its Games is the run's count at
// its end (the chunk's first game is numbered total.Games + 1). The stops, the window and the
// results of the last game are the chunk's; the credit stays the total's (a run settles none).
void MergeChunk(RunState& total, const RunState& chunk);

}  // namespace kragmoor
