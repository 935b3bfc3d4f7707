#ifndef INTERESTFACTORS_H
#define INTERESTFACTORS_H

// Compound-interest factors of engineering economics.
//
// Rates (i, g) are fractions per period: 0.1 is ten per cent. Every series
// pays n times, at the ends of periods 1 to n. With `future` false a series
// is valued at period 0 (present worth), with `future` true at the end of
// period n (future worth). Plain IEEE arithmetic decides what a rate of -1
// or below gives; for every rate above -1 the results are accurate to the
// last few digits, including at and near a rate of 0 and a growth equal to
// the rate.

// (1 + i)^n.
double compoundFactor(double i, int n);

// F / (1 + i)^n: an amount at the end of period n brought back to period 0.
double discountToPresent(double i, int n, double F);

// Worth of n equal payments A.
double uniformSeriesWorth(double i, int n, double A, bool future);

// Worth of the n payments A, A + G, ..., A + (n - 1)G.
double arithmeticGradientWorth(double i, int n, double G, bool future, double A);

// Worth of the n payments A1, A1(1 + g), ..., A1(1 + g)^(n - 1).
double geometricGradientWorth(double i, int n, double A1, double g, bool future);

#endif // INTERESTFACTORS_H
