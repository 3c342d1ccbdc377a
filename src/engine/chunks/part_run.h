// One part of a run played across processes or machines (kragmoor-sim --part I/P): the part's
// chunks of the same chunked run --threads plays, kept in a part file in the game's directory
// for the merge (part_merge.h). A part writes nothing else there but its chunks' temporary logs,
// which it removes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/chunks/chunked_run.h"
#include "engine/play/session.h"

namespace kragmoor {

struct PartPlan {
    ChunkedRunPlan run;
    std::int64_t part = 0;  // 0-based
    std::int64_t parts = 1;
    std::string version;  // the program's
    std::uint64_t definition_hash = 0;
};

struct PartResult {
    bool ok = false;
    std::string failure;  // what could not be written, the file named
    std::int64_t first_chunk = 0, end_chunk = 0;
    std::int64_t games = 0;  // the part's
    std::string file;        // the part file's name
};

// Called after each chunk with the part's games, win and bet so far.
using PartProgress =
    std::function<void(std::int64_t games, std::int64_t total_win, std::int64_t total_bet)>;

// Plays the part on the session's definition (a seed of its own, not drawn from the clock) and
// writes its part file in the session's directory; the session's logs are not used.
PartResult PlayPart(Session& session, const PartPlan& plan, const PartProgress& progress = {});

}  // namespace kragmoor
