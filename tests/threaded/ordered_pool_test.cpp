// The pool behind runs on several threads: results come back in job order whatever thread
// finished first, a stop drops what was made past it, and a job's exception reaches the caller.
#include "cli/ordered_pool.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace kragmoor::cli {
namespace {

using Pool = OrderedPool<std::int64_t, std::int64_t>;

TEST(OrderedPool, ResultsComeBackInJobOrder) {
    for (const int threads : {1, 2, 3, 8}) {
        std::vector<std::int64_t> taken;
        std::int64_t made = 0;
        const Pool::Make make = [&](std::int64_t index) {
            EXPECT_EQ(index, made++);  // made in order, one at a time
            return index;
        };
        // Uneven work, so that threads finish out of order.
        const Pool::Play play = [](std::int64_t& job) {
            std::int64_t x = job;
            for (std::int64_t i = 0; i < (job % 7) * 20000; ++i) x = (x * 31 + i) % 1000003;
            return job * 1000 + (x >= 0 ? 0 : 1);
        };
        const Pool::Take take = [&](std::int64_t& result) {
            taken.push_back(result);
            return true;
        };
        Pool::Run(threads, 200, 2 * threads, make, play, take);
        ASSERT_EQ(taken.size(), 200u) << threads << " threads";
        for (std::int64_t i = 0; i < 200; ++i)
            EXPECT_EQ(taken[static_cast<std::size_t>(i)], i * 1000);
    }
}

TEST(OrderedPool, AStopDropsTheRestAndJobsStayWithinTheWindow) {
    std::int64_t made = 0;
    std::vector<std::int64_t> taken;
    const Pool::Make make = [&](std::int64_t index) {
        ++made;
        return index;
    };
    const Pool::Play play = [](std::int64_t& job) { return job; };
    const Pool::Take take = [&](std::int64_t& result) {
        taken.push_back(result);
        return result < 9;
    };
    Pool::Run(4, 1000, 5, make, play, take);
    EXPECT_EQ(taken, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // No job is handed out more than 5 past the next one to be taken.
    EXPECT_LE(made, 10 + 5);
}

TEST(OrderedPool, AJobsExceptionReachesTheCallerInItsTurn) {
    std::vector<std::int64_t> taken;
    const Pool::Make make = [](std::int64_t index) { return index; };
    const Pool::Play play = [](std::int64_t& job) -> std::int64_t {
        if (job == 6) throw std::runtime_error("job 6 failed");
        return job;
    };
    const Pool::Take take = [&](std::int64_t& result) {
        taken.push_back(result);
        return true;
    };
    try {
        Pool::Run(3, 50, 6, make, play, take);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "job 6 failed");
    }
    EXPECT_EQ(taken, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace kragmoor::cli
