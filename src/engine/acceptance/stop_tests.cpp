#include "engine/acceptance/stop_tests.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/acceptance/p_values.h"

namespace kragmoor::acceptance {

namespace {

// What one reel's draws leave behind. A stop s of a strip of length L is kept centred as
// y = 2 s - (L - 1), so that the sums stay small and exact: a correlation does not change under
// a shift and a scale.
struct ReelSums {
    int length = 0;
    std::vector<std::int64_t> frequency;
    std::int64_t sum = 0, squares = 0;  // of y
    std::int64_t lagged = 0;            // y_i y_(i+1)
    std::int64_t first = 0, last = 0;
    std::int64_t below = 0, above = 0, runs = 0;
    int side = 0;  // of the last stop off the median: -1 below, +1 above, 0 none yet

    void Add(int stop, bool first_draw) {
        ++frequency[static_cast<std::size_t>(stop)];
        const std::int64_t y = 2 * std::int64_t{stop} - (length - 1);
        if (first_draw) {
            first = y;
        } else {
            lagged += last * y;
        }
        last = y;
        sum += y;
        squares += y * y;
        if (y == 0) return;  // the middle stop of an odd strip is neither above nor below
        const int now = y < 0 ? -1 : 1;
        (now < 0 ? below : above) += 1;
        if (now != side) ++runs;
        side = now;
    }
};

TestResult Result(StopTest test, int reel, int other, double statistic, double p, int df = 0) {
    return {test, reel, other, statistic, df, p, p >= kSignificance};
}

TestResult ChiSquare(const ReelSums& r, int reel, std::int64_t draws) {
    const double expected = static_cast<double>(draws) / r.length;
    double chi = 0;
    for (const std::int64_t f : r.frequency) {
        const double d = static_cast<double>(f) - expected;
        chi += d * d / expected;
    }
    return Result(StopTest::kChiSquare, reel, -1, chi, ChiSquarePValue(chi, r.length - 1),
                  r.length - 1);
}

// Wald and Wolfowitz: n1 stops below and n2 above give 2 n1 n2 / n + 1 runs on average, with
// variance 2 n1 n2 (2 n1 n2 - n) / (n^2 (n - 1)). Stops all on one side make no test: fail.
TestResult Runs(const ReelSums& r, int reel) {
    const double n1 = static_cast<double>(r.below), n2 = static_cast<double>(r.above);
    const double n = n1 + n2;
    const double mean = 2 * n1 * n2 / n + 1;
    const double variance = 2 * n1 * n2 * (2 * n1 * n2 - n) / (n * n * (n - 1));
    if (!(variance > 0)) return Result(StopTest::kRuns, reel, -1, 0, 0);
    const double z = (static_cast<double>(r.runs) - mean) / std::sqrt(variance);
    return Result(StopTest::kRuns, reel, -1, z, NormalPValue(z));
}

// r = covariance / spread of n independent pairs is about normal with mean `expected` and
// variance 1 / n.
TestResult Correlation(StopTest test, int reel, int other, double covariance, double spread,
                       double n, double expected) {
    if (!(spread > 0)) return Result(test, reel, other, 0, 0);  // a reel that never moves
    const double r = covariance / spread;
    return Result(test, reel, other, r, NormalPValue((r - expected) * std::sqrt(n)));
}

// Lag 1: sum over i < n of (y_i - m)(y_(i+1) - m) over sum of (y_i - m)^2, whose mean for
// independent stops is -1/n.
TestResult Serial(const ReelSums& r, int reel, std::int64_t draws) {
    const double n = static_cast<double>(draws);
    const double m = static_cast<double>(r.sum) / n;
    const double head = static_cast<double>(r.sum - r.last);   // y_1 .. y_(n-1)
    const double tail = static_cast<double>(r.sum - r.first);  // y_2 .. y_n
    const double covariance = static_cast<double>(r.lagged) - m * (head + tail) + (n - 1) * m * m;
    const double variance = static_cast<double>(r.squares) - n * m * m;
    return Correlation(StopTest::kSerialCorrelation, reel, -1, covariance, variance, n, -1.0 / n);
}

TestResult BetweenReels(const ReelSums& a, const ReelSums& b, std::int64_t products, int left,
                        int right, std::int64_t draws) {
    const double n = static_cast<double>(draws);
    const double ma = static_cast<double>(a.sum) / n, mb = static_cast<double>(b.sum) / n;
    const double covariance = static_cast<double>(products) - n * ma * mb;
    const double va = static_cast<double>(a.squares) - n * ma * ma;
    const double vb = static_cast<double>(b.squares) - n * mb * mb;
    return Correlation(StopTest::kReelCorrelation, left, right, covariance, std::sqrt(va * vb), n,
                       0.0);
}

void CheckArguments(std::span<const int> lengths, std::int64_t draws) {
    if (draws < 2) throw std::invalid_argument("the acceptance tests need 2 draws or more");
    for (const int length : lengths) {
        if (length < 2) throw std::invalid_argument("a strip of the acceptance tests is too short");
    }
}

}  // namespace

std::vector<TestResult> TestStops(std::span<const int> lengths, std::int64_t draws,
                                  const StopSource& next_stop) {
    CheckArguments(lengths, draws);
    const std::size_t reels = lengths.size();
    std::vector<ReelSums> sums(reels);
    for (std::size_t r = 0; r < reels; ++r) {
        sums[r].length = lengths[r];
        sums[r].frequency.assign(static_cast<std::size_t>(lengths[r]), 0);
    }
    // products[a * reels + b], a < b: the sum of y_a y_b over the tuples.
    std::vector<std::int64_t> products(reels * reels, 0);
    std::vector<std::int64_t> tuple(reels, 0);
    for (std::int64_t d = 0; d < draws; ++d) {
        for (std::size_t r = 0; r < reels; ++r) {
            const int stop = next_stop(static_cast<int>(r));
            if (stop < 0 || stop >= lengths[r]) {
                throw std::out_of_range("stop " + std::to_string(stop) + " of reel " +
                                        std::to_string(r) + " is off its strip");
            }
            sums[r].Add(stop, d == 0);
            tuple[r] = sums[r].last;
        }
        for (std::size_t a = 0; a < reels; ++a) {
            for (std::size_t b = a + 1; b < reels; ++b)
                products[a * reels + b] += tuple[a] * tuple[b];
        }
    }
    std::vector<TestResult> results;
    for (std::size_t r = 0; r < reels; ++r) {
        const int reel = static_cast<int>(r);
        results.push_back(ChiSquare(sums[r], reel, draws));
        results.push_back(Runs(sums[r], reel));
        results.push_back(Serial(sums[r], reel, draws));
    }
    for (std::size_t a = 0; a < reels; ++a) {
        for (std::size_t b = a + 1; b < reels; ++b) {
            results.push_back(BetweenReels(sums[a], sums[b], products[a * reels + b],
                                           static_cast<int>(a), static_cast<int>(b), draws));
        }
    }
    return results;
}

}  // namespace kragmoor::acceptance
