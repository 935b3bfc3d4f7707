#ifndef RATEOFRETURN_H
#define RATEOFRETURN_H

#include "cashflow.h"
#include "flowvaluation.h"

#include <vector>

// Internal rate of return (TIR) of an alternative: the rates r > -1 at which
// its net worth, income less expenses, is zero.
//
// The net worth is valued as the VPN is: every payment of every flow. A flow
// whose sign changes more than once can have several such rates, or none.
// With perpetual series, only the rates at which each of them converges
// are searched.
class RateOfReturn
{
public:
    // The rates searched: kLowest < r <= kHighest.
    static constexpr double kLowest = -0.99;
    static constexpr double kHighest = 100.0;

    // Every rate in the range at which the net worth changes sign, ascending,
    // each to full double precision in 1 + r. A rate where the net worth only
    // touches zero (a double root) is not one. Empty when there is none.
    static std::vector<double> rates(const std::vector<CashFlow> &income,
                                     const std::vector<CashFlow> &expenses);
    static std::vector<double> rates(const FlowValuation &valuation);
};

#endif // RATEOFRETURN_H
