#ifndef ESTIMATES_H
#define ESTIMATES_H

#include "cashflow.h"

#include <vector>

// The figures of one alternative that its worth depends on, as plain
// numbers: what the sensitivity, the break-evens and the simulation vary.
struct Estimates {
    int horizon = 0;
    double rate = 0.0;
    std::vector<CashFlow> income;
    std::vector<CashFlow> expenses;

    // The VPN at the alternative's rate, each flow by its closed form.
    double netWorth() const;
    // The figure alternatives are compared by: the VPN, or with `annual`
    // its equivalent annual worth over the horizon.
    double measure(bool annual) const;
};

#endif // ESTIMATES_H
