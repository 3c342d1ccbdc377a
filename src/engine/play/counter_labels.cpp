#include "engine/play/counter_labels.h"

#include "model/game_model.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

std::string Grouped(std::int64_t value) {
    return text::Trimmed(text::Mask(value, "### ### ###"));
}
std::string Percent(double value, std::string_view mask) {
    return text::Trimmed(text::Mask(value, mask));
}

}  // namespace

std::string CounterLabels::WinLabel() const {
    if (!win_set_) return {};
    return " Win " + Grouped(win_) + " / " + Grouped(bet_) + " = " +
           Percent(Ratio(win_, bet_), "0.000%");
}

std::string CounterLabels::GamesLabel() const {
    switch (games_kind_) {
        case GamesKind::kGames:
            return " Games = " + text::Decimal(games_value_);
        case GamesKind::kFreeGamesLeft:
            return " FreeGames = " + text::Decimal(games_value_);
        case GamesKind::kUnset:
            break;
    }
    return {};
}

std::string CounterLabels::GameWinLabel() const {
    if (!game_win_set_) return {};
    return " GameWin = " + text::Decimal(game_win_);
}

// A base game shows it with semicolons; the automatic run after a feature with commas and two
// decimals.
std::string CounterLabels::FreeSpinsLabel() const {
    if (free_kind_ == FreeKind::kUnset) return {};
    const bool base = free_kind_ == FreeKind::kBaseGame;
    const char* sep = base ? ";  " : ",  ";
    return " Free " + Grouped(free_games_) + sep + "Win " + Grouped(free_win_) + sep +
           Percent(Ratio(free_win_, free_bet_), base ? "0.000%" : "0.00%");
}

std::string CounterLabels::HitRateLabel() const {
    if (!rate_set_) return {};
    return text::Mask(static_cast<double>(kLines * rate_games_) / static_cast<double>(rate_events_),
                      "### ### ##0.000");
}

std::string CounterLabels::CashLabel() const {
    return " Cash = " + text::Mask(cash_, "# ### ### $");
}

std::string CounterLabels::TotalLabel() const {
    return " Total = " + text::Mask(total_, "# ### ### $");
}

}  // namespace kragmoor
