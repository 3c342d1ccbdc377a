// The game model: the definition of the one slot game (read once at load, never changed after)
// and the run state that the game rounds and the run control update. Field names are the names
// every part of the simulator uses for them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kragmoor {

inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kLines = 20;
inline constexpr int kScatterLine = 20;  // the scatter result is kept as a 21st line
inline constexpr int kSymbols = 13;
inline constexpr int kMaxPositions = 101;  // strip positions 0..100
inline constexpr int kRunLengths = 6;      // run lengths 0..5

inline constexpr std::int16_t kWild = 11;
inline constexpr std::int16_t kScatter = 12;
inline constexpr std::int16_t kGap = 13;  // marks strip positions past the end of a shorter reel

inline constexpr int kBet = 20;  // 1 credit on each of the 20 lines
inline constexpr int kFreeSpinsAward = 15;
inline constexpr int kFreeSpinMultiplier = 4;

// Rows of the 20 built-in win lines, reels 0..4 (row 0 is the top row).
inline constexpr std::int16_t kLineRows[kLines][kReels] = {
    {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {2, 2, 2, 2, 2}, {0, 1, 2, 1, 0}, {2, 1, 0, 1, 2},
    {0, 0, 1, 2, 2}, {2, 2, 1, 0, 0}, {1, 0, 1, 2, 1}, {1, 2, 1, 0, 1}, {1, 0, 0, 1, 0},
    {1, 2, 2, 1, 2}, {0, 1, 0, 0, 1}, {2, 1, 2, 2, 1}, {0, 2, 0, 2, 0}, {2, 0, 2, 0, 2},
    {1, 0, 2, 0, 1}, {1, 2, 0, 2, 1}, {0, 1, 1, 1, 0}, {2, 1, 1, 1, 2}, {0, 2, 2, 2, 0},
};

// Drawing code of each line on each reel: how the line passes through its cell, from where it
// comes on the previous reel to where it goes on the next (the views draw win lines with it).
inline constexpr std::int16_t kLineShapes[kLines][kReels] = {
    {22, 22, 22, 22, 22},      {22, 22, 22, 22, 22},      {22, 22, 22, 22, 22},
    {23, 13, 11, 31, 32},      {21, 31, 33, 13, 12},      {22, 23, 13, 12, 22},
    {22, 21, 31, 32, 22},      {21, 33, 13, 11, 32},      {23, 11, 31, 33, 12},
    {21, 32, 23, 11, 32},      {23, 12, 21, 33, 12},      {23, 11, 32, 23, 12},
    {21, 33, 12, 21, 32},      {113, 131, 313, 131, 311}, {331, 313, 131, 313, 133},
    {21, 213, 131, 312, 12},   {23, 231, 313, 132, 32},   {23, 12, 22, 21, 32},
    {21, 32, 22, 23, 12},      {113, 133, 22, 331, 311},
};

// What the definition file says, completed by the loader. Never changed once loaded.
struct GameDefinition {
    std::string GameVersion;
    float GameRTP = 0.0f;  // designed return to player in percent (95.12 means 95.12 %)
    std::int32_t Seed = 0;  // the seed actually given to the random number library
    std::array<std::string, kSymbols> SymbolName;
    std::array<std::string, kSymbols> Figures;  // the loader's copy of SymbolName
    std::int16_t ReelMaxIndex = 0;    // last row of the base-game strip section
    std::int16_t FsReelMaxIndex = 0;  // last row of the free-spins strip section
    std::int16_t ReelStrip[kMaxPositions][kReels] = {};
    std::int16_t ReelLen[kReels] = {};  // last valid position of each base-game reel
    std::int16_t FsReelStrip[kMaxPositions][kReels] = {};
    std::int16_t FsReelLen[kReels] = {};
    // Credits for a 1-credit line bet by symbol and run length; row 12 holds the scatter pays in
    // units of the total bet; column 0 holds the value of the symbol's name field.
    std::int16_t PayTable[kSymbols][kRunLengths] = {};
    std::int16_t LineTable[kLines][kReels] = {};
    std::int16_t LineShape[kLines][kReels] = {};
    std::int64_t CycleGames = 0;
    std::string ReportFileName;
};

// The run state. Counters are 64-bit so that no run a user can make overflows them; the files
// and labels show them exactly as 32-bit counters would within their range.
struct RunState {
    std::int16_t ReelStop[kReels] = {};
    std::int16_t FsReelStop[kReels] = {};
    std::int16_t Window[kRows][kReels] = {};
    std::int32_t LineResult[kLines + 1][3] = {};  // symbol, run length, win; row 20 the scatters
    std::int64_t HitCount[kLines + 1][kRunLengths][kSymbols] = {};
    std::int64_t WinSum[kLines + 1][kSymbols][kRunLengths] = {};
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
    std::int16_t SkipDisplay = 0;
    std::int16_t SelectedReel = 0;
    std::int64_t LossStreak = 0;
    std::int64_t LossStreakHits[50] = {};
    std::int64_t Credit = 0;
    std::int64_t CreditTotal = 0;
};

}  // namespace kragmoor
