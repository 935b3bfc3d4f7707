#include "modifiedrate.h"

#include <cmath>
#include <limits>

double modifiedRateOfReturn(const std::vector<double> &netPayments, double rate, long long periods)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (periods <= 0 || !std::isfinite(rate) || !(rate > -1.0))
        return nan;
    // Both sums at period 0 in long double, Horner's rule from the last
    // period down; then TIRM = (1 + i) (PV+ / PV-)^(1/N) - 1, which never
    // raises (1 + i) to the N-th power on its own.
    const long double v = 1.0L / (1.0L + rate);
    long double gains = 0.0L;
    long double costs = 0.0L;
    for (auto c = netPayments.crbegin(); c != netPayments.crend(); ++c) {
        if (!std::isfinite(*c))
            return nan;
        gains = gains * v + (*c > 0.0 ? *c : 0.0);
        costs = costs * v + (*c < 0.0 ? -*c : 0.0);
    }
    if (!(gains > 0.0L) || !(costs > 0.0L))
        return nan;
    const long double growth = std::log(gains / costs) / static_cast<long double>(periods);
    return static_cast<double>((1.0L + rate) * std::exp(growth) - 1.0L);
}

double modifiedRateOfReturn(const std::vector<double> &netPayments, double rate)
{
    return modifiedRateOfReturn(netPayments, rate, static_cast<long long>(netPayments.size()) - 1);
}
