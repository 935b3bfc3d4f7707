#include "flowworth.h"

#include "interestfactors.h"

#include <algorithm>

// The factors value a series of m payments at the ends of periods 1 to m, at
// period 0. A flow starting at s >= 1 is that series seen from period s - 1.
// A flow whose first payment falls now is that payment plus a series of the
// m - 1 that follow; valuing the whole series a period early and compounding
// it forward would overflow on the way when 1 + i is tiny.

namespace {

// Payments from period 0 on: n + s of them when the start lies in the past.
long long paymentsFromPresent(int n, int s)
{
    return static_cast<long long>(n) + std::min(s, 0);
}

// Brings the worth of a series at period s - 1 back to period 0.
double fromPeriodBefore(double i, int s, double seriesWorth)
{
    return s > 1 ? discountToPresent(i, s - 1, seriesWorth) : seriesWorth;
}

} // namespace

double uniformFlowWorth(double i, double A, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    if (s <= 0)
        return A + uniformSeriesWorth(i, static_cast<int>(m - 1), A, false);
    return fromPeriodBefore(i, s, uniformSeriesWorth(i, static_cast<int>(m), A, false));
}

double arithmeticFlowWorth(double i, double A, double G, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    if (s <= 0)
        return A + arithmeticGradientWorth(i, static_cast<int>(m - 1), G, false, A + G);
    return fromPeriodBefore(i, s, arithmeticGradientWorth(i, static_cast<int>(m), G, false, A));
}

double geometricFlowWorth(double i, double A1, double g, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    if (s <= 0)
        return A1 + geometricGradientWorth(i, static_cast<int>(m - 1), A1 * (1.0 + g), g, false);
    return fromPeriodBefore(i, s, geometricGradientWorth(i, static_cast<int>(m), A1, g, false));
}
