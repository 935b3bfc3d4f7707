#ifndef ESTIMATE_H
#define ESTIMATE_H

#include "estimates.h"

#include <vector>

// One figure of an alternative that is a quantity: its rate, or a flow's
// first payment ("Anualidad", "Monto"), gradient or growth. Counts, starts
// and the horizon are not estimates in this sense and are never varied.
struct Estimate {
    enum Field { Rate, Amount, Change };

    Field field = Rate;
    bool expense = false; // the flow is an expense
    int flow = -1;        // its index among the income or the expenses

    double value(const Estimates &figures) const;
    void set(Estimates &figures, double value) const;
    // A rate-like figure (the rate, a growth) as opposed to an amount.
    bool isRate(const Estimates &figures) const;

    // Every figure that is a quantity, finite and not 0 (a 0 varied by a
    // share of itself stays 0): the rate, then the income's flows, then the
    // expenses', each its amount then its change.
    static std::vector<Estimate> quantities(const Estimates &figures);

private:
    const CashFlow &flowOf(const Estimates &figures) const;
};

#endif // ESTIMATE_H
