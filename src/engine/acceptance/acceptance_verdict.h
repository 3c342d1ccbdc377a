// The overall verdict of an acceptance report. Each test is judged at 1 %, so of many tests of a
// fair generator about one in a hundred fails by chance alone: a report of 50 tests shows at
// least one such failure four times in ten. The verdict therefore holds the family of tests to
// 99 % (Bonferroni): the stops pass when no p-value falls below 1 % divided by the number of
// tests, which a fair generator does in at least 99 reports of 100.
#pragma once

#include <vector>

#include "engine/acceptance/stop_tests.h"

namespace kragmoor::acceptance {

struct Verdict {
    int tests = 0;
    int failed = 0;           // below kSignificance, each on its own
    double family_bound = 0;  // kSignificance / tests
    int below_family_bound = 0;
    bool passed = true;  // none below the family bound
};

Verdict Judge(const std::vector<TestResult>& results);

}  // namespace kragmoor::acceptance
