#include "engine/acceptance/p_values.h"

#include <cmath>
#include <limits>

namespace kragmoor::acceptance {

namespace {

constexpr int kMaxTerms = 10000;
constexpr double kEpsilon = 1e-15;

// P(a, x) by its power series, which converges quickly for x < a + 1.
double LowerBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxTerms; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by its continued fraction (modified Lentz), which converges quickly for x >= a + 1.
double UpperByFraction(double a, double x) {
    constexpr double tiny = std::numeric_limits<double>::min() / kEpsilon;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int n = 1; n < kMaxTerms; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny) d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny) c = tiny;
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kEpsilon) break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

}  // namespace

double RegularizedUpperGamma(double a, double x) {
    if (x <= 0) return 1.0;
    if (x < a + 1.0) return 1.0 - LowerBySeries(a, x);
    return UpperByFraction(a, x);
}

double ChiSquarePValue(double statistic, double degrees) {
    return RegularizedUpperGamma(degrees / 2.0, statistic / 2.0);
}

double NormalPValue(double z) {
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

}  // namespace kragmoor::acceptance
