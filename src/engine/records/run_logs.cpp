#include "engine/records/run_logs.h"

#include <charconv>

#include "model/text_format.h"

namespace kragmoor {

namespace {

// Plain decimal digits without allocating.
std::string_view Digits(std::array<char, 24>& buffer, std::int64_t value) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

}  // namespace

RunLogs::RunLogs(LogFiles& files, LogFailureListener& listener)
    : files_(files), listener_(listener) {
    record_.reserve(256);
}

void RunLogs::Write(LogFile& log, const std::string& record) {
    if (!log.Write(record)) [[unlikely]]
        TellFailures();
}

void RunLogs::Jackpot(std::int64_t game, int line, bool free_spin) {
    std::array<char, 24> digits{};
    record_.clear();
    text::AppendRight(record_, Digits(digits, game), 8);
    text::PadToNextZone(record_);
    text::AppendNumberField(record_, line + 1);
    if (free_spin) {
        text::PadToNextZone(record_);
        record_ += "  Free Spin";
    }
    record_ += "\r\n";
    Write(files_.Jackpot, record_);
}

void RunLogs::Feature(std::int64_t trigger_game, std::int64_t spins, float win) {
    std::array<char, 24> digits{};
    record_.clear();
    text::AppendRight(record_, Digits(digits, trigger_game), 10);
    text::AppendRight(record_, Digits(digits, spins), 5);
    record_ += " Free_Spins_Won = ";
    // A short text: no allocation.
    text::AppendRight(record_, text::MaskSingle(win, "###0.000"), 9);
    record_ += "\r\n";
    Write(files_.FreeSpins, record_);
}

void RunLogs::Percent(double percent, std::int64_t games) {
    record_.clear();
    text::AppendMask(record_, percent, "00.000000");
    text::PadToNextZone(record_);
    text::AppendNumberField(record_, games);
    record_ += "\r\n";
    Write(files_.Percent, record_);
}

void RunLogs::Flush() {
    if (!files_.FlushAll()) TellFailures();
}

bool RunLogs::Close() {
    return files_.CloseAll();
}

void RunLogs::TellFailures() {
    const LogFile* logs[] = {&files_.Percent, &files_.Jackpot, &files_.FreeSpins};
    for (std::size_t i = 0; i < told_.size(); ++i) {
        if (!logs[i]->Failed() || told_[i]) continue;
        told_[i] = true;
        listener_.LogFailed(logs[i]->FailureMessage());
    }
}

}  // namespace kragmoor
