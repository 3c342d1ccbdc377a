// Plays the games a command line asks for (--games N with N > 0) on an open session, then
// saves the report, closes the logs and prints the results. Returns the process's exit status:
// 1 when a file could not be written (the run stops at the first such failure).
#pragma once

#include "cli/options.h"
#include "cli/runner.h"
#include "engine/play/session.h"

namespace kragmoor::cli {

int RunGames(const Options& options, Session& session, const Streams& streams);

}  // namespace kragmoor::cli
