#include "estimates.h"

#include "annualworth.h"

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
    return annual ? annualWorth(vpn, rate, horizon) : vpn;
}
