#include "breakeven.h"

#include "variedworth.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Points of the bracket, denser where figures usually lie, and the typed
// value itself.
std::vector<double> gridOf(double typed, bool rate)
{
    std::vector<double> points;
    if (rate) {
        points = {BreakEven::LowestRate, -0.95, -0.9, -0.8, -0.7, -0.6, -0.5, -0.4, -0.3, -0.2,
                  -0.15, -0.1, -0.05, -0.02, -0.01, 0.0, 0.01, 0.02, 0.05, 0.1, 0.15, 0.2, 0.3,
                  0.4, 0.5, 0.7, 1.0, 1.5, 2.0, 3.0, 5.0, 10.0, 20.0, 50.0, BreakEven::HighestRate};
        if (typed > BreakEven::LowestRate && typed < BreakEven::HighestRate)
            points.push_back(typed);
    } else {
        points.push_back(0.0);
        for (double power = 1e-2; power <= BreakEven::LargestAmount * 1.0001; power *= 10.0) {
            points.push_back(power);
            points.push_back(-power);
        }
        if (std::fabs(typed) < BreakEven::LargestAmount)
            points.push_back(typed);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

} // namespace

std::optional<double> BreakEven::root(const std::function<double(double)> &f, double typed,
                                      bool rate)
{
    if (!std::isfinite(typed))
        return std::nullopt;
    // An amount's VPN is a straight line in it: one root, if any, bracketed
    // by the ends alone.
    if (!rate) {
        const double fa = f(-LargestAmount);
        const double fb = f(LargestAmount);
        if (std::isfinite(fa) && std::isfinite(fb) && fa != 0.0 && fb != 0.0 && (fa < 0.0) != (fb < 0.0))
            return closeIn(f, -LargestAmount, LargestAmount, fa, fb);
    }
    const std::vector<double> points = gridOf(typed, rate);
    // Outwards from the typed value, the stretches between grid points in
    // turn, the nearer first, until the values at the ends of one differ
    // in sign: most figures break even near their value, and their search
    // needs few points.
    std::vector<double> values(points.size(), std::numeric_limits<double>::quiet_NaN());
    std::vector<char> known(points.size(), 0);
    const auto valueAt = [&](size_t k) {
        if (!known[k]) {
            values[k] = f(points[k]);
            known[k] = 1;
        }
        return values[k];
    };
    const auto differ = [](double fa, double fb) {
        return std::isfinite(fa) && std::isfinite(fb) && (fa < 0.0) != (fb < 0.0);
    };
    size_t low = static_cast<size_t>(std::lower_bound(points.begin(), points.end(), typed) - points.begin());
    low = std::min(low, points.size() - 1);
    size_t high = low;
    if (valueAt(low) == 0.0)
        return points[low];
    while (low > 0 || high + 1 < points.size()) {
        const bool left = high + 1 >= points.size()
            || (low > 0 && typed - points[low - 1] <= points[high + 1] - typed);
        const size_t near = left ? low : high;
        const size_t far = left ? --low : ++high;
        if (valueAt(far) == 0.0)
            return points[far];
        if (differ(valueAt(near), valueAt(far))) {
            const size_t a = std::min(near, far);
            const size_t b = std::max(near, far);
            return closeIn(f, points[a], points[b], values[a], values[b]);
        }
    }
    return std::nullopt;
}

double BreakEven::closeIn(const std::function<double(double)> &f, double a, double b, double fa,
                          double fb)
{
    try {
        std::uintmax_t iterations = 200;
        const auto bracket = boost::math::tools::toms748_solve(
            f, a, b, fa, fb,
            boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
            iterations);
        a = bracket.first;
        b = bracket.second;
        fa = f(a);
        fb = f(b);
    } catch (const std::exception &) {
        // The bracket as it stood is still a bracket of the root.
    }
    return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

std::optional<double> BreakEven::ofNetWorth(const Estimates &figures, const Estimate &estimate)
{
    const VariedWorth worth(figures);
    return root([&](double value) { return worth.at(estimate, value); },
        estimate.value(figures), estimate.isRate(figures));
}

std::optional<double> BreakEven::ofLead(const std::vector<Estimates> &alternatives, int best,
                                        const Estimate &estimate, bool annual)
{
    if (best < 0 || best >= static_cast<int>(alternatives.size()))
        return std::nullopt;
    bool rival = false;
    double runnerUp = -std::numeric_limits<double>::infinity();
    for (int a = 0; a < static_cast<int>(alternatives.size()); ++a) {
        if (a == best)
            continue;
        const double measure = alternatives[static_cast<size_t>(a)].measure(annual);
        if (std::isnan(measure))
            continue;
        rival = true;
        runnerUp = std::max(runnerUp, measure);
    }
    if (!rival || !std::isfinite(runnerUp))
        return std::nullopt;
    const Estimates &figures = alternatives[static_cast<size_t>(best)];
    const VariedWorth worth(figures);
    return root([&](double value) { return worth.measureAt(estimate, value, annual) - runnerUp; },
        estimate.value(figures), estimate.isRate(figures));
}
