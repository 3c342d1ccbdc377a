#include "engine/play/credit.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace kragmoor {

namespace {

// A whole number in the 32-bit range: blanks around it, an optional sign, digits only.
std::optional<std::int64_t> WholeNumber(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    std::int32_t value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

}  // namespace

bool BookCredit(RunState& state, std::string_view text) {
    if (std::optional<std::int64_t> amount = WholeNumber(text)) {
        if (*amount < 0) *amount = 0;  // a negative amount reads as "0"
        constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
        if (state.Credit + *amount <= kMax) state.Credit += *amount;
        if (state.CreditTotal + *amount <= kMax) state.CreditTotal += *amount;
    }
    return state.Credit >= kTotalBet;
}

}  // namespace kragmoor
