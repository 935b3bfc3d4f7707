#ifndef FLOWWORTH_H
#define FLOWWORTH_H

// Worth at period 0 of the cash flows of an alternative, at the rate i.
//
// A flow makes n payments in the periods s, s + 1, ..., s + n - 1, as the
// cash-flow schedule lays them out. A start of 0 is a payment made now; with
// a negative start the payments before period 0 are dropped and the first
// payment that remains is the first payment of the series (A or A1). A flow
// with no payment from period 0 on is worth 0.

double uniformFlowWorth(double i, double A, int n, int s);
double arithmeticFlowWorth(double i, double A, double G, int n, int s);
double geometricFlowWorth(double i, double A1, double g, int n, int s);

#endif // FLOWWORTH_H
