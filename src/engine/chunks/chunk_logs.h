// The three logs of one chunk of a run played in chunks: temporary files beside the run's own
// (Percent_10000.txt.part7, Jackpot.txt.part7, FreeSpins.txt.part7 for chunk 7), so that memory
// stays flat however many records a chunk writes. Once the chunk has been played they are
// appended to the run's logs in order, and they are removed when the object dies, also when the
// chunk is dropped.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/log_file.h"

namespace kragmoor {

class ChunkLogs {
  public:
    // Creates the three files in `dir`. Created() tells whether that worked.
    ChunkLogs(const std::filesystem::path& dir, std::int64_t chunk);
    ~ChunkLogs();
    ChunkLogs(ChunkLogs&&) noexcept = default;
    ChunkLogs& operator=(ChunkLogs&&) noexcept = delete;
    ChunkLogs(const ChunkLogs&) = delete;
    ChunkLogs& operator=(const ChunkLogs&) = delete;

    // False, with `message` naming the file and the system's reason, when a file could not be
    // created.
    bool Created(std::string* message) const;
    // The logs the chunk's engine writes; closed when it exits.
    LogFiles& Files() { return *files_; }

    // Appends each closed file to the run's log of the same kind, except a file that failed
    // while the chunk wrote it. False at the first failure, with `message` naming the file and
    // the system's reason.
    bool AppendTo(LogFiles& run, std::string* message) const;

    // The files of the Percent_10000 (0), Jackpot (1) and FreeSpins (2) logs, for a part file.
    const std::filesystem::path& Path(int log) const {
        return paths_[static_cast<std::size_t>(log)];
    }

  private:
    std::unique_ptr<LogFiles> files_;
    std::vector<std::filesystem::path> paths_;  // Percent, Jackpot, FreeSpins
};

}  // namespace kragmoor
