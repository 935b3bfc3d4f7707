#ifndef ESTIMATES_H
#define ESTIMATES_H

#include "cashflow.h"
#include "depreciationschedule.h"
#include "loanschedule.h"

#include <vector>

// The figures of one alternative that its worth depends on, as plain
// numbers: what the sensitivity, the break-evens and the simulation vary.
struct Estimates {
    int horizon = 0;
    bool perpetual = false; // the horizon never ends
    double rate = 0.0;
    std::vector<CashFlow> income;
    std::vector<CashFlow> expenses;

    // An alternative appraised after taxes or holding assets or loans:
    // income and expenses above are then its decision flow, and these the
    // figures it is made of, the ones varied (rebuild() makes the flow
    // again from them, as the reports make it: TaxStatement::flows).
    struct Typed {
        double taxRate = 0.0;
        std::vector<CashFlow> income;
        std::vector<CashFlow> expenses;
        std::vector<DepreciableAsset> assets;
        std::vector<LoanTerms> loans;
    };
    bool afterTax = false;
    Typed typed{};

    void rebuild();

    // The VPN at the alternative's rate, each flow by its closed form.
    double netWorth() const;
    // The figure alternatives are compared by: the VPN, or with `annual`
    // its equivalent annual worth over the horizon.
    double measure(bool annual) const;
    // The VPN as an annual worth at the rate: over the horizon, or the
    // interest on it when the horizon never ends.
    double annualWorthOf(double vpn, double at) const;
    // The horizon as compared with others': an endless one beyond any.
    long long horizonKey() const;
};

#endif // ESTIMATES_H
