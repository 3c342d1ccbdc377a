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
    int paytable_first_line = 0;     // the paytable row of symbol 0
};

// Reads from the start of the file. Throws DefinitionError.
StartupFields ReadStartupFields(LineCursor& cursor);

// The seed of a "SEED = " line, from character 8 on: a whole number in the 32-bit range, blanks
// around it allowed. Nothing when the line is not of that form.
std::optional<std::int32_t> ParseSeedLine(std::string_view line);

// The designed RTP of the header's RTP line: the whole percent in characters 12 to 14 and the
// hundredths in characters 15 and 16, each converted by itself to a single. Nothing when either
// does not begin with a whole number from 0 to 99 (what the report's header can write back).
std::optional<float> ParseRtpLine(std::string_view line);

}  // namespace kragmoor
