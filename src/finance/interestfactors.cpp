#include "interestfactors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// Every factor of a rate above -1 is a sum of terms of one sign: its payments
// brought to one date by a positive base. Such sums are evaluated three ways:
//
//  - up to kDirectTerms payments, term by term, each power as an exponential
//    of k log(1 + rate);
//  - with more payments and |n log(1 + rate)| small, as a power series in the
//    rate about 0, where the closed forms would cancel to nothing;
//  - otherwise through the closed forms, written with expm1 and log1p so that
//    they keep the rate's digits, and with the large powers kept as
//    logarithms (see Scaled) so that a finite worth is never lost to an
//    intermediate overflow.
//
// Negative counts follow the closed forms' continuation, which is the sum
// convention  sum_{k=1}^{n} f(k) = -sum_{k=n+1}^{0} f(k).
//
// Rates of -1 and below have no logarithm; there the textbook closed forms
// are evaluated as they stand. A geometric growth of -1 or below under a rate
// above -1 alternates the payments' signs and is summed as such.

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Up to this many payments a factor is summed term by term.
constexpr int kDirectTerms = 32;
// Integer powers beyond this exponent gather more rounding error than
// exp(n log1p(i)).
constexpr long long kExactPowerLimit = 1LL << 16;
// The series about a rate of 0 are used while |n log(1 + rate)| stays below.
constexpr double kSeriesReach = 0.5;
constexpr int kMaxSeriesTerms = 200;
// Beyond this y, e^y - 1 - (anything up to y + 1) rounds to e^y.
constexpr double kExpDominates = 40.0;
// Divisors outside [1/kWideDivisor, kWideDivisor] go into the scale.
constexpr double kWideDivisor = 1e100;

// The value m * e^e. A factor whose value would overflow or underflow a
// double on its own keeps the magnitude apart in e, and an amount can still
// bring it back into range.
struct Scaled {
    double m;
    double e;
};

double sign(double x) { return std::copysign(1.0, x); }

bool fewTerms(int n) { return n >= -kDirectTerms && n <= kDirectTerms; }

// log(1 + a b) for a b > 0, also when the product overflows.
double logOnePlusProduct(double a, double b)
{
    const double p = a * b;
    return std::isfinite(p) ? std::log1p(p) : std::log(std::fabs(a)) + std::log(std::fabs(b));
}

// log(-(1 + a b)) for a b < -1, also when the product overflows.
double logMinusOnePlusProduct(double a, double b)
{
    const double p = a * b;
    return std::isfinite(p) ? std::log(-1.0 - p) : std::log(std::fabs(a)) + std::log(std::fabs(b));
}

double toDouble(Scaled s)
{
    if (s.e == 0.0)
        return s.m;
    const double f = std::exp(s.e);
    if (std::isnormal(f)) {
        const double r = s.m * f;
        if (std::isnormal(r))
            return r;
    }
    return std::copysign(std::exp(s.e + std::log(std::fabs(s.m))), s.m);
}

// An amount times a factor. An amount of 0 is worth exactly 0 however large
// the factor.
Scaled times(double amount, Scaled s)
{
    if (amount == 0.0)
        return {0.0, 0.0};
    if (s.m == 0.0)
        return {amount * 0.0 + 0.0, 0.0}; // nan for an amount that is not finite
    const double p = amount * s.m;
    if (s.e == 0.0 || std::isnormal(p))
        return {p, s.e};
    return {sign(p), s.e + std::log(std::fabs(amount)) + std::log(std::fabs(s.m))};
}

Scaled plus(Scaled a, Scaled b)
{
    if (a.m == 0.0)
        return b;
    if (b.m == 0.0)
        return a;
    if (a.e == 0.0 && b.e == 0.0 && std::isfinite(a.m + b.m))
        return {a.m + b.m, 0.0};
    const double la = a.e + std::log(std::fabs(a.m));
    const double lb = b.e + std::log(std::fabs(b.m));
    const double top = std::max(la, lb);
    if (!std::isfinite(top))
        return {toDouble(a) + toDouble(b), 0.0};
    return {std::copysign(std::exp(la - top), a.m) + std::copysign(std::exp(lb - top), b.m), top};
}

