// The p-values of the acceptance tests: the chance, were the stops uniform and independent, of a
// statistic at least as far from its expected value as the one observed.
#pragma once

namespace kragmoor::acceptance {

// Q(a, x) = Gamma(a, x) / Gamma(a), the regularized upper incomplete gamma function, for a > 0
// and x >= 0.
double RegularizedUpperGamma(double a, double x);

// P(X >= statistic) for X chi-square distributed with `degrees` degrees of freedom (>= 1).
double ChiSquarePValue(double statistic, double degrees);

// P(|Z| >= |z|) for Z standard normal.
double NormalPValue(double z);

}  // namespace kragmoor::acceptance
