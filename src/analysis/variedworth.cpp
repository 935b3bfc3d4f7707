#include "variedworth.h"

#include <cstddef>

VariedWorth::VariedWorth(const Estimates &typed)
    : figures(typed)
{
    for (const CashFlow &flow : figures.income)
        incomeWorths.push_back(flowWorth(flow, figures.rate));
    for (const CashFlow &flow : figures.expenses)
        expenseWorths.push_back(flowWorth(flow, figures.rate));
}

double VariedWorth::at(const Estimate &estimate, double value) const
{
    if (estimate.field == Estimate::Rate || estimate.rebuilds(figures)) {
        Estimates varied = figures;
        estimate.set(varied, value);
        return varied.netWorth();
    }
    const auto &flows = estimate.expense ? figures.expenses : figures.income;
    CashFlow flow = flows[static_cast<size_t>(estimate.flow)];
    (estimate.field == Estimate::Amount ? flow.amount : flow.change) = value;
    const double changed = flowWorth(flow, figures.rate);
    // Added in the order netWorth() adds them.
    double sum = 0.0;
    for (size_t f = 0; f < incomeWorths.size(); ++f)
        sum += !estimate.expense && static_cast<int>(f) == estimate.flow ? changed : incomeWorths[f];
    for (size_t f = 0; f < expenseWorths.size(); ++f)
        sum -= estimate.expense && static_cast<int>(f) == estimate.flow ? changed : expenseWorths[f];
    return sum;
}

double VariedWorth::measureAt(const Estimate &estimate, double value, bool annual) const
{
    const double vpn = at(estimate, value);
    if (!annual)
        return vpn;
    return figures.annualWorthOf(vpn, estimate.field == Estimate::Rate ? value : figures.rate);
}
