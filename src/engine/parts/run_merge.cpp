#include "engine/parts/run_merge.h"

namespace kragmoor {

namespace {

// Counts, with `sign`, the streak lengths a run of `losses` lost rounds reaches from a streak of
// `from`: (from + i) mod 50 for i = 1..losses, the 50th loss in a row (0) uncounted. Every 50
// losses reach each length once.
void CountLosses(std::int64_t (&hits)[kStreakSlots], std::int64_t from, std::int64_t losses,
                 std::int64_t sign) {
    const std::int64_t cycles = losses / kStreakSlots;
    for (int length = 1; length < kStreakSlots; ++length) hits[length] += sign * cycles;
    for (std::int64_t i = 1; i <= losses % kStreakSlots; ++i) {
        const std::int64_t length = (from + i) % kStreakSlots;
        if (length != 0) hits[length] += sign;
    }
}

// The part counted its opening losses from a streak of 0; in the whole run they lengthen the
// streak the total ended with.
void JoinLossStreaks(RunState& total, const RunState& part) {
    for (int length = 0; length < kStreakSlots; ++length) {
        total.LossStreakHits[length] += part.LossStreakHits[length];
    }
    CountLosses(total.LossStreakHits, 0, part.OpeningLosses, -1);
    CountLosses(total.LossStreakHits, total.LossStreak, part.OpeningLosses, +1);
    total.LossStreak =
        part.OpeningWon ? part.LossStreak : (total.LossStreak + part.OpeningLosses) % kStreakSlots;
    if (!total.OpeningWon) {
        total.OpeningLosses += part.OpeningLosses;
        total.OpeningWon = part.OpeningWon;
    }
}

template <typename T, std::size_t N>
void AddCounts(T (&total)[N], const T (&part)[N]) {
    for (std::size_t i = 0; i < N; ++i) total[i] += part[i];
}

}  // namespace

void MergeRunPart(RunState& total, const RunState& part) {
    for (int line = 0; line <= kLines; ++line) {
        for (int count = 0; count < kRunLengths; ++count) {
            AddCounts(total.HitCount[line][count], part.HitCount[line][count]);
            AddCounts(total.WinSum[line][count], part.WinSum[line][count]);
        }
    }
    JoinLossStreaks(total, part);
    total.Games = part.Games;
    total.WinAtGameStart = total.TotalWin + part.WinAtGameStart;
    total.TotalBet += part.TotalBet;
    total.TotalWin += part.TotalWin;
    total.WinEvents += part.WinEvents;
    total.FreeGames += part.FreeGames;
    total.FreeWin += part.FreeWin;
    total.JackpotLines += part.JackpotLines;
    total.FreeSpinsTotal += part.FreeSpinsTotal;
    // What the last game left: its stops, window and results, and a feature still open.
    for (int r = 0; r < kReels; ++r) {
        total.ReelStop[r] = part.ReelStop[r];
        total.FsReelStop[r] = part.FsReelStop[r];
        for (int row = 0; row < kRows; ++row) total.Window[row][r] = part.Window[row][r];
    }
    for (int line = 0; line <= kLines; ++line) {
        for (int i = 0; i < 3; ++i) total.LineResult[line][i] = part.LineResult[line][i];
    }
    total.InFreeSpins = part.InFreeSpins;
    total.FeatureWin = part.FeatureWin;
    total.FreeSpinsPlayed = part.FreeSpinsPlayed;
    total.LastFeatureWin = part.LastFeatureWin;
    total.FreeSpinNo = part.FreeSpinNo;
    total.SelectedReel = part.SelectedReel;
}

}  // namespace kragmoor
