#include "engine/chunks/chunk_logs.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "model/output_file.h"

namespace kragmoor {

namespace {

// Appends the file at `path` to `log` in blocks of 64 KiB.
bool AppendFile(const std::filesystem::path& path, LogFile& log, std::string* message) {
    std::FILE* in = OpenFile(path, "rb");
    if (in == nullptr) {
        *message = "Cannot read " + path.filename().string() + ": " + std::strerror(errno);
        return false;
    }
    std::vector<char> block(64 * 1024);
    bool ok = true;
    std::size_t read = 0;
    while (ok && (read = std::fread(block.data(), 1, block.size(), in)) > 0) {
        ok = log.Write(std::string_view(block.data(), read));
    }
    const bool read_failed = std::ferror(in) != 0;
    const int read_error = errno;
    std::fclose(in);
    if (!ok) {
        *message = log.FailureMessage();
    } else if (read_failed) {
        *message = "Cannot read " + path.filename().string() + ": " + std::strerror(read_error);
        ok = false;
    }
    return ok;
}

}  // namespace

ChunkLogs::ChunkLogs(const std::filesystem::path& dir, std::int64_t chunk)
    : files_(std::make_unique<LogFiles>()) {
    const std::string suffix = ".part" + std::to_string(chunk);
    LogFile* logs[] = {&files_->Percent, &files_->Jackpot, &files_->FreeSpins};
    const char* names[] = {"Percent_10000.txt", "Jackpot.txt", "FreeSpins.txt"};
    for (int i = 0; i < 3; ++i) {
        paths_.push_back(dir / (names[i] + suffix));
        logs[i]->Create(paths_.back());
    }
}

ChunkLogs::~ChunkLogs() {
    if (!files_) return;  // moved from
    files_->CloseAll();
    for (const std::filesystem::path& path : paths_) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

bool ChunkLogs::Created(std::string* message) const {
    for (const LogFile* log : {&files_->Percent, &files_->Jackpot, &files_->FreeSpins}) {
        if (!log->IsOpen()) {
            *message = "Cannot create " + log->Name() + ": " + log->Reason();
            return false;
        }
    }
    return true;
}

bool ChunkLogs::AppendTo(LogFiles& run, std::string* message) const {
    LogFile* logs[] = {&run.Percent, &run.Jackpot, &run.FreeSpins};
    const LogFile* own[] = {&files_->Percent, &files_->Jackpot, &files_->FreeSpins};
    for (int i = 0; i < 3; ++i) {
        // A file of the chunk's that failed holds records up to some point, or nothing that can
        // be trusted: its failure is told instead.
        if (own[i]->Failed()) continue;
        if (!AppendFile(paths_[static_cast<std::size_t>(i)], *logs[i], message)) return false;
    }
    return true;
}

}  // namespace kragmoor
