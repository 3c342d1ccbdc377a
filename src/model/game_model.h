// The game model: the definition of the one slot game (read once at load, never changed after)
// and the run state that the game rounds and the run update. Field names are the names every
// part of the simulator uses for them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/game_constants.h"
#include "model/game_rules.h"

namespace kragmoor {

// strip[position][reel] of one set of reel strips, and the last valid position of each reel.
using ReelStrips = std::int16_t[kMaxPositions][kReels];
using ReelLengths = std::int16_t[kReels];
// The row 0..2 that each of the 20 lines crosses on reels 0..4.
using LineRows = std::int16_t[kLines][kReels];

// What the definition file says, completed by the loader. Never changed once loaded.
struct GameDefinition {
    std::string GameVersion;
    float GameRTP = 0.0f;   // designed return to player in percent (95.12 means 95.12 %)
    std::int32_t Seed = 0;  // the seed actually given to the random number library
    std::array<std::string, kSymbols> SymbolName;
    std::int16_t ReelMaxIndex = 0;    // last row of the base-game strip section
    std::int16_t FsReelMaxIndex = 0;  // last row of the free-spins strip section
    ReelStrips ReelStrip = {};
    ReelLengths ReelLen = {};  // last valid position of each base-game reel
    ReelStrips FsReelStrip = {};
    ReelLengths FsReelLen = {};
    // Credits for a 1-credit line bet by symbol and run length; row 12 holds the scatter pays in
    // units of the total bet; column 0 holds the value of the symbol's name field.
    std::int16_t PayTable[kSymbols][kRunLengths] = {};
    LineRows LineTable = {};
    GameRules Rules;
    // The definition has a GAME RULES section, which its description report echoes.
    bool HasRulesSection = false;
    std::int64_t CycleGames = 0;
    std::string ReportFileName;
};

// The run state. Counters are 64-bit so that no run a user can make overflows them; the files
// and labels show them exactly as 32-bit counters would within their range.
struct RunState {
    std::int16_t ReelStop[kReels] = {};
    std::int16_t FsReelStop[kReels] = {};
    std::int16_t Window[kRows][kReels] = {};
    // Symbol, run length and win of each line of the last game shown (a run's games that are not
    // shown leave the lines' rows as they were, so that a game costs no stores it does not need);
    // row 20 holds every game's scatters.
    std::int32_t LineOutcomes[kLines + 1][3] = {};
    // Per line (row 20: the scatter outcome), run length and symbol: how often the outcome came,
    // and the credits it paid. A line's counts of its short runs, which nearly every game books,
    // lie side by side.
    std::int64_t HitCount[kLines + 1][kRunLengths][kSymbols] = {};
    std::int64_t WinSum[kLines + 1][kRunLengths][kSymbols] = {};
    std::int64_t Games = 0;
    std::int64_t TotalBet = 0;
    std::int64_t TotalWin = 0;
    std::int64_t WinEvents = 0;
    std::int64_t FreeGames = 0;
    std::int64_t FreeWin = 0;
    bool InFreeSpins = false;
    std::int64_t FeatureWin = 0;
    std::int64_t FreeSpinsPlayed = 0;
    float LastFeatureWin = 0.0f;
    // The free spin being played within the feature: 0 when none, lowered at a retrigger by the
    // spins it adds. The feature ends when it reaches FeatureSpins, the spins of its trigger.
    std::int64_t FreeSpinNo = 0;
    std::int64_t FeatureSpins = 0;
    // TotalWin as it stood when the current base game began.
    std::int64_t WinAtGameStart = 0;
    // Lines of five wilds (base games and free spins: the records of Jackpot.txt), and the free
    // spins played in all features.
    std::int64_t JackpotLines = 0;
    std::int64_t FreeSpinsTotal = 0;
    std::int16_t SelectedReel = 0;
    std::int64_t LossStreak = 0;
    std::int64_t LossStreakHits[kStreakSlots] = {};
    // The rounds lost in a row since play began, up to the first won round (OpeningWon): what
    // joins the streaks of a run played in parts, whose streaks cross the parts' edges.
    std::int64_t OpeningLosses = 0;
    bool OpeningWon = false;
    std::int64_t Credit = 0;
    std::int64_t CreditTotal = 0;
};

// win / bet, as every return the simulator shows is taken: 0 when nothing was bet.
inline double Ratio(std::int64_t win, std::int64_t bet) {
    return bet == 0 ? 0.0 : static_cast<double>(win) / static_cast<double>(bet);
}

// The run state as the loader leaves it: every stop at its reel's last position (so that the
// first sequential step wraps them all to 0), reel 4 selected, the starting credit.
inline RunState LoaderState(const GameDefinition& def) {
    RunState state;
    for (int r = 0; r < kReels; ++r) state.ReelStop[r] = def.ReelLen[r];
    state.SelectedReel = kSelectedReelAtLoad;
    state.Credit = kStartingCredit;
    state.CreditTotal = kStartingCredit;
    return state;
}

}  // namespace kragmoor
