#ifndef CASHFLOW_H
#define CASHFLOW_H

#include <vector>

// One flow of an alternative as plain figures, read once from its table.
//
// It pays `payments` times, in the periods start, start + 1, ...; the
// payments are `amount` (uniform), amount + k * change (arithmetic) or
// amount * (1 + change)^k (geometric), k = 0, 1, ... A single payment pays
// `amount` once, in period `start`, whatever `payments` holds. A perpetual
// series (not a single payment) never stops paying.
//
// Asset and Loan are kinds a user types (a depreciable asset, a loan): their
// own figures turn into single payments after taxes (TaxStatement); a flow
// of theirs valued here counts as a single payment.
struct CashFlow {
    enum Kind { Uniform, Arithmetic, Geometric, Single, Asset, Loan };

    Kind kind = Uniform;
    double amount = 0.0;
    double change = 0.0;
    int payments = 0;
    int start = 0;
    bool perpetual = false; // pays for ever from start; payments is then ignored
};

// Worth of the flow at period 0 at the rate i per period; a perpetual
// series that does not converge at i is worth an infinity (perpetualworth.h).
double flowWorth(const CashFlow &flow, double i);

// Sum of the worths of `flows` at the rate i.
double flowsWorth(const std::vector<CashFlow> &flows, double i);

#endif // CASHFLOW_H
