#include "ratescan.h"

#include "bracketedroot.h"

#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

constexpr std::uintmax_t MaxIterations = 64;

// -1, 0 or 1; 0 for a value that is not finite.
int signOf(double value)
{
    if (!(std::fabs(value) <= DBL_MAX))
        return 0;
    return (value > 0.0) - (value < 0.0);
}

// Whether the parabola through three samples (x, y) of a positive function,
// the middle one the lowest, comes near zero: only then can the function
// dip across zero between them, the samples being close for a smooth one.
bool mayDip(double x0, double x1, double x2, double y0, double y1, double y2)
{
    const double d0 = (y1 - y0) / (x1 - x0);
    const double d1 = (y2 - y1) / (x2 - x1);
    const double curvature = (d1 - d0) / (x2 - x0); // the parabola's a
    if (!(curvature > 0.0) || !std::isfinite(curvature))
        return true;
    // The vertex: the value at x1 less slope^2 / (4 a).
    const double slope = d0 + curvature * (x1 - x0); // derivative at x1
    const double lowest = y1 - slope * slope / (4.0 * curvature);
    return lowest < 0.5 * y1;
}

} // namespace

double RateScan::refine(const Function &f, double a, double b, double fa, double fb)
{
    if (fa == 0.0)
        return a;
    if (fb == 0.0)
        return b;
    return bracketedRoot(f, a, b, fa, fb);
}

std::vector<double> RateScan::zeros(const Function &f, double low, double high, int intervals)
{
    if (!(low > -1.0) || !(high > low) || !std::isfinite(high) || intervals < 1)
        return {};
    const double x0 = std::log1p(low);
    const double step = (std::log1p(high) - x0) / intervals;
    std::vector<double> rates(static_cast<size_t>(intervals) + 1);
    std::vector<double> values(rates.size());
    for (size_t j = 0; j < rates.size(); ++j) {
        rates[j] = j == 0 ? low : j + 1 == rates.size() ? high : std::expm1(x0 + step * j);
        values[j] = f(rates[j]);
    }
    return zeros(f, rates, values);
}

std::vector<double> RateScan::zeros(const Function &f, const std::vector<double> &rates,
                                    const std::vector<double> &values, int most)
{
    std::vector<double> found;
    const size_t n = std::min(rates.size(), values.size());
    // The signs once: the comparison of many curves scans many samples.
    std::vector<signed char> sign(n);
    for (size_t j = 0; j < n; ++j)
        sign[j] = static_cast<signed char>(signOf(values[j]));
    // Changes of sign, across samples that are zero or cannot be valued.
    size_t last = n;
    for (size_t j = 0; j < n; ++j) {
        if (sign[j] == 0)
            continue;
        if (last < n && sign[last] != sign[j]) {
            // A sample exactly at zero between them is the crossing.
            size_t z = last + 1;
            while (z < j && values[z] != 0.0)
                ++z;
            found.push_back(z < j ? rates[z] : refine(f, rates[last], rates[j], values[last], values[j]));
        }
        last = j;
    }
    // A sample nearer zero than both neighbours of its sign: the function
    // may dip across zero and back between them.
    for (size_t j = 1; j + 1 < n && (most < 0 || found.size() + 2 <= static_cast<size_t>(most));
         ++j) {
        const int s = sign[j];
        if (s == 0 || sign[j - 1] != s || sign[j + 1] != s)
            continue;
        const double m = s * values[j];
        if (!(m < s * values[j - 1]) || !(m <= s * values[j + 1]))
            continue;
        if (!mayDip(rates[j - 1], rates[j], rates[j + 1], s * values[j - 1], m, s * values[j + 1]))
            continue;
        const auto g = [&f, s](double r) { return s * f(r); };
        std::uintmax_t iterations = MaxIterations;
        const auto lowest =
            boost::math::tools::brent_find_minima(g, rates[j - 1], rates[j + 1], 40, iterations);
        const double rm = lowest.first;
        const double fm = f(rm);
        if (!(rm > rates[j - 1] && rm < rates[j + 1]) || signOf(fm) != -s)
            continue;
        found.push_back(refine(f, rates[j - 1], rm, values[j - 1], fm));
        found.push_back(refine(f, rm, rates[j + 1], fm, values[j + 1]));
    }
    std::sort(found.begin(), found.end());
    return found;
}
