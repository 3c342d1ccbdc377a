// The seven counters the player reads beside the game, kept as the numbers each was last set
// from and formatted on demand, so that setting them costs a game round a few stores. Each label
// has an accessor named for what it shows; an unset label reads "".
#pragma once

#include <cstdint>
#include <string>

namespace kragmoor {

class CounterLabels {
  public:
    // " Win 1 234 / 2 000 = 61.700%": total win and bet after the last game round.
    std::string WinLabel() const;
    // " Games = 1234", or during single-step free spins " FreeGames = 14" (the spins left).
    std::string GamesLabel() const;
    // " GameWin = 120": the win of the current game round.
    std::string GameWinLabel() const;
    // The free-spin summary: as a shown base game leaves it (" Free 3;  Win 1 200;  6.000%") or
    // as an automatic run leaves it after a feature (" Free 3,  Win 1 200,  6.00%").
    std::string FreeSpinsLabel() const;
    // The hit rate: line bets per win event ("      6.543").
    std::string HitRateLabel() const;
    // " Cash = 1 000 000 $" and " Total = 1 000 000 $": the cash and the credit added so far.
    std::string CashLabel() const;
    std::string TotalLabel() const;

    void SetWin(std::int64_t win, std::int64_t bet) {
        win_set_ = true;
        win_ = win;
        bet_ = bet;
    }
    void SetGames(std::int64_t games) {
        games_kind_ = GamesKind::kGames;
        games_value_ = games;
    }
    void SetFreeGamesLeft(std::int64_t left) {
        games_kind_ = GamesKind::kFreeGamesLeft;
        games_value_ = left;
    }
    void SetGameWin(std::int64_t win) {
        game_win_set_ = true;
        game_win_ = win;
    }
    // What a shown base game writes, and what the automatic run writes after a feature.
    void SetFreeSpinsOfBaseGame(std::int64_t games, std::int64_t win, std::int64_t bet) {
        SetFreeSpins(FreeKind::kBaseGame, games, win, bet);
    }
    void SetFreeSpinsAfterFeature(std::int64_t games, std::int64_t win, std::int64_t bet) {
        SetFreeSpins(FreeKind::kAfterFeature, games, win, bet);
    }
    // 20 x games / win events; set only once there is an event.
    void SetHitRate(std::int64_t games, std::int64_t events) {
        rate_set_ = true;
        rate_games_ = games;
        rate_events_ = events;
    }
    void SetCash(std::int64_t cash) { cash_ = cash; }
    void SetTotal(std::int64_t total) { total_ = total; }

  private:
    enum class GamesKind : std::uint8_t { kUnset, kGames, kFreeGamesLeft };
    enum class FreeKind : std::uint8_t { kUnset, kBaseGame, kAfterFeature };

    void SetFreeSpins(FreeKind kind, std::int64_t games, std::int64_t win, std::int64_t bet) {
        free_kind_ = kind;
        free_games_ = games;
        free_win_ = win;
        free_bet_ = bet;
    }

    bool win_set_ = false;
    std::int64_t win_ = 0, bet_ = 0;
    GamesKind games_kind_ = GamesKind::kUnset;
    std::int64_t games_value_ = 0;
    bool game_win_set_ = false;
    std::int64_t game_win_ = 0;
    FreeKind free_kind_ = FreeKind::kUnset;
    std::int64_t free_games_ = 0, free_win_ = 0, free_bet_ = 0;
    bool rate_set_ = false;
    std::int64_t rate_games_ = 0, rate_events_ = 0;
    std::int64_t cash_ = 0;
    std::int64_t total_ = 0;
};

}  // namespace kragmoor
