#include "flowworth.h"

#include "interestfactors.h"

#include <algorithm>
#include <cmath>

// The factors value a series of m payments at the ends of periods 1 to m, at
// period 0. A flow starting at s >= 1 is that series seen from period s - 1,
// then discounted. A flow whose first payment falls now is that payment plus
// the series of the m - 1 that follow; valuing the whole series a period
// early and compounding it forward would overflow when 1 + i is tiny.
//
// A worth that fits in a double must not be lost to an overflow on the way:
// very large amounts, or a growth far above the rate over a deferred start,
// can overflow the series' worth before the discount brings it back. Such a
// flow is valued again with its amounts scaled down (by a power of two, put
// back exactly at the end), or with its amounts discounted first. Ordinary
// figures take the first, plain road and keep every digit.

namespace {

// Payments from period 0 on: n + s of them when the start lies in the past.
long long paymentsFromPresent(int n, int s)
{
    return static_cast<long long>(n) + std::min(s, 0);
}

// The power of two that brings the largest amount down to about 2^256, so
// that a small amount beside it keeps its digits; 0 for ordinary amounts.
int scaleOf(double a, double b)
{
    constexpr int kHeadroom = 256;
    const double top = std::max(std::fabs(a), std::fabs(b));
    if (!std::isfinite(top) || top == 0.0)
        return 0;
    return std::max(std::ilogb(top) - kHeadroom, 0);
}

// `series(count, c, afterFirst)` is how one kind values `count` of its
// payments at the ends of periods 1 to count, all amounts multiplied by `c`:
// from its first payment, or, with `afterFirst`, from its second one.
template <typename Series>
double flowWorth(double i, int n, int s, double first, double step, const Series &series)
{
    const long long m = paymentsFromPresent(n, s);
    if (m <= 0)
        return 0.0;
    if (s <= 0 && m == 1) // one payment, now
        return first;

    // Valued with the amounts scaled by 2^-e, the result scaled back.
    const auto scaled = [&](int e) {
        const double c = std::ldexp(1.0, -e);
        if (s <= 0) {
            return std::ldexp(first * c + series(static_cast<int>(m - 1), c, true), e);
        }
        const double worth = series(static_cast<int>(m), c, false);
        if (s == 1 || worth == 0.0)
            return std::ldexp(worth, e);
        const double f = compoundFactor(i, s - 1);
        if ((std::isnormal(f) && f > 0.0) || !(i > -1.0) || !std::isfinite(worth))
            return std::ldexp(worth / f, e);
        // The discount itself overflows or vanishes: add logarithms instead.
        const double logWorth =
            std::log(std::fabs(worth)) + e * std::log(2.0) - (s - 1.0) * std::log1p(i);
        return std::copysign(std::exp(logWorth), worth);
    };
    const double plain = scaled(0);
    if (std::isfinite(plain) || !(i > -1.0))
        return plain;

    double best = plain;
    if (const int e = scaleOf(first, step)) {
        const double value = scaled(e);
        if (std::isfinite(value))
            return value;
        if (!std::isnan(value))
            best = value;
    }
    if (s > 1) { // the amounts discounted first, then the series valued
        const double c = discountToPresent(i, s - 1, 1.0);
        if (std::isnormal(c)) {
            const double value = series(static_cast<int>(m), c, false);
            if (std::isfinite(value))
                return value;
        }
    }
    return best;
}

} // namespace

double uniformFlowWorth(double i, double A, int n, int s)
{
    return flowWorth(i, n, s, A, 0.0, [=](int count, double c, bool) {
        return uniformSeriesWorth(i, count, A * c, false);
    });
}

double arithmeticFlowWorth(double i, double A, double G, int n, int s)
{
    return flowWorth(i, n, s, A, G, [=](int count, double c, bool afterFirst) {
        const double base = afterFirst ? A * c + G * c : A * c;
        return arithmeticGradientWorth(i, count, G * c, false, base);
    });
}

double geometricFlowWorth(double i, double A1, double g, int n, int s)
{
    return flowWorth(i, n, s, A1, 0.0, [=](int count, double c, bool afterFirst) {
        const double base = afterFirst ? A1 * c * (1.0 + g) : A1 * c;
        return geometricGradientWorth(i, count, base, g, false);
    });
}
