#include "rateofreturn.h"

#include "bracketedroot.h"
#include "perpetualworth.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

// The search runs on u = 1 + r over (0.01, 101]. The figures are read once
// and valued at as many rates as needed:
//
//  - When every payment falls within FlowValuation::MostPeriods periods, the
//    valuation has added the payments up period by period into the net
//    payments c_k (PaymentSchedule), and the net worth is the polynomial
//    sum c_k u^-k. Below u = 1 it is evaluated times u^K, as sum
//    c_k u^(K-k), which never overflows; the factor is positive and keeps
//    the signs and the zeros. Descartes' rule of signs on the c_k
//    bounds the number of roots: none when the c_k have one sign, exactly one
//    when they change sign once (found from the two ends of the range).
//  - Longer horizons are valued flow by flow with the closed forms.
//  - A perpetual series is worth a finite amount only above the rate at
//    which it converges (perpetualworth.h): the search starts just above
//    the highest such rate of the alternative's flows.
//
// Otherwise the range is sampled on a grid even in log(1 + r). Each change
// of sign between samples is refined with TOMS 748. Two roots between two
// samples show as a sample closer to zero than its neighbours; there the
// minimum of |net worth| is sought with Brent's method, and if the net worth
// crosses zero, each side is refined. A sample within the rounding noise of
// zero counts as zero: the net worth changes sign only if the samples on
// either side of it differ.

namespace {

constexpr int kGridIntervals = 512;
constexpr std::uintmax_t kMaxIterations = 64;
constexpr double kFlowNoise = 1e-12; // relative error of the closed forms

struct Sample {
    double value; // the net worth times a positive factor
    double noise; // rounding error that value may carry
};

class NetWorth
{
public:
    explicit NetWorth(const FlowValuation &valuation)
        : m_valuation(valuation), m_c(valuation.netPayments())
    {
        m_expanded = valuation.laidOut() && trim();
    }

    bool expanded() const { return m_expanded; }

    // Sign changes of the net payments, once expanded.
    int signChanges() const
    {
        int changes = 0;
        double last = 0.0;
        for (double c : m_c) {
            if (c != 0.0) {
                changes += last != 0.0 && (c > 0.0) != (last > 0.0);
                last = c;
            }
        }
        return changes;
    }

    Sample at(double u) const { return m_expanded ? polynomialAt(u) : flowsAt(u); }

private:
    // Drops the periods without payment at either end, which only multiply
    // the net worth by a positive power of u, and scales the payments by a
    // power of two so that the largest is about 1.
    bool trim()
    {
        double top = 0.0;
        for (double c : m_c) {
            if (!std::isfinite(c))
                return false;
            top = std::max(top, std::fabs(c));
        }
        const auto nonzero = [](double c) { return c != 0.0; };
        const auto begin = std::find_if(m_c.begin(), m_c.end(), nonzero);
        const auto end = std::find_if(m_c.rbegin(), m_c.rend(), nonzero).base();
        m_c = begin < end ? std::vector<double>(begin, end) : std::vector<double>();
        if (top > 0.0) {
            const int e = std::ilogb(top);
            for (double &c : m_c)
                c = std::ldexp(c, -e);
        }
        return true;
    }

    Sample polynomialAt(double u) const
    {
        double value = 0.0;
        double size = 0.0;
        if (u >= 1.0) { // sum c_k v^k, v = 1/u
            const double v = 1.0 / u;
            for (auto c = m_c.rbegin(); c != m_c.rend(); ++c) {
                value = value * v + *c;
                size = size * v + std::fabs(*c);
            }
        } else { // sum c_k u^(K-k)
            for (double c : m_c) {
                value = value * u + c;
                size = size * u + std::fabs(c);
            }
        }
        return {value, 4.0 * (static_cast<double>(m_c.size()) + 2.0) * DBL_EPSILON * size};
    }

    Sample flowsAt(double u) const
    {
        double size = 0.0;
        const double value = m_valuation.netWorth(u - 1.0, &size);
        return {value, kFlowNoise * size};
    }

    const FlowValuation &m_valuation;
    std::vector<double> m_c;
    bool m_expanded = false;
};

// -1, 0 or 1; 0 within the noise, and for a value that is not finite.
int signOf(const Sample &s)
{
    if (!std::isfinite(s.value) || std::fabs(s.value) <= s.noise)
        return 0;
    return s.value > 0.0 ? 1 : -1;
}

// The rate r of the root of the net worth in (a, b), where its signs at a and
// b differ; NaN if the net worth cannot be valued on the way.
double refine(const NetWorth &worth, double a, double b, double fa, double fb)
{
    const double u = bracketedRoot([&worth](double v) { return worth.at(v).value; }, a, b, fa, fb);
    if (!(u > a && u < b))
        return std::numeric_limits<double>::quiet_NaN();
    // 1 + r is known to a few units in its last place: a rate within them
    // of 0 is 0, not 2.2e-16.
    const double r = u - 1.0;
    return std::fabs(r) <= 4.0 * DBL_EPSILON ? 0.0 : r;
}

void add(std::vector<double> &roots, double r)
{
    if (!std::isnan(r))
        roots.push_back(r);
}

class Search
{
public:
    Search(const NetWorth &worth, double low) : m_worth(worth), m_low(low) {}

