#ifndef ESTIMATE_H
#define ESTIMATE_H

#include "estimates.h"

#include <cstddef>
#include <vector>

// One figure of an alternative that is a quantity: its rate, or a flow's
// first payment ("Anualidad", "Monto"), gradient or growth; after taxes
// also the tax rate, an asset's cost and sale value and a loan's rate,
// from which the decision flow is made again. Counts, periods and the
// horizon are not estimates in this sense and are never varied.
struct Estimate {
    enum Field { Rate, Amount, Change, TaxRate, AssetCost, AssetSale, LoanRate };

    Field field = Rate;
    bool expense = false; // the flow is an expense
    // Its index among the income or the expenses (after taxes: the typed
    // ones), or among the assets or the loans.
    int flow = -1;

    double value(const Estimates &figures) const;
    // After taxes, any figure but the rate makes the decision flow again.
    // Inline: the simulation sets figures before taxes millions of times.
    void set(Estimates &figures, double value) const
    {
        if (field == Rate) {
            figures.rate = value;
        } else if (!figures.afterTax) {
            CashFlow &target = (expense ? figures.expenses : figures.income)[static_cast<size_t>(flow)];
            (field == Amount ? target.amount : target.change) = value;
        } else {
            setAfterTax(figures, value);
        }
    }
    // The figure alone: the caller rebuilds the decision flow.
    void assign(Estimates &figures, double value) const;
    // A figure whose change the decision flow is made again for.
    bool rebuilds(const Estimates &figures) const { return figures.afterTax && field != Rate; }
    // A rate-like figure (the rate, a growth) as opposed to an amount.
    bool isRate(const Estimates &figures) const;

    // Every figure that is a quantity, finite and not 0 (a 0 varied by a
    // share of itself stays 0): the rate, then the income's flows, then the
    // expenses', each its amount then its change; after taxes then the tax
    // rate, each usable asset's cost and sale value, each loan's rate.
    static std::vector<Estimate> quantities(const Estimates &figures);

private:
    void setAfterTax(Estimates &figures, double value) const;
    const CashFlow &flowOf(const Estimates &figures) const;
};

#endif // ESTIMATE_H
