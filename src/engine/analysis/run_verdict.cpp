#include "engine/analysis/run_verdict.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kragmoor {

namespace {

constexpr double kPassZ = 1.96;
constexpr double kWarnZ = 2.576;

}  // namespace

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::kPass:
            return "pass";
        case Verdict::kWarn:
            return "warn";
        case Verdict::kFail:
            return "fail";
        case Verdict::kNone:
            break;
    }
    return "none";
}

RunVerdict JudgeRun(double exact_rtp_percent, double sd_per_game, double simulated_rtp_percent,
                    std::int64_t games) {
    RunVerdict v;
    v.exact_rtp_percent = exact_rtp_percent;
    v.z_score = std::numeric_limits<double>::quiet_NaN();
    if (games <= 0 || !std::isfinite(exact_rtp_percent) || !std::isfinite(sd_per_game) ||
        !std::isfinite(simulated_rtp_percent)) {
        return v;
    }
    const double off = simulated_rtp_percent - exact_rtp_percent;
    const double standard_error = 100.0 * sd_per_game / std::sqrt(static_cast<double>(games));
    if (standard_error > 0) {
        v.z_score = off / standard_error;
    } else {
        // Without spread every run returns exactly the RTP, up to the rounding of the figures.
        const bool same = std::fabs(off) <= 1e-9 * std::max(1.0, std::fabs(exact_rtp_percent));
        v.z_score = same ? 0.0 : std::copysign(std::numeric_limits<double>::infinity(), off);
    }
    const double z = std::fabs(v.z_score);
    v.verdict = z <= kPassZ ? Verdict::kPass : z <= kWarnZ ? Verdict::kWarn : Verdict::kFail;
    return v;
}

}  // namespace kragmoor
