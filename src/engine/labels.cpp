// The counter labels of the main window, formatted on demand from the numbers they were last
// set from, and the credit entry that books into two of them.
#include <charconv>
#include <limits>

#include "engine/run_control.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

std::string T(std::int64_t value) {
    return text::Trimmed(text::Mask(value, "### ### ###"));
}
std::string T(double value, std::string_view mask) {
    return text::Trimmed(text::Mask(value, mask));
}

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

std::string RunControl::Label(int index) const {
    const LabelValues& v = labels_;
    switch (index) {
        case 0:
            if (!v.win_set) return {};
            return " Win " + T(v.win) + " / " + T(v.bet) + " = " +
                   T(Chart::Ratio(v.win, v.bet), "0.000%");
        case 1:
            if (v.games_kind == 0) return {};
            return (v.games_kind == 1 ? " Games = " : " FreeGames = ") +
                   text::Decimal(v.games_value);
        case 2:
            if (!v.game_win_set) return {};
            return " GameWin = " + text::Decimal(v.game_win);
        case 3: {
            if (v.free_kind == 0) return {};
            // A base game shows it with semicolons; the automatic run after a feature with commas
            // and two decimals.
            const bool base = v.free_kind == 1;
            const char* sep = base ? ";  " : ",  ";
            return " Free " + T(v.free_games) + sep + "Win " + T(v.free_win) + sep +
                   T(Chart::Ratio(v.free_win, v.free_bet), base ? "0.000%" : "0.00%");
        }
        case 4:
            if (!v.rate_set) return {};
            return text::Mask(
                static_cast<double>(20 * v.rate_games) / static_cast<double>(v.rate_events),
                "### ### ##0.000");
        case 5:
            return " Cash = " + text::Mask(v.cash, "# ### ### $");
        case 6:
            return " Total = " + text::Mask(v.total, "# ### ### $");
        default:
            return {};
    }
}

bool RunControl::BookCredit(std::string_view entry) {
    RunState& st = state_;
    if (std::optional<std::int64_t> amount = WholeNumber(entry)) {
        if (*amount < 0) *amount = 0;  // a negative amount reads as "0"
        constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
        if (st.Credit + *amount <= kMax) st.Credit += *amount;
        if (st.CreditTotal + *amount <= kMax) st.CreditTotal += *amount;
    }
    labels_.cash = st.Credit;
    labels_.total = st.CreditTotal;
    observer_->LabelsChanged();
    return st.Credit >= kBet;
}

}  // namespace kragmoor
