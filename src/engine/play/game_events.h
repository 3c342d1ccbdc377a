// What the observers hear of a shown game, in the game's own words. Every payload is a small
// value with fixed-size arrays, filled only for games that are shown: a game that is not shown
// builds none of them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game_constants.h"

namespace kragmoor {

// The two game rounds: a paid base game, or a free spin of a feature.
enum class Round : std::uint8_t { BaseGame, FreeSpin };

// A game on show: its round, its number (a free spin carries that of the base game that
// triggered its feature), the free spins left after it and its window of symbol codes.
struct ShownGame {
    Round round = Round::BaseGame;
    std::int64_t game = 0;
    std::int64_t spins_left = 0;
    std::int16_t window[kRows][kReels] = {};
    // The game was already under way when it came on show (a run ended inside it by Auto Stop or
    // by a log that could not be written): what was told before stays, and only the rest of the
    // game follows.
    bool joined_under_way = false;
};

// A paying line: line 0..19, the symbol of its run, the run's length and its win in credits
// (a free spin's multiplier included).
struct LineWin {
    int line = 0;
    int symbol = 0;
    int count = 0;
    std::int64_t win = 0;
};

// The cell of one scatter in the window.
struct WindowCell {
    int row = 0;
    int reel = 0;
};

// Two or more scatters: how many count (at most five), their win in credits and the cells of
// every scatter in the window, row by row.
struct ScatterWin {
    Round round = Round::BaseGame;
    int count = 0;
    std::int64_t win = 0;
    int cell_count = 0;
    std::array<WindowCell, kRows * kReels> cells{};
};

// Three or more scatters award free spins: a new feature from a base game, or more spins from a
// free spin; every free-spin win is multiplied by `multiplier`.
struct FreeSpinsAward {
    Round round = Round::BaseGame;
    int scatters = 0;
    int spins = 0;
    int multiplier = 1;
};

// The end of a shown game: its own win, and the win of its feature so far (free spins).
struct GameEnd {
    Round round = Round::BaseGame;
    std::int64_t win = 0;
    std::int64_t feature_win = 0;
    std::int64_t spins_left = 0;
};

// Auto Stop ended a run at five wilds on a line or at a feature triggered, in game `game` (a free
// spin carries the number of the base game that triggered its feature).
enum class AutoStopCause : std::uint8_t { Jackpot, Feature };
struct AutoStopAt {
    AutoStopCause cause = AutoStopCause::Jackpot;
    Round round = Round::BaseGame;
    std::int64_t game = 0;
};

// What a run without a window keeps of the notices it was told, in order: the end of a cycle of
// games (the run saved and ended itself there), or a file that could not be written (`message`
// names the file and the system's reason).
struct RunNotice {
    enum class Kind : std::uint8_t { CycleEnded, WriteFailed };
    Kind kind = Kind::CycleEnded;
    std::int64_t games = 0;
    std::string message;

    friend bool operator==(const RunNotice&, const RunNotice&) = default;
};

}  // namespace kragmoor
