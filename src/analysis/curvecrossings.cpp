#include "curvecrossings.h"

#include "ratescan.h"

#include <algorithm>
#include <cmath>

namespace {

// Changes of sign of b - a, payment by payment: by Descartes' rule the most
// times the two curves can cross at rates above -100 %.
int mostCrossings(const std::vector<double> &a, const std::vector<double> &b)
{
    int changes = 0;
    int last = 0;
    for (size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
        const double d = (k < b.size() ? b[k] : 0.0) - (k < a.size() ? a[k] : 0.0);
        const int sign = d > 0.0 ? 1 : d < 0.0 ? -1 : 0;
        if (sign != 0) {
            changes += last != 0 && sign != last;
            last = sign;
        }
    }
    return changes;
}

} // namespace

std::vector<CurveCrossings::Crossing> CurveCrossings::find(
    const std::vector<FlowValuation> &valuations, const std::vector<long long> &horizons,
    const std::vector<double> &rates, const std::vector<std::vector<double>> &samples)
{
    std::vector<Crossing> crossings;
    const size_t count = std::min({valuations.size(), horizons.size(), samples.size()});
    std::vector<double> difference(rates.size());
    for (size_t a = 0; a < count; ++a) {
        for (size_t b = a + 1; b < count; ++b) {
            if (horizons[a] != horizons[b])
                continue;
            const FlowValuation &va = valuations[a];
            const FlowValuation &vb = valuations[b];
            const int most = va.laidOut() && vb.laidOut()
                ? mostCrossings(va.netPayments(), vb.netPayments())
                : -1;
            if (most == 0)
                continue;
            for (size_t j = 0; j < rates.size(); ++j) {
                difference[j] = j < samples[b].size() && j < samples[a].size()
                    ? samples[b][j] - samples[a][j]
                    : 0.0;
            }
            const auto f = [&va, &vb](double rate) {
                return vb.quickNetWorth(rate) - va.quickNetWorth(rate);
            };
            if (most == 1 && !rates.empty()) {
                // One crossing at most: there is one in the range when the
                // difference has other signs at its two ends.
                const double low = difference.front();
                const double high = difference.back();
                if (std::isfinite(low) && std::isfinite(high) && low * high < 0.0) {
                    const double rate = RateScan::refine(f, rates.front(), rates.back(), low, high);
                    crossings.push_back(
                        {static_cast<int>(a), static_cast<int>(b), rate, va.quickNetWorth(rate)});
                }
                continue;
            }
            for (const double rate : RateScan::zeros(f, rates, difference, most)) {
                crossings.push_back(
                    {static_cast<int>(a), static_cast<int>(b), rate, va.quickNetWorth(rate)});
            }
        }
    }
    return crossings;
}
