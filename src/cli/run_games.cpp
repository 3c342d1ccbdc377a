// Placeholder until the game runs are wired to the engine: a run is refused with exit status 3,
// after the session has been opened (the report and the empty logs are written).
#include "cli/run_games.h"

#include <cstdio>

namespace kragmoor::cli {

int RunGames(const Options&, Session&) {
    std::fputs("kragmoor-sim: playing runs is not built yet\n", stderr);
    return 3;
}

}  // namespace kragmoor::cli
