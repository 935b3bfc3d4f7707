#ifndef PERPETUALWORTH_H
#define PERPETUALWORTH_H

#include "cashflow.h"

// Worth of a series that pays for ever, from its start on (the payments
// before period 0 dropped, as for every series): one period before its
// first payment it is worth
//   A / i            (uniform),
//   A / i + G / i^2  (arithmetic),
//   A1 / (i - g)     (geometric),
// and that worth is brought to period 0 like any amount. The sum converges
// only while the discount outruns the payments: for i > 0 (uniform and
// arithmetic) and for |1 + g| < 1 + i (geometric); a series that pays
// nothing is worth 0 at every rate.

// Whether the worth of the perpetual `flow` is finite at the rate i.
bool perpetualConverges(const CashFlow &flow, double i);

// The rate above which the perpetual `flow` converges: 0 for a uniform or
// arithmetic series, |1 + g| - 1 for a geometric one; -1 for a series that
// pays nothing or a flow that is not perpetual (every rate above -1). NaN
// when the growth is not a number.
double lowestConvergingRate(const CashFlow &flow);

// The worth at period 0 of the perpetual `flow` at the rate i. Where it does
// not converge, the infinity of the sign its payments keep in the end
// (+inf, -inf), or NaN when they keep changing sign.
double perpetualFlowWorth(const CashFlow &flow, double i);

#endif // PERPETUALWORTH_H
