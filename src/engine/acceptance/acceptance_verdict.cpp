#include "engine/acceptance/acceptance_verdict.h"

namespace kragmoor::acceptance {

Verdict Judge(const std::vector<TestResult>& results) {
    Verdict v;
    v.tests = static_cast<int>(results.size());
    v.family_bound = v.tests > 0 ? kSignificance / v.tests : kSignificance;
    for (const TestResult& r : results) {
        if (!r.passed) ++v.failed;
        if (r.p_value < v.family_bound) ++v.below_family_bound;
    }
    v.passed = v.below_family_bound == 0;
    return v;
}

}  // namespace kragmoor::acceptance