// x^|n| by repeated squaring, inverted for negative n.
double integerPower(double x, long long n)
{
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(n)
                                 : static_cast<unsigned long long>(n);
    double y = (m & 1) ? x : 1.0;
    while ((m >>= 1) != 0) {
        x *= x;
        if (m & 1)
            y *= x;
    }
    return n < 0 ? 1.0 / y : y;
}

// sum_{k=1}^{n} (p + q k) e^(k lam + c) for 1 <= |n| <= kDirectTerms, with
// p + q k of one sign over the terms.
Scaled directSum(int n, double p, double q, double lam, double c)
{
    const int lo = n > 0 ? 1 : n + 1;
    const int hi = n > 0 ? n : 0;
    const double top = std::max(lo * lam, hi * lam);
    double s = 0.0;
    for (int k = lo; k <= hi; ++k)
        s += (p + q * k) * std::exp(k * lam - top);
    return {n > 0 ? s : -s, top + c};
}

bool seriesDone(double term, double sum)
{
    return std::fabs(term) <= 0x1p-60 * std::fabs(sum);
}

// sum_{m=0}^{n-1} (1 + d)^m = ((1 + d)^n - 1) / d for 1 + d > 0, given
// lr = log(1 + d) and ld = log|d|; d itself may be infinite when ld is not.
Scaled powerSum(double d, double ld, double lr, double n)
{
    const double y = n * lr;
    if (std::fabs(y) < kSeriesReach && std::fabs(d) < 0.25) {
        // sum_j d^j C(n, j + 1)
        double s = 0.0;
        double t = n;
        for (int j = 0; t != 0.0 && j < kMaxSeriesTerms; ++j) {
            s += t;
            if (seriesDone(t, s))
                break;
            t *= d * (n - j - 1) / (j + 2);
        }
        return {s, 0.0};
    }
    if (y > kExpDominates)
        return {sign(d), y - ld};
    const double m = std::expm1(y);
    const double ad = std::fabs(d);
    if (ad >= 1.0 / kWideDivisor && ad <= kWideDivisor)
        return {m / d, 0.0};
    return {m * sign(d), -ld};
}

double logAbs(double x) { return std::log(std::fabs(x)); }

// sum_{k=1}^{n} (1 + i)^-k
Scaled uniformPresent(double i, int n)
{
    if (n == 0)
        return {0.0, 0.0};
    const double li = std::log1p(i);
    if (fewTerms(n))
        return directSum(n, 1.0, 0.0, -li, 0.0);
    // ((1 + i)^-n - 1) / -i
    const Scaled s = powerSum(i, logAbs(i), li, -static_cast<double>(n));
    return {-s.m, s.e};
}

// sum_{k=1}^{n} (1 + i)^(n - k)
Scaled uniformFuture(double i, int n)
{
    if (n == 0)
        return {0.0, 0.0};
    const double li = std::log1p(i);
    if (fewTerms(n))
        return directSum(n, 1.0, 0.0, li, -li);
    return powerSum(i, logAbs(i), li, n);
}

// sum_{k=1}^{n} (k - 1)(1 + i)^-k = (1 - (1 + i)^-n (1 + n i)) / i^2, given
// li = log(1 + i), which can be more accurate than log1p(i) of the rounded i.
Scaled gradientPresent(double i, double li, int n)
{
    if (n == 0)
        return {0.0, 0.0};
    if (fewTerms(n))
        return directSum(n, -1.0, 1.0, -li, 0.0);
    const double nd = n;
    const double y = nd * li;
    if (std::fabs(y) < kSeriesReach) {
        // sum_j (-i)^j (j + 1) C(n + j, j + 2)
        double s = 0.0;
        double t = nd * (nd - 1) / 2;
        for (int j = 0; t != 0.0 && j < kMaxSeriesTerms; ++j) {
            s += t;
            if (seriesDone(t, s))
                break;
            t *= -i * ((j + 2.0) / (j + 1.0)) * ((nd + j + 1) / (j + 3.0));
        }
        return {s, 0.0};
    }
    if (y < -kExpDominates) // (1 + i)^-n (-1 - n i) dominates
        return {1.0, -y + logMinusOnePlusProduct(nd, i) - 2.0 * logAbs(i)};
    // Here n i > 0 when y > 0; the subtraction loses at most a digit.
    const double m = y > 0.0 ? -std::expm1(logOnePlusProduct(nd, i) - y)
                             : 1.0 - std::exp(-y) * (1.0 + nd * i);
    if (std::fabs(i) > kWideDivisor)
        return {m, -2.0 * logAbs(i)};
    return {m / (i * i), 0.0};
}

