#include "interestfactors.h"

#include <cstdlib>

// Provisional textbook closed forms; to be replaced by the accurate versions.
double compoundFactor(double i, int n)
{
    double x = 1.0 + i;
    double y = 1.0;
    long long m = std::llabs(static_cast<long long>(n));
    while (m) {
        if (m & 1)
            y *= x;
        x *= x;
        m >>= 1;
    }
    return n < 0 ? 1.0 / y : y;
}

double discountToPresent(double i, int n, double F)
{
    return F / compoundFactor(i, n);
}

double uniformSeriesWorth(double i, int n, double A, bool future)
{
    const double f = compoundFactor(i, n);
    const double s = (f - 1.0) * A / i;
    return future ? s : s / f;
}

double arithmeticGradientWorth(double i, int n, double G, bool future, double A)
{
    const double f = compoundFactor(i, n);
    double y = (f - 1.0 - n * i) * G / (i * i);
    if (!future)
        y /= f;
    return uniformSeriesWorth(i, n, A, future) + y;
}

double geometricGradientWorth(double i, int n, double A1, double g, bool future)
{
    const double f = compoundFactor(i, n);
    const double h = compoundFactor(g, n);
    const double z = (f - h) * A1 / (i - g);
    return future ? z : z / f;
}
