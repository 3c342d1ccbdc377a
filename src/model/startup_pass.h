// The first pass over a definition: the version and designed RTP of the header, the seed, how
// many rows each strip section has and the thirteen symbol names.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/definition_lines.h"
#include "model/game_model.h"

namespace kragmoor {

struct StartupFields {
    std::string GameVersion;
    float GameRTP = 0.0f;
    std::int32_t Seed = 0;
    std::int16_t ReelMaxIndex = -1;
    std::int16_t FsReelMaxIndex = -1;
    std::array<std::string, kSymbols> SymbolName;

    int reel_strip_header_line = 0;  // where the base-game section starts (1-based)
};

// Reads from the start of the file. Throws DefinitionError.
StartupFields ReadStartupFields(LineCursor& cursor);

}  // namespace kragmoor