// sum_{k=1}^{n} (k - 1)(1 + i)^(n - k) = ((1 + i)^n - 1 - n i) / i^2
Scaled gradientFuture(double i, double li, int n)
{
    if (n == 0)
        return {0.0, 0.0};
    if (fewTerms(n)) // sum_{k=1}^{n} (n - k)(1 + i)^(k - 1)
        return directSum(n, n, -1.0, li, -li);
    const double nd = n;
    const double y = nd * li;
    if (std::fabs(y) < kSeriesReach) {
        // sum_j i^j C(n, j + 2)
        double s = 0.0;
        double t = nd * (nd - 1) / 2;
        for (int j = 0; t != 0.0 && j < kMaxSeriesTerms; ++j) {
            s += t;
            if (seriesDone(t, s))
                break;
            t *= i * (nd - j - 2) / (j + 3);
        }
        return {s, 0.0};
    }
    if (y > kExpDominates) // n i > 0; (1 + i)^n dominates 1 + n i
        return {-std::expm1(logOnePlusProduct(nd, i) - y), y - 2.0 * logAbs(i)};
    // ((1 + i)^n - 1) / i - n loses at most a digit out here.
    return {(std::expm1(y) / i - nd) / i, 0.0};
}

// log((1 + a) / (1 + b)) for a, b > -1, accurate also when a is close to b.
double logRatio(double a, double b, double d)
{
    if (std::fabs(d) < 0.5)
        return std::log1p(d);
    const double q = (1.0 + a) / (1.0 + b);
    return std::isnormal(q) ? std::log(q) : std::log1p(a) - std::log1p(b);
}

// log|(a - b) / (1 + b)|, given the quotient d as computed.
double logAbsQuotient(double a, double b, double d)
{
    return std::isnormal(d) ? logAbs(d) : logAbs(a - b) - std::log1p(b);
}

// sum_{k=1}^{n} (1 + g)^(k - 1) (1 + i)^-k, or at the end of period n.
Scaled geometricFactor(double i, double g, int n, bool future)
{
    if (n == 0)
        return {0.0, 0.0};
    const double nd = n;
    const double li = std::log1p(i);
    // The terms grow by the ratio b = (1 + g) / (1 + i) = 1 + d.
    const double d = (g - i) / (1.0 + i);
    const double lb = logRatio(g, i, d);
    if (fewTerms(n))
        return directSum(n, 1.0, 0.0, lb, future ? (nd - 1) * li - lb : -lb - li);
    if (!future || nd * lb <= 0.0) {
        // (1 + i)^-1 or (1 + i)^(n - 1) times sum_{m<n} b^m; for the future
        // worth b^n <= 1, so that the sum stays below |n| and the power
        // carries the magnitude.
        Scaled s = powerSum(d, logAbsQuotient(g, i, d), lb, nd);
        s.e += future ? (nd - 1) * li : -li;
        return s;
    }
    // (1 + g)^(n - 1) times the sum in the inverse ratio.
    const double lg = std::log1p(g);
    const double dInv = (i - g) / (1.0 + g);
    Scaled s = powerSum(dInv, logAbsQuotient(i, g, dInv), -lb, nd);
    s.e += (nd - 1) * lg;
    return s;
}

// The textbook closed forms, for rates of -1 and below.
double plainUniform(double i, int n, double A, bool future)
{
    if (A == 0.0)
        return 0.0;
    const double f = compoundFactor(i, n);
    const double s = (f - 1.0) * A / i;
    return future ? s : s / f;
}

double plainGradient(double i, int n, double G, bool future)
{
    if (G == 0.0)
        return 0.0;
    const double f = compoundFactor(i, n);
    const double s = (f - 1.0 - n * i) * G / (i * i);
    return future ? s : s / f;
}

double plainGeometric(double i, int n, double A1, double g, bool future)
{
    if (A1 == 0.0)
        return 0.0;
    if (g == i) // n A1 (1 + i)^(n - 1), or its worth at period 0
        return future ? n * A1 * integerPower(1.0 + i, n - 1LL) : n * A1 / (1.0 + i);
    const double f = compoundFactor(i, n);
    const double z = (f - compoundFactor(g, n)) * A1 / (i - g);
    return future ? z : z / f;
}

