// A text file the simulator keeps open and appends records to for the life of a session
// (Jackpot.txt, FreeSpins.txt, Percent_10000.txt). Writes are buffered so that a run of millions
// of games costs no system call per record, and memory stays flat however long the run is.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace kragmoor {

class LogFile {
public:
    LogFile() = default;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    LogFile(LogFile&& other) noexcept;
    LogFile& operator=(LogFile&& other) noexcept;
    ~LogFile();

    // Creates the file empty (replacing an earlier one) and keeps it open. False on failure,
    // with errno telling why.
    bool Create(const std::filesystem::path& path);

    // Appends text as it stands; the caller writes the CR LF line ends. Ignored once closed.
    void Write(std::string_view text);

    // Hands buffered records to the operating system, so that others can read them during a run.
    void Flush();

    void Close();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

// The three logs created empty at load.
struct LogFiles {
    LogFile Percent;    // "Percent_10000.txt"
    LogFile Jackpot;    // "Jackpot.txt"
    LogFile FreeSpins;  // "FreeSpins.txt"

    void FlushAll();
    void CloseAll();
};

}  // namespace kragmoor
