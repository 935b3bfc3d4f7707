#include "payback.h"

#include <cmath>

double paybackPeriod(const std::vector<double> &netPayments, double rate)
{
    if (!std::isfinite(rate) || !(rate > -1.0))
        return std::numeric_limits<double>::quiet_NaN();
    const long double v = 1.0L / (1.0L + rate);
    long double factor = 1.0L;
    long double sum = 0.0L;
    long double lastNegative = 0.0L; // the cumulative sum there
    long double nextStep = 0.0L;     // the discounted payment after it
    long long last = -1;
    for (size_t k = 0; k < netPayments.size(); ++k) {
        const double c = netPayments[k];
        if (!std::isfinite(c))
            return std::numeric_limits<double>::quiet_NaN();
        const long double step = c * factor;
        if (last == static_cast<long long>(k) - 1 && last >= 0)
            nextStep = step;
        sum += step;
        if (sum < 0.0L) {
            last = static_cast<long long>(k);
            lastNegative = sum;
        }
        factor *= v;
    }
    if (last < 0)
        return 0.0;
    if (last + 1 >= static_cast<long long>(netPayments.size()))
        return PaybackNever;
    return static_cast<double>(last + (-lastNegative / nextStep));
}
