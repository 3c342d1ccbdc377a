// A run's verdict against theory: how many standard errors its return lies from the exact one.
// The mean of N independent games has the standard deviation sd / sqrt(N), so
// z = (simulated RTP - exact RTP) / (sd / sqrt(N)); a run passes within 1.96 (95 %), warns
// within 2.576 (99 %) and fails beyond.
#pragma once

#include <cstdint>

namespace kragmoor {

enum class Verdict {
    kPass,
    kWarn,
    kFail,
    kNone,  // no theory to judge by: no game played, or an infinite return or deviation
};

struct RunVerdict {
    double exact_rtp_percent = 0;
    double z_score = 0;  // not a number with kNone
    Verdict verdict = Verdict::kNone;
};

// "pass", "warn", "fail" or "none".
const char* VerdictText(Verdict verdict);

// `sd_per_game` in bets (ExactAnalysis::sd_per_game), the returns in percent. A game that
// always wins the same (sd 0) passes only at its exact return.
RunVerdict JudgeRun(double exact_rtp_percent, double sd_per_game, double simulated_rtp_percent,
                    std::int64_t games);

}  // namespace kragmoor
