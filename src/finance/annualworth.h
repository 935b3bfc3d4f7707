#ifndef ANNUALWORTH_H
#define ANNUALWORTH_H

// Equivalent annual worth (VAE) of a net present worth over n periods at the
// rate i: the uniform payment at the ends of periods 1 to n worth the same,
//   VAE = VPN i (1 + i)^n / ((1 + i)^n - 1),   VPN / n at i = 0.
// NaN when there is no period (n <= 0).
double annualWorth(double vpn, double i, int n);

// VAE of a horizon that never ends: the interest on the VPN, VPN i, the
// uniform payment for ever worth the VPN (the capitalized-cost relation).
// NaN at i <= 0, where no such payment exists.
double perpetualAnnualWorth(double vpn, double i);

#endif // ANNUALWORTH_H
