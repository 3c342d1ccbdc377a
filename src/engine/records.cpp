// The records of Jackpot.txt and FreeSpins.txt, built in one reused buffer.
#include <array>
#include <charconv>

#include "engine/run_control.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

// Plain decimal digits without allocating.
std::string_view Digits(std::array<char, 24>& buffer, std::int64_t value) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

}  // namespace

// The game number right-aligned in 8 characters, the line number as a field in the next print
// zone and, for a free spin, "  Free Spin" in the zone after it.
void RunControl::WriteJackpotRecord(int line, bool free_spin) {
    std::array<char, 24> digits{};
    record_.clear();
    text::AppendRight(record_, Digits(digits, state_.Games), 8);
    text::PadToNextZone(record_);
    text::AppendNumberField(record_, line + 1);
    if (free_spin) {
        text::PadToNextZone(record_);
        record_ += "  Free Spin";
    }
    record_ += "\r\n";
    ++jackpot_count_;
    if (!logs_->Jackpot.Write(record_)) [[unlikely]]
        CheckLogs();
}

// The triggering game (the one before this base game), the spins played and the feature's win
// in units of the total bet.
void RunControl::WriteFeatureRecord() {
    std::array<char, 24> digits{};
    record_.clear();
    text::AppendRight(record_, Digits(digits, state_.Games - 1), 10);
    text::AppendRight(record_, Digits(digits, state_.FreeSpinsPlayed), 5);
    record_ += " Free_Spins_Won = ";
    // A short text: no allocation.
    text::AppendRight(record_, text::MaskSingle(state_.LastFeatureWin, "###0.000"), 9);
    record_ += "\r\n";
    if (!logs_->FreeSpins.Write(record_)) [[unlikely]]
        CheckLogs();
}

}  // namespace kragmoor
