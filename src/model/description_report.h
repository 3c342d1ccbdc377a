// The game description report Temp1.txt: a header with the game's identity, RTP and load time,
// then the seed, both strip sections, the win lines and the paytable as the program holds them,
// and the GAME RULES section when the definition has one (every key written, defaults filled
// in), in the layout of the definition file itself, so that a report reads back as a definition.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "model/game_model.h"

namespace kragmoor {

// Writes the report, CR LF line ends, to `file`, replacing an earlier one. False on failure, with
// the system's reason in `reason` when given.
bool WriteDescriptionReport(const GameDefinition& def, const std::tm& load_time,
                            const std::filesystem::path& file, std::string* reason = nullptr);

}  // namespace kragmoor
