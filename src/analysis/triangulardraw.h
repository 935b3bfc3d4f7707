#ifndef TRIANGULARDRAW_H
#define TRIANGULARDRAW_H

#include <cmath>

// The triangular distribution from `low` to `high` with its mode at `mode`
// (low <= mode <= high): a value drawn from a uniform u in [0, 1) by the
// inverse of its distribution function, and its exact mean and variance.
struct TriangularDraw {
    double low = 0.0;
    double mode = 0.0;
    double high = 0.0;

    double operator()(double u) const
    {
        const double span = high - low;
        if (!(span > 0.0))
            return mode;
        if (u * span < mode - low)
            return low + std::sqrt(u * span * (mode - low));
        return high - std::sqrt((1.0 - u) * span * (high - mode));
    }

    double mean() const { return (low + mode + high) / 3.0; }
    double variance() const
    {
        return (low * low + mode * mode + high * high - low * mode - low * high - mode * high)
            / 18.0;
    }

    // The typed value varied by +-p of itself: ends value * (1 -+ p).
    static TriangularDraw around(double value, double p)
    {
        const double spread = std::fabs(value) * p;
        return TriangularDraw{value - spread, value, value + spread};
    }
};

#endif // TRIANGULARDRAW_H
