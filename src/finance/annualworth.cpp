#include "annualworth.h"

#include "interestfactors.h"

#include <cmath>
#include <limits>

double annualWorth(double vpn, double i, int n)
{
    if (n <= 0 || std::isnan(i))
        return std::numeric_limits<double>::quiet_NaN();
    if (i == 0.0)
        return vpn / n;
    if (!(i > -1.0)) { // no logarithm: the textbook form as it stands
        const double f = compoundFactor(i, n);
        return vpn * i * f / (f - 1.0);
    }
    // i / (1 - (1 + i)^-n), written so that it keeps the rate's digits near
    // i = 0 and neither overflows nor cancels over long horizons.
    const double y = -static_cast<double>(n) * std::log1p(i);
    return vpn * (i / -std::expm1(y));
}

double perpetualAnnualWorth(double vpn, double i)
{
    if (!(i > 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    return vpn * i;
}
