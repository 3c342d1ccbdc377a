#include "engine/records/bookings.h"

namespace kragmoor {

void EndFeature(RunState& st) {
    st.InFreeSpins = false;
    st.FreeSpinNo = 0;
    st.FeatureSpins = 0;
    st.FreeWin += st.FeatureWin;
    st.LastFeatureWin = static_cast<float>(static_cast<double>(st.FeatureWin) / kTotalBet);
    st.TotalWin += st.FeatureWin;
    st.WinSum[kScatterLine][kMaxScatters][kScatter] += st.FeatureWin;
    st.FeatureWin = 0;
}

void WriteFeatureRecord(RunState& st, RunLogs& logs, std::int64_t trigger_game) {
    logs.Feature(trigger_game, st.FreeSpinsPlayed, st.LastFeatureWin);
    st.FreeSpinsPlayed = 0;
}

}  // namespace kragmoor
