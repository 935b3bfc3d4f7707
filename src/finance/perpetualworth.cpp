#include "perpetualworth.h"

#include "interestfactors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool paysNothing(const CashFlow &flow)
{
    return flow.amount == 0.0 && (flow.kind != CashFlow::Arithmetic || flow.change == 0.0);
}

// c / d^power, a worth one period before the first payment in period
// `first`, brought to period 0 at the rate i. Through logarithms where the
// plain quotient or the discount leaves the range of a double on the way
// (no figure is NaN here).
double moved(double c, double d, int power, double i, int first)
{
    if (c == 0.0)
        return 0.0;
    const double quotient = power == 1 ? c / d : c / d / d;
    const double plain = discountToPresent(i, first - 1, quotient);
    if (std::isfinite(plain) && plain != 0.0)
        return plain;
    const double logWorth = std::log(std::fabs(c)) - power * std::log(std::fabs(d))
        - (first - 1.0) * std::log1p(i);
    const bool negative = (c < 0.0) != (d < 0.0 && power % 2 != 0);
    return negative ? -std::exp(logWorth) : std::exp(logWorth);
}

} // namespace

double lowestConvergingRate(const CashFlow &flow)
{
    if (!flow.perpetual || flow.kind == CashFlow::Single || paysNothing(flow))
        return -1.0;
    if (flow.kind == CashFlow::Geometric)
        return std::fabs(1.0 + flow.change) - 1.0;
    return 0.0;
}

bool perpetualConverges(const CashFlow &flow, double i)
{
    return i > lowestConvergingRate(flow) && i > -1.0;
}

double perpetualFlowWorth(const CashFlow &flow, double i)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    if (std::isnan(i) || std::isnan(flow.amount) || std::isnan(flow.change))
        return nan;
    if (paysNothing(flow))
        return 0.0;
    if (!perpetualConverges(flow, i)) {
        // What the payments come to in the end: the gradient outgrows the
        // first payment; a growth below -200 % alternates the signs.
        if (flow.kind == CashFlow::Geometric && 1.0 + flow.change < 0.0)
            return nan;
        const double last =
            flow.kind == CashFlow::Arithmetic && flow.change != 0.0 ? flow.change : flow.amount;
        return last > 0.0 ? inf : -inf;
    }
    const int first = std::max(flow.start, 0);
    switch (flow.kind) {
    case CashFlow::Uniform:
        return moved(flow.amount, i, 1, i, first);
    case CashFlow::Arithmetic:
        return moved(flow.amount, i, 1, i, first) + moved(flow.change, i, 2, i, first);
    case CashFlow::Geometric:
        return moved(flow.amount, i - flow.change, 1, i, first);
    case CashFlow::Single:
    case CashFlow::Asset:
    case CashFlow::Loan:
        break;
    }
    return nan;
}
