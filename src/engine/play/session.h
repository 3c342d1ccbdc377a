// The start-up sequence shared by the window application and the headless runner: read the
// definition in a working directory, seed the random number library, write the description
// report and create the three logs.
#pragma once

#include <filesystem>

#include "model/game_model.h"
#include "model/log_file.h"

namespace kragmoor {

struct SessionOptions {
    // The window application deletes "readme.txt" and "setup.bat" from its working directory at
    // every start; the headless runner never deletes anything.
    bool delete_leftovers = false;
};

struct Session {
    std::filesystem::path dir;         // the working directory every file lives in
    GameDefinition definition;         // Seed holds the seed actually used
    std::int32_t definition_seed = 0;  // the seed as written; negative: drawn from the clock
    LogFiles logs;                     // open, empty
    RunState start;                    // where play starts: as the loader leaves it
};

// Reads dir/ReelSetup.ini completely first; a definition that cannot be read, or whose features
// never end (feature_bound.h), throws DefinitionError before anything is written or deleted.
// Then deletes the leftovers when asked, resolves a negative seed from the clock (0..65535),
// seeds the random number library once, writes dir/Temp1.txt, creates the three logs and sets
// the start state (LoaderState). A file that cannot be created throws std::runtime_error naming
// the file and the reason.
Session OpenSession(const std::filesystem::path& dir, const SessionOptions& options);

// Reads and checks dir/ReelSetup.ini alone, writing nothing (throws DefinitionError). A game
// whose features never end is read all the same, so that its exact return can be computed.
GameDefinition ReadGameDefinition(const std::filesystem::path& dir);

// The seed a start uses: the definition's own, or for a negative one a seed from the clock,
// 0..65535, different from start to start.
std::int32_t ResolveSeed(std::int32_t seed);

}  // namespace kragmoor
