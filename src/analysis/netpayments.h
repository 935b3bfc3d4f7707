#ifndef NETPAYMENTS_H
#define NETPAYMENTS_H

#include "cashflow.h"

#include <vector>

// The net payment (income less expenses) of each period of an alternative,
// laid out from its flows' payment schedules.
class NetPayments
{
public:
    // The most periods laid out: a horizon that never ends, or one longer
    // than this, is looked at over its first MostPeriods periods.
    static constexpr long long MostPeriods = 100000;

    // One past the last period in which any flow pays; 0 without payments;
    // LLONG_MAX when a flow pays for ever.
    static long long end(const std::vector<CashFlow> &income, const std::vector<CashFlow> &expenses);

    // The net payments of periods 0 .. periods - 1 (periods is cut to
    // MostPeriods).
    static std::vector<double> layOut(const std::vector<CashFlow> &income,
                                      const std::vector<CashFlow> &expenses, long long periods);

    // The expenses paid in period 0: the investment.
    static double investment(const std::vector<CashFlow> &expenses);
};

#endif // NETPAYMENTS_H
