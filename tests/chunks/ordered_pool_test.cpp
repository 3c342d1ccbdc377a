// The pool behind runs on several threads: results come back in job order whatever thread
// finished first, a stop drops what was made past it, and a job's exception reaches the caller.
#include "engine/chunks/ordered_pool.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kragmoor {
namespace {

using Pool = OrderedPool<std::int64_t, std::int64_t>;
using Results = std::vector<std::int64_t>;

const Pool::Make kIndex = [](std::int64_t index) { return index; };

// Takes every result into `taken` until it takes `last`.
Pool::Take TakeUntil(Results& taken, std::int64_t last = -1) {
    return [&taken, last](std::int64_t& result) {
        taken.push_back(result);
        return result != last;
    };
}

TEST(OrderedPool, ResultsComeBackInJobOrder) {
    // Uneven work, so that threads finish out of order.
    const Pool::Play play = [](std::int64_t& job) {
        std::int64_t x = job;
        for (std::int64_t i = 0; i < (job % 7) * 20000; ++i) x = (x * 31 + i) % 1000003;
        return job * 1000 + (x >= 0 ? 0 : 1);
    };
    Results want;
    for (std::int64_t i = 0; i < 200; ++i) want.push_back(i * 1000);
    for (const int threads : {1, 2, 3, 8}) {
        Results taken;
        std::int64_t made = 0;
        const Pool::Make make = [&made](std::int64_t index) {
            EXPECT_EQ(index, made++);  // made in order, one at a time
            return index;
        };
        Pool::Run(threads, 200, 2 * threads, make, play, TakeUntil(taken));
        EXPECT_EQ(taken, want) << threads << " threads";
    }
}

TEST(OrderedPool, AStopDropsTheRestAndJobsStayWithinTheWindow) {
    Results taken;
    std::int64_t made = 0;
    const Pool::Make make = [&made](std::int64_t index) { return ++made, index; };
    Pool::Run(
        4, 1000, 5, make, [](std::int64_t& job) { return job; }, TakeUntil(taken, 9));
    EXPECT_EQ(taken, (Results{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_LE(made, 10 + 5);  // no job is handed out more than 5 past the next one to be taken
}

TEST(OrderedPool, AJobsExceptionReachesTheCallerInItsTurn) {
    Results taken;
    const Pool::Play play = [](std::int64_t& job) -> std::int64_t {
        if (job == 6) throw std::runtime_error("job 6 failed");
        return job;
    };
    try {
        Pool::Run(3, 50, 6, kIndex, play, TakeUntil(taken));
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "job 6 failed");
    }
    EXPECT_EQ(taken, (Results{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace kragmoor
