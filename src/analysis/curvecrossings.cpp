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

    // The rate between r0 and r1 at which the difference is zero, where it
    // is d0 and d1 of other signs. On the polynomial in v = 1 / (1 + r),
    // Newton's steps from the chord's root, kept within the bracket (halving
    // it where a step would leave it), until the value is zero within its
    // rounding: a few values of the polynomial and its slope.
    double root(double r0, double r1, double d0, double d1) const
    {
        const auto f = [this](double rate) { return (*this)(rate); };
        if (!polynomial)
            return RateScan::refine(f, r0, r1, d0, d1);
        double lo = 1.0 / (1.0 + r1); // v falls as r rises
        double hi = 1.0 / (1.0 + r0);
        double plo = 0.0;
        double slope = 0.0;
        valueAt(lo, &plo, &slope);
        double phi = 0.0;
        valueAt(hi, &phi, &slope);
        if (plo == 0.0)
            return r1;
        if (phi == 0.0)
            return r0;
        if (!((plo < 0.0) != (phi < 0.0)) || !std::isfinite(plo) || !std::isfinite(phi))
            return RateScan::refine(f, r0, r1, d0, d1);
        const bool lowNegative = plo < 0.0;
        double x = lo - plo * (hi - lo) / (phi - plo);
        for (int step = 0; step < 100; ++step) {
            double p = 0.0;
            double noise = 0.0;
            valueAt(x, &p, &slope, &noise);
            // Zero within its rounding: the next digits of x are noise.
            if (std::fabs(p) <= noise)
                break;
            if ((p < 0.0) == lowNegative)
                lo = x;
            else
                hi = x;
            double next = x - p / slope;
            if (!(next > lo && next < hi))
                next = lo + (hi - lo) / 2;
            const bool done = std::fabs(next - x) <= 4 * DBL_EPSILON * x
                || hi - lo <= 4 * DBL_EPSILON * x;
            x = next;
            if (done)
                break;
        }
        return 1.0 / x - 1.0;
    }

private:
    // The polynomial sum c_k v^k and its derivative, by Horner's rule;
    // noise: the rounding error the value may carry.
    void valueAt(double v, double *value, double *slope, double *noise = nullptr) const
    {
        double p = 0.0;
        double dp = 0.0;
        double size = 0.0;
        for (auto c = net.crbegin(); c != net.crend(); ++c) {
            dp = dp * v + p;
            p = p * v + *c;
            size = size * v + std::fabs(*c);
        }
        *value = p;
        *slope = dp;
        if (noise)
            *noise = 4.0 * (static_cast<double>(net.size()) + 2.0) * DBL_EPSILON * size;
    }

    const FlowValuation &a;
    const FlowValuation &b;
    std::vector<double> net;
    bool polynomial = false;
};

// The changes of sign of every pair's difference from one sample to the
// next, found for all pairs at once: the curves sorted by their value at
// each sample, each order sorted from the one before by insertion, where
// every swap of two neighbours is one pair whose difference changes sign.
// Some two hundred sorts of nearly sorted curves instead of a scan of each
// pair's samples. A curve with a sample not finite or too large to
// subtract is left out, and a pair equal at some sample is marked tied:
// both are scanned pair by pair.
class Sweep
{
public:
    Sweep(const std::vector<std::vector<double>> &samples, size_t count, size_t length)
        : in(count, false)
    {
        std::vector<size_t> order;
        for (size_t c = 0; c < count; ++c) {
            bool usable = samples[c].size() == length;
            for (size_t j = 0; usable && j < length; ++j)
                usable = std::fabs(samples[c][j]) <= DBL_MAX / 2;
            in[c] = usable;
            if (usable)
                order.push_back(c);
        }
        for (size_t j = 0; j < length; ++j) {
            const auto value = [&samples, j](size_t c) { return samples[c][j]; };
            for (size_t i = 1; i < order.size(); ++i) {
                const size_t moving = order[i];
                const double v = value(moving);
                size_t k = i;
                for (; k > 0 && value(order[k - 1]) > v; --k) {
                    order[k] = order[k - 1];
                    if (j > 0)
                        flips.push_back({std::min(moving, order[k]), std::max(moving, order[k]), j});
                }
                order[k] = moving;
            }
            for (size_t i = 1; i < order.size(); ++i) {
                if (value(order[i]) != value(order[i - 1]))
                    continue;
                size_t first = i - 1;
                while (first > 0 && value(order[first - 1]) == value(order[i]))
                    --first;
                for (size_t x = first; x < i; ++x)
                    ties.emplace_back(std::min(order[x], order[i]), std::max(order[x], order[i]));
            }
        }
        std::stable_sort(flips.begin(), flips.end(), [](const Flip &x, const Flip &y) {
            return x.a != y.a ? x.a < y.a : x.b < y.b;
        });
        std::sort(ties.begin(), ties.end());
    }

