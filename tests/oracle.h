#ifndef ORACLE_H
#define ORACLE_H

#include <QtGlobal>

#include <algorithm>
#include <cfloat>
#include <cmath>

// The independent check of every worth: each payment carried on its own from
// its period to the date `at`, in long double, the terms added relative to
// the largest so that no intermediate overflows.
struct Oracle {
    long double sum = 0;  // the worth
    long double size = 0; // the sum of the terms' magnitudes: the scale of the rounding

    Oracle() = default; // no payments: worth 0

    // `count` payments in the periods first, first + 1, ...: a, then each
    // the one before (kind 0), plus b (kind 1) or times 1 + b (kind 2).
    Oracle(int kind, long double i, long double a, long double b, long long first,
           long long count, long long at)
    {
        const long double li = log1pl(i);
        const auto logTerm = [&](long long k, long double &sign) {
            const long double pay = kind == 1 ? a + k * b : a;
            const long double growth = kind == 2 && k ? logl(fabsl(1 + b)) * k : 0;
            sign = (pay < 0) != (kind == 2 && 1 + b < 0 && k % 2) ? -1 : 1;
            return logl(fabsl(pay)) + growth + (at - first - k) * li;
        };
        long double top = -INFINITY, sign;
        for (long long k = 0; k < count; ++k)
            top = std::max(top, logTerm(k, sign));
        if (std::isinf(top))
            return; // no payments, or all of them 0
        for (long long k = 0; k < count; ++k) {
            const long double t = expl(logTerm(k, sign) - top);
            sum += sign * t;
            size += t;
        }
        sum *= expl(top);
        size *= expl(top);
    }

    // A flow of n payments from period s: those before period 0 never happen.
    static Oracle flow(int kind, long double i, long double a, long double b, int n, int s)
    {
        return Oracle(kind, i, a, b, std::max(s, 0), static_cast<long long>(n) + std::min(s, 0), 0);
    }

    // A series paying for ever from period s (none before 0), summed payment
    // by payment until a thousand terms in a row no longer change the sum:
    // only for series that converge, and fast enough (i well above 0).
    static Oracle perpetual(int kind, long double i, long double a, long double b, int s)
    {
        Oracle o;
        const long double v = 1 / (1 + i);
        long double pay = a, discount = 1;
        for (long long k = 0, still = 0; still < 1000 && k < 100000000; ++k) {
            const long double term = pay * discount;
            still = o.sum + term == o.sum ? still + 1 : 0;
            o.sum += term;
            o.size += fabsl(term);
            pay = kind == 1 ? pay + b : kind == 2 ? pay * (1 + b) : pay;
            discount *= v;
        }
        const long double moved = expl(-std::max(s, 0) * log1pl(i));
        o.sum *= moved;
        o.size *= moved;
        return o;
    }

    // Adds another worth at the same date, as income (sign 1) or expense (-1).
    void add(const Oracle &other, int sign = 1)
    {
        sum += sign * other.sum;
        size += other.size;
    }

    bool near(double got) const
    {
        if (fabsl(sum) > DBL_MAX)
            return got == (sum > 0 ? qInf() : -qInf());
        return fabsl(got - sum) <= 1e-9L * size + DBL_MIN;
    }
};

#endif // ORACLE_H
