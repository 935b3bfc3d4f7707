#include "curvecrossings.h"

#include "ratescan.h"

#include <algorithm>
#include <cfloat>
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

// The net worth of b less that of a at a rate. Two laid-out curves are
// valued from the difference of their net payments, one Horner's rule
// instead of two: the refinement of a crossing values it a dozen times.
class Gap
{
public:
    Gap(const FlowValuation &a, const FlowValuation &b)
        : a(a)
        , b(b)
    {
        if (!a.laidOut() || !b.laidOut())
            return;
        const std::vector<double> &pa = a.netPayments();
        const std::vector<double> &pb = b.netPayments();
        net.assign(std::max(pa.size(), pb.size()), 0.0);
        for (size_t k = 0; k < net.size(); ++k)
            net[k] = (k < pb.size() ? pb[k] : 0.0) - (k < pa.size() ? pa[k] : 0.0);
        polynomial = true;
    }

    double operator()(double rate) const
    {
        if (!polynomial)
            return b.quickNetWorth(rate) - a.quickNetWorth(rate);
        const double v = 1.0 / (1.0 + rate);
        double sum = 0.0;
        for (auto c = net.crbegin(); c != net.crend(); ++c)
            sum = sum * v + *c;
        return sum;
    }

private:
    const FlowValuation &a;
    const FlowValuation &b;
    std::vector<double> net;
    bool polynomial = false;
};

} // namespace

std::vector<CurveCrossings::Crossing> CurveCrossings::find(
    const std::vector<FlowValuation> &valuations, const std::vector<long long> &horizons,
    const std::vector<double> &rates, const std::vector<std::vector<double>> &samples)
{
    std::vector<Crossing> crossings;
    const size_t count = std::min({valuations.size(), horizons.size(), samples.size()});
    std::vector<double> difference(rates.size());
    std::vector<size_t> changes; // the samples after each change of sign
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
            const size_t n = std::min({rates.size(), samples[a].size(), samples[b].size()});
            for (size_t j = 0; j < rates.size(); ++j)
                difference[j] = j < n ? samples[b][j] - samples[a][j] : 0.0;
            const Gap gap(va, vb);
            const RateScan::Function f = [&gap](double rate) { return gap(rate); };
            const auto add = [&](double rate) {
                crossings.push_back(
                    {static_cast<int>(a), static_cast<int>(b), rate, va.quickNetWorth(rate)});
            };
            if (most == 1 && !rates.empty()) {
                // One crossing at most: there is one in the range when the
                // difference has other signs at its two ends.
                const double low = difference.front();
                const double high = difference.back();
                if (std::isfinite(low) && std::isfinite(high) && low * high < 0.0)
                    add(RateScan::refine(f, rates.front(), rates.back(), low, high));
                continue;
            }
            // The changes of sign between samples, and whether some sample
            // is nearer zero than both neighbours of its sign, where the
            // curves may touch and part between samples: only then does
            // RateScan search the samples for such dips; otherwise its
            // answer is the changes of sign, refined below exactly as it
            // refines them: one pass over the samples instead of RateScan's
            // three. A sample at zero or not finite leaves the pair to
            // RateScan.
            bool plain = true;
            bool dip = false;
            changes.clear();
            const double *d = difference.data();
            const size_t last = rates.size();
            for (size_t j = 0; j < last; ++j) {
                const double m = std::fabs(d[j]);
                plain &= m <= DBL_MAX && m != 0.0;
                if (j == 0)
                    continue;
                if ((d[j] < 0.0) != (d[j - 1] < 0.0))
                    changes.push_back(j);
                else if (j + 1 < last)
                    dip |= (d[j] < 0.0) == (d[j + 1] < 0.0) && m < std::fabs(d[j - 1])
                        && m <= std::fabs(d[j + 1]);
            }
            if (!plain || (dip && (most < 0 || changes.size() + 2 <= static_cast<size_t>(most)))) {
                for (const double rate : RateScan::zeros(f, rates, difference, most))
                    add(rate);
                continue;
            }
            for (const size_t j : changes)
                add(RateScan::refine(f, rates[j - 1], rates[j], difference[j - 1], difference[j]));
        }
    }
    return crossings;
}