// A growth of -1 or below under a rate above -1: the payments alternate in
// sign (or stop after the first), and with r = (1 + g) / (1 + i) <= 0 the
// series sum_{k=1}^{n} r^(k-1) = (1 - r^n) / (1 - r) has no cancellation.
// Each form factors out the larger of the two bases, so that a long series
// never multiplies an overflowed power by a vanished one.
double alternatingGeometric(double i, int n, double A1, double g, bool future)
{
    if (A1 == 0.0)
        return 0.0;
    const double r = (1.0 + g) / (1.0 + i);
    if (!future && r >= -1.0)
        return A1 / (1.0 + i) * ((1.0 - integerPower(r, n)) / (1.0 - r));
    if (!future) { // r^(n-1) sum q^(k-1), q = 1/r, |q| < 1
        const double q = 1.0 / r;
        return A1 / (1.0 + i) * integerPower(r, n - 1LL) * ((1.0 - integerPower(q, n)) / (1.0 - q));
    }
    if (r >= -1.0) // (1 + i)^(n - 1) sum r^(k-1)
        return A1 * integerPower(1.0 + i, n - 1LL) * ((1.0 - integerPower(r, n)) / (1.0 - r));
    const double q = 1.0 / r; // (1 + g)^(n - 1) sum q^(k-1), |q| < 1
    return A1 * integerPower(1.0 + g, n - 1LL) * ((1.0 - integerPower(q, n)) / (1.0 - q));
}

} // namespace

double compoundFactor(double i, int n)
{
    if (std::isnan(i))
        return kNaN;
    if (n == 0)
        return 1.0;
    if (!(i > -1.0))
        return integerPower(1.0 + i, n);
    if (std::llabs(n) <= kExactPowerLimit) {
        const double r = integerPower(1.0 + i, n);
        if (std::isnormal(r))
            return r;
    }
    return std::exp(n * std::log1p(i));
}

double discountToPresent(double i, int n, double F)
{
    if (std::isnan(i))
        return kNaN;
    if (F == 0.0)
        return 0.0;
    const double c = compoundFactor(i, n);
    if (!(i > -1.0) || !std::isfinite(F) || (std::isnormal(c) && std::isnormal(F / c)))
        return F / c;
    // (1 + i)^n or the worth beyond the range of a double on its own.
    return std::copysign(std::exp(std::log(std::fabs(F)) - n * std::log1p(i)), F);
}

double uniformSeriesWorth(double i, int n, double A, bool future)
{
    if (std::isnan(i))
        return kNaN;
    if (!(i > -1.0))
        return plainUniform(i, n, A, future);
    return toDouble(times(A, future ? uniformFuture(i, n) : uniformPresent(i, n)));
}

double arithmeticGradientWorth(double i, int n, double G, bool future, double A)
{
    if (std::isnan(i))
        return kNaN;
    if (!(i > -1.0))
        return plainUniform(i, n, A, future) + plainGradient(i, n, G, future);
    const double li = std::log1p(i);
    const Scaled uniform = future ? uniformFuture(i, n) : uniformPresent(i, n);
    if ((n > 0 && i < 0.0) || (n < 0 && i > 0.0)) {
        // The weights grow towards payment n. Counted from the first payment,
        // A and (n - 1)G would cancel there when the last payment is near 0;
        // counted back from the last one, B = A + (n - 1)G, they do not:
        // B times the uniform factor less G times sum (n - k) of the weights,
        // which is the gradient of the rate j that runs time backwards,
        // 1 + j = 1 / (1 + i).
        const double j = -i / (1.0 + i); // rounds to -1 when i is huge; -li does not
        Scaled back = future ? gradientPresent(j, -li, n) : gradientFuture(j, -li, n);
        back.e -= li;
        return toDouble(plus(times(A + (n - 1.0) * G, uniform), times(-G, back)));
    }
    const Scaled gradient = future ? gradientFuture(i, li, n) : gradientPresent(i, li, n);
    return toDouble(plus(times(A, uniform), times(G, gradient)));
}

double geometricGradientWorth(double i, int n, double A1, double g, bool future)
{
    if (std::isnan(i) || std::isnan(g))
        return kNaN;
    if (!(i > -1.0))
        return plainGeometric(i, n, A1, g, future);
    if (!(g > -1.0))
        return alternatingGeometric(i, n, A1, g, future);
    return toDouble(times(A1, geometricFactor(i, g, n, future)));
}
