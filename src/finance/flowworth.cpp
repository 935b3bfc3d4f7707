#include "flowworth.h"

#include "interestfactors.h"

#include <algorithm>

namespace {

// Payments from period 0 on: n + s of them when the start lies in the past.
long long paymentsFromPresent(int n, int s)
{
    return static_cast<long long>(n) + std::min(s, 0);
}

// A series valued as paying at the ends of periods 1 to m stands at period
// 0; its first payment really falls at `first` (0 or later).
double placeSeries(double i, int first, double seriesWorth)
{
    if (first == 0)
        return seriesWorth * (1.0 + i);
    if (first > 1)
        return discountToPresent(i, first - 1, seriesWorth);
    return seriesWorth;
}

} // namespace

double uniformFlowWorth(double i, double A, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    return placeSeries(i, std::max(s, 0), uniformSeriesWorth(i, static_cast<int>(m), A, false));
}

double arithmeticFlowWorth(double i, double A, double G, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    return placeSeries(i, std::max(s, 0),
                       arithmeticGradientWorth(i, static_cast<int>(m), G, false, A));
}

double geometricFlowWorth(double i, double A1, double g, int n, int s)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    return placeSeries(i, std::max(s, 0),
                       geometricGradientWorth(i, static_cast<int>(m), A1, g, false));
}
