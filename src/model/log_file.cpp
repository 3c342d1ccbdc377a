#include "model/log_file.h"

namespace kragmoor {

namespace {
// Large enough that a run of millions of games writes its records in a few system calls.
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

bool LogFile::Create(const std::filesystem::path& path) {
    name_ = path.filename().string();
    return file_.Open(path, OutputFile::Mode::kCreate, kBufferSize);
}

bool LogFile::Write(std::string_view text) {
    if (!file_.IsOpen() || text.empty()) return !file_.Failed();
    return file_.Write(text);
}

bool LogFile::Flush() {
    return file_.Flush();
}

bool LogFile::Close() {
    return file_.Close();
}

std::string LogFile::FailureMessage() const {
    return "Cannot write " + name_ + ": " + file_.Reason();
}

bool LogFiles::FlushAll() {
    const bool percent = Percent.Flush();
    const bool jackpot = Jackpot.Flush();
    const bool free_spins = FreeSpins.Flush();
    return percent && jackpot && free_spins;
}

bool LogFiles::CloseAll() {
    const bool percent = Percent.Close();
    const bool jackpot = Jackpot.Close();
    const bool free_spins = FreeSpins.Close();
    return percent && jackpot && free_spins;
}

}  // namespace kragmoor