    bool covers(size_t a, size_t b) const
    {
        return in[a] && in[b] && !std::binary_search(ties.begin(), ties.end(), std::make_pair(a, b));
    }

    // The samples just after each change of sign of b's value less a's,
    // a < b, ascending.
    void changes(size_t a, size_t b, std::vector<size_t> *out) const
    {
        out->clear();
        const Flip key{a, b, 0};
        auto f = std::lower_bound(flips.begin(), flips.end(), key, [](const Flip &x, const Flip &y) {
            return x.a != y.a ? x.a < y.a : x.b < y.b;
        });
        for (; f != flips.end() && f->a == a && f->b == b; ++f)
            out->push_back(f->sample);
    }

private:
    struct Flip {
        size_t a;
        size_t b;
        size_t sample;
    };
    std::vector<bool> in;
    std::vector<Flip> flips;
    std::vector<std::pair<size_t, size_t>> ties;
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
    const Sweep sweep(samples, count, rates.size());
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
            const auto gapAt = [&](size_t j) { return j < n ? samples[b][j] - samples[a][j] : 0.0; };
            const Gap gap(va, vb);
            const RateScan::Function f = [&gap](double rate) { return gap(rate); };
            const auto add = [&](double rate) {
                crossings.push_back(
                    {static_cast<int>(a), static_cast<int>(b), rate, va.quickNetWorth(rate)});
            };
            if (most == 1 && !rates.empty()) {
                // One crossing at most: there is one in the range when the
                // difference has other signs at its two ends.
                const double low = gapAt(0);
                const double high = gapAt(rates.size() - 1);
                if (std::isfinite(low) && std::isfinite(high) && low * high < 0.0)
                    add(RateScan::refine(f, rates.front(), rates.back(), low, high));
                continue;
            }
            // The changes of sign between samples, and whether some sample
            // is nearer zero than both neighbours of its sign, where the
            // curves may touch and part between samples: only then does
            // RateScan search the samples for such dips; otherwise its
            // answer is the changes of sign, each refined below. The
            // changes come from the sweep, and the dips are looked for only
            // where Descartes' rule leaves room for two more crossings; a
            // sample at zero or not finite leaves the pair to RateScan.
            const size_t last = rates.size();
            const bool plain = most >= 0 && sweep.covers(a, b);
            if (plain)
                sweep.changes(a, b, &changes);
            bool dip = false;
            const double *d = difference.data();
            if (!plain || changes.size() + 2 <= static_cast<size_t>(most)) {
                for (size_t j = 0; j < last; ++j)
                    difference[j] = gapAt(j);
                for (size_t j = 1; plain && j + 1 < last; ++j) {
                    const double m = std::fabs(d[j]);
                    dip |= (d[j] < 0.0) == (d[j - 1] < 0.0) && (d[j] < 0.0) == (d[j + 1] < 0.0)
                        && m < std::fabs(d[j - 1]) && m <= std::fabs(d[j + 1]);
                }
            }
            if (!plain || dip) {
                for (const double rate : RateScan::zeros(f, rates, difference, most))
                    add(rate);
                continue;
            }
            for (const size_t j : changes)
                add(gap.root(rates[j - 1], rates[j], gapAt(j - 1), gapAt(j)));
        }
    }
    return crossings;
}
