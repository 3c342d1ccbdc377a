#include "model/log_file.h"

#include <utility>

namespace kragmoor {

namespace {
// Large enough that a run of millions of games writes its records in a few system calls.
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

LogFile::LogFile(LogFile&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

LogFile& LogFile::operator=(LogFile&& other) noexcept {
    if (this != &other) {
        Close();
        file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
}

LogFile::~LogFile() {
    Close();
}

bool LogFile::Create(const std::filesystem::path& path) {
    Close();
    // Binary: the records carry their own CR LF line ends on every platform.
#ifdef _WIN32
    std::FILE* f = _wfopen(path.c_str(), L"wb");
#else
    std::FILE* f = std::fopen(path.c_str(), "wb");
#endif
    if (f == nullptr) return false;
    std::setvbuf(f, nullptr, _IOFBF, kBufferSize);
    file_ = f;
    return true;
}

void LogFile::Write(std::string_view text) {
    if (file_ == nullptr || text.empty()) return;
    std::fwrite(text.data(), 1, text.size(), file_);
}

void LogFile::Flush() {
    if (file_ != nullptr) std::fflush(file_);
}

void LogFile::Close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

void LogFiles::FlushAll() {
    Percent.Flush();
    Jackpot.Flush();
    FreeSpins.Flush();
}

void LogFiles::CloseAll() {
    Percent.Close();
    Jackpot.Close();
    FreeSpins.Close();
}

}  // namespace kragmoor
