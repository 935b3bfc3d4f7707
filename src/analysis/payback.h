#ifndef PAYBACK_H
#define PAYBACK_H

#include <limits>
#include <vector>

// Payback period of the net payments c_0, c_1, ... discounted at the rate i
// (i = 0: simple payback, PR; the opportunity rate: discounted, PRD): the
// period from which the cumulative sum of c_k / (1 + i)^k is never negative
// again, the fraction of the period before it interpolated linearly between
// the last negative cumulative sum and the next one. 0 when no cumulative
// sum is negative; PaybackNever when the last one is; NaN when i <= -1, i is
// not finite or a payment is not finite.
constexpr double PaybackNever = std::numeric_limits<double>::infinity();

double paybackPeriod(const std::vector<double> &netPayments, double rate);

#endif // PAYBACK_H
