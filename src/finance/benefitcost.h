#ifndef BENEFITCOST_H
#define BENEFITCOST_H

#include <optional>

// Benefit/cost ratio (B/C) of an alternative: the present worth of its
// income over that of its expenses, VPI / VPE. No value when VPE is 0.
std::optional<double> benefitCost(double vpi, double vpe);

#endif // BENEFITCOST_H
