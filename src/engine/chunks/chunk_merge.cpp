#include "engine/chunks/chunk_merge.h"

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

// The chunk counted its opening losses from a streak of 0; in the whole run they lengthen the
// streak the total ended with.
void JoinLossStreaks(RunState& total, const RunState& chunk) {
    for (int length = 0; length < kStreakSlots; ++length) {
        total.LossStreakHits[length] += chunk.LossStreakHits[length];
    }
    CountLosses(total.LossStreakHits, 0, chunk.OpeningLosses, -1);
    CountLosses(total.LossStreakHits, total.LossStreak, chunk.OpeningLosses, +1);
    total.LossStreak = chunk.OpeningWon ? chunk.LossStreak
                                        : (total.LossStreak + chunk.OpeningLosses) % kStreakSlots;
    if (!total.OpeningWon) {
        total.OpeningLosses += chunk.OpeningLosses;
        total.OpeningWon = chunk.OpeningWon;
    }
}

template <typename T, std::size_t N>
void AddCounts(T (&total)[N], const T (&chunk)[N]) {
    for (std::size_t i = 0; i < N; ++i) total[i] += chunk[i];
}

}  // namespace

void MergeChunk(RunState& total, const RunState& chunk) {
    for (int line = 0; line <= kLines; ++line) {
        for (int count = 0; count < kRunLengths; ++count) {
            AddCounts(total.HitCount[line][count], chunk.HitCount[line][count]);
            AddCounts(total.WinSum[line][count], chunk.WinSum[line][count]);
        }
    }
    JoinLossStreaks(total, chunk);
    total.Games = chunk.Games;
    total.WinAtGameStart = total.TotalWin + chunk.WinAtGameStart;
    total.TotalBet += chunk.TotalBet;
    total.TotalWin += chunk.TotalWin;
    total.WinEvents += chunk.WinEvents;
    total.FreeGames += chunk.FreeGames;
    total.FreeWin += chunk.FreeWin;
    total.JackpotLines += chunk.JackpotLines;
    total.FreeSpinsTotal += chunk.FreeSpinsTotal;
    // What the last game left: its stops, window and results, and a feature still open.
    for (int r = 0; r < kReels; ++r) {
        total.ReelStop[r] = chunk.ReelStop[r];
        total.FsReelStop[r] = chunk.FsReelStop[r];
        for (int row = 0; row < kRows; ++row) total.Window[row][r] = chunk.Window[row][r];
    }
    for (int line = 0; line <= kLines; ++line) {
        for (int i = 0; i < 3; ++i) total.LineOutcomes[line][i] = chunk.LineOutcomes[line][i];
    }
    total.InFreeSpins = chunk.InFreeSpins;
    total.FeatureWin = chunk.FeatureWin;
    total.FreeSpinsPlayed = chunk.FreeSpinsPlayed;
    total.LastFeatureWin = chunk.LastFeatureWin;
    total.FreeSpinNo = chunk.FreeSpinNo;
    total.FeatureSpins = chunk.FeatureSpins;
    total.SelectedReel = chunk.SelectedReel;
}

}  // namespace kragmoor
