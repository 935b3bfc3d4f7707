#include "estimates.h"

#include "annualworth.h"
#include "taxstatement.h"

#include <climits>

double Estimates::netWorth() const
{
    double value = 0.0;
    for (const CashFlow &flow : income)
        value += flowWorth(flow, rate);
    for (const CashFlow &flow : expenses)
        value -= flowWorth(flow, rate);
    return value;
}

double Estimates::measure(bool annual) const
{
    const double vpn = netWorth();
    return annual ? annualWorthOf(vpn, rate) : vpn;
}

double Estimates::annualWorthOf(double vpn, double at) const
{
    return perpetual ? perpetualAnnualWorth(vpn, at) : annualWorth(vpn, at, horizon);
}

long long Estimates::horizonKey() const
{
    return perpetual ? LLONG_MAX : horizon;
}

void Estimates::rebuild()
{
    TaxStatement(typed.income, typed.expenses, typed.taxRate, typed.assets, typed.loans)
        .flows(true, &income, &expenses);
}