    std::vector<double> run()
    {
        if (m_worth.expanded()) {
            const int changes = m_worth.signChanges();
            if (changes == 0)
                return {};
            if (changes == 1)
                return between(m_low, kHigh);
        }
        return scan();
    }

private:
    const NetWorth &m_worth;
    const double m_low;
    static constexpr double kHigh = 1.0 + RateOfReturn::kHighest;

    std::vector<double> between(double a, double b)
    {
        const Sample sa = m_worth.at(a);
        const Sample sb = m_worth.at(b);
        const int ka = signOf(sa);
        const int kb = signOf(sb);
        if (ka == 0 || kb == 0 || ka == kb)
            return {};
        std::vector<double> roots;
        add(roots, refine(m_worth, a, b, sa.value, sb.value));
        return roots;
    }

    std::vector<double> scan()
    {
        const double xLow = std::log(m_low);
        const double step = (std::log(kHigh) - xLow) / kGridIntervals;
        std::vector<double> u(kGridIntervals + 1);
        std::vector<Sample> s(u.size());
        std::vector<int> k(u.size());
        for (size_t j = 0; j < u.size(); ++j) {
            u[j] = j == 0 ? m_low : j == kGridIntervals ? kHigh : std::exp(xLow + step * j);
            s[j] = m_worth.at(u[j]);
            k[j] = signOf(s[j]);
        }

        std::vector<double> roots;
        // Changes of sign, across samples within the noise of zero.
        size_t last = u.size();
        for (size_t j = 0; j < u.size(); ++j) {
            if (k[j] == 0)
                continue;
            if (last < u.size() && k[last] != k[j])
                add(roots, refine(m_worth, u[last], u[j], s[last].value, s[j].value));
            last = j;
        }
        // A sample closer to zero than its neighbours of the same sign.
        for (size_t j = 0; j < u.size(); ++j) {
            const size_t lo = j == 0 ? j : j - 1;
            const size_t hi = j + 1 == u.size() ? j : j + 1;
            const double m = k[j] * s[j].value;
            if (k[j] == 0 || k[lo] != k[j] || k[hi] != k[j] || (lo < j && !(m < k[lo] * s[lo].value))
                || (hi > j && !(m <= k[hi] * s[hi].value)))
                continue;
            dip(u[lo], u[hi], s[lo], s[hi], k[j], roots);
        }
        std::sort(roots.begin(), roots.end());
        return roots;
    }

    // Looks for the net worth, of sign `sign` at a and b, crossing zero
    // between them.
    void dip(double a, double b, const Sample &sa, const Sample &sb, int sign,
             std::vector<double> &roots)
    {
        const auto f = [this, sign](double x) { return sign * m_worth.at(std::exp(x)).value; };
        std::uintmax_t iterations = kMaxIterations;
        const auto lowest =
            boost::math::tools::brent_find_minima(f, std::log(a), std::log(b), 40, iterations);
        const double um = std::exp(lowest.first);
        const Sample sm = m_worth.at(um);
        if (!(um > a && um < b) || signOf(sm) != -sign)
            return;
        add(roots, refine(m_worth, a, um, sa.value, sm.value));
        add(roots, refine(m_worth, um, b, sm.value, sb.value));
    }
};

} // namespace

std::vector<double> RateOfReturn::rates(const std::vector<CashFlow> &income,
                                        const std::vector<CashFlow> &expenses)
{
    return rates(FlowValuation(income, expenses));
}

std::vector<double> RateOfReturn::rates(const FlowValuation &valuation)
{
    // 1 + r where every perpetual series converges, a hair above its edge.
    double floor = RateOfReturn::kLowest;
    for (const auto *flows : {&valuation.income(), &valuation.expenses()}) {
        for (const CashFlow &flow : *flows) {
            const double edge = lowestConvergingRate(flow);
            if (std::isnan(edge))
                return {};
            floor = std::max(floor, edge);
        }
    }
    const double low = floor == RateOfReturn::kLowest ? 1.0 + floor : (1.0 + floor) * (1.0 + 1e-12);
    if (!(low < 1.0 + RateOfReturn::kHighest))
        return {};
    const NetWorth worth(valuation);
    return Search(worth, low).run();
}
