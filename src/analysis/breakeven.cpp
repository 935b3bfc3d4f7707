#include "breakeven.h"

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

double distance(double a, double b, double typed)
{
    if (typed < a)
        return a - typed;
    if (typed > b)
        return typed - b;
    return 0.0;
}

} // namespace

std::optional<double> BreakEven::root(const std::function<double(double)> &f, double typed,
                                      bool rate)
{
    if (!std::isfinite(typed))
        return std::nullopt;
    const std::vector<double> points = gridOf(typed, rate);
    std::vector<double> values(points.size());
    for (size_t k = 0; k < points.size(); ++k)
        values[k] = f(points[k]);

    // The stretch nearest the typed value whose ends differ in sign.
    std::optional<size_t> nearest;
    double nearestDistance = 0.0;
    const auto consider = [&](size_t k, double from, double to) {
        const double d = distance(from, to, typed);
        if (!nearest || d < nearestDistance) {
            nearest = k;
            nearestDistance = d;
        }
    };
    for (size_t k = 0; k < points.size(); ++k) {
        if (values[k] == 0.0)
            consider(k, points[k], points[k]);
    }
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const double fa = values[k];
        const double fb = values[k + 1];
        if (std::isfinite(fa) && std::isfinite(fb) && fa != 0.0 && fb != 0.0
            && (fa < 0.0) != (fb < 0.0))
            consider(k + points.size(), points[k], points[k + 1]);
    }
    if (!nearest)
        return std::nullopt;
    if (*nearest < points.size())
        return points[*nearest];

    const size_t k = *nearest - points.size();
    double a = points[k];
    double b = points[k + 1];
    double fa = values[k];
    double fb = values[k + 1];
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
    Estimates varied = figures;
    return root(
        [&](double value) {
            estimate.set(varied, value);
            return varied.netWorth();
        },
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
    Estimates varied = figures;
    return root(
        [&](double value) {
            estimate.set(varied, value);
            return varied.measure(annual) - runnerUp;
        },
        estimate.value(figures), estimate.isRate(figures));
}
