// What the outcomes of a game round add to the run state's counters, the end of a feature and the
// loss streaks. The line bookings are inline: the game rounds book every line of every game.
#pragma once

#include <cstdint>

#include "engine/records/run_logs.h"
#include "engine/rules/line_codes.h"
#include "model/game_model.h"

namespace kragmoor {

// Every line of a base game counts its outcome.
inline void CountLineOutcome(RunState& st, int line, const CodeOutcome& outcome) {
    ++st.HitCount[line][outcome.count][outcome.symbol];
}

// A base game's paying line (or line of five wilds): its win and one win event.
inline void BookLineWin(RunState& st, int line, const CodeOutcome& outcome) {
    st.WinSum[line][outcome.count][outcome.symbol] += outcome.win;
    st.TotalWin += outcome.win;
    ++st.WinEvents;
}

// The scatter outcome of a base game: `count` scatters (capped at 5) counted, and from two on
// their win in credits and one win event.
inline void CountScatterOutcome(RunState& st, int count) {
    ++st.HitCount[kScatterLine][count][kScatter];
}
inline void BookScatterWin(RunState& st, int count, std::int64_t win) {
    st.WinSum[kScatterLine][count][kScatter] += win;
    st.TotalWin += win;
    ++st.WinEvents;
}

// The feature's last free spin has been played: its win is booked at once into TotalWin, FreeWin
// and the statistics (under five scatters on the scatter line), and LastFeatureWin keeps it in
// units of the total bet for its record.
void EndFeature(RunState& st);

// A feature that has ended is recorded with the number of the game that triggered it.
void WriteFeatureRecord(RunState& st, RunLogs& logs, std::int64_t trigger_game);
// After a base game: a feature that ended since the previous base game is recorded now (its
// trigger is the game before this).
inline void RecordFinishedFeature(RunState& st, RunLogs& logs) {
    if (st.FreeSpinsPlayed > 0) [[unlikely]]
        WriteFeatureRecord(st, logs, st.Games - 1);
}

// After every complete game round (a base game without a trigger, or a feature's end): a round
// that won nothing lengthens the loss streak and counts it, a won round counts at 0. The 50th
// loss in a row restarts the streak uncounted.
inline void UpdateLossStreak(RunState& st) {
    if (st.TotalWin == st.WinAtGameStart) {
        st.OpeningLosses += st.OpeningWon ? 0 : 1;
        if (++st.LossStreak == kStreakSlots) {
            st.LossStreak = 0;
        } else {
            ++st.LossStreakHits[st.LossStreak];
        }
    } else {
        st.LossStreak = 0;
        ++st.LossStreakHits[0];
        st.OpeningWon = true;
    }
}

}  // namespace kragmoor
