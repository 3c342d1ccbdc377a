// The merge of a run played in parts (kragmoor-sim --merge): every part file of the game's
// directory checked against the others and against the game, then their chunks added in game
// order to one ChunkedRun, as the run played on threads adds its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/chunks/chunked_run.h"
#include "engine/chunks/part_file.h"

namespace kragmoor {

// What the parts must have been played by and on.
struct PartOrigin {
    std::string version;  // the program's
    std::uint64_t definition_hash = 0;
    std::int64_t seed = 0;
};

struct PartSet {
    PartHeader run;                            // the first part's header: the run's figures
    std::vector<std::filesystem::path> files;  // part 0, 1, ...
};

// Finds every part file in `dir` and checks each whole (its checksum), played by and on
// `origin`, for the same run as the others, none missing and none twice. False with one message
// naming the file and what is wrong.
bool FindParts(const std::filesystem::path& dir, const PartOrigin& origin, PartSet* parts,
               std::string* message);

// Adds the chunks of `parts` in order to `run` (made for the parts' games and mode). False with
// `message` when a part file could not be read; a log that could not be written fails the run's
// result instead, as in a run played on threads.
bool MergeParts(const PartSet& parts, ChunkedRun& run, const ChunkProgress& progress,
                std::string* message);

}  // namespace kragmoor
