// Plays the games a command line asks for (--games N with N > 0) on an open session, then
// saves the report and prints the results. Returns the process's exit status.
#pragma once

#include "cli/options.h"
#include "engine/session.h"

namespace kragmoor::cli {

int RunGames(const Options& options, Session& session);

}  // namespace kragmoor::cli
