#ifndef DECISIONRULE_H
#define DECISIONRULE_H

#include <vector>

// How the best of several alternatives is chosen: by the largest VPN when
// every horizon is the same, otherwise by the largest VAE (the worths of
// different horizons are not comparable, their annual equivalents are).
class DecisionRule
{
public:
    // Whether alternatives of these horizons are compared by their VAE.
    static bool byAnnualWorth(const std::vector<long long> &horizons);

    // The index of the largest figure, the first of equal ones; a figure
    // that is not a number, or is infinite, cannot win. -1 when none can.
    static int best(const std::vector<double> &figures);
};

#endif // DECISIONRULE_H
