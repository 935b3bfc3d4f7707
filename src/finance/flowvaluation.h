#ifndef FLOWVALUATION_H
#define FLOWVALUATION_H

#include "cashflow.h"

#include <vector>

// The worth at any rate of an alternative's flows: its income (VPI), its
// expenses (VPE) and the net of both (VPN). The comparison, the VPN profile
// and the search of the TIR all value an alternative through it.
//
// Worths are valued flow by flow with the closed forms of the interest
// factors, exact at every rate. When every payment falls before period
// MostPeriods, the payments are also added up period by period once, from
// the payment schedule, so that the net worth at many rates costs one pass
// over the periods each.
class FlowValuation
{
public:
    // The one period limit of the net payments: a net worth over longer
    // flows is valued flow by flow. The closed forms cost about as much as
    // a pass over a thousand periods.
    static constexpr long long MostPeriods = 1024;

    FlowValuation(std::vector<CashFlow> income, std::vector<CashFlow> expenses);

    const std::vector<CashFlow> &income() const { return m_income; }
    const std::vector<CashFlow> &expenses() const { return m_expenses; }

    // VPI and VPE at the rate per period.
    double incomeWorth(double rate) const;
    double expenseWorth(double rate) const;
    // The net worth flow by flow, each income added and each expense
    // subtracted in turn; *magnitude, if given, receives the sum of the
    // flows' absolute worths, the scale of its rounding.
    double netWorth(double rate, double *magnitude = nullptr) const;

    // Whether every payment falls before period MostPeriods; then
    // netPayments()[k] is the net payment (income less expenses) of period
    // k, up to the last paying period.
    bool laidOut() const { return m_laidOut; }
    const std::vector<double> &netPayments() const { return m_net; }
    // The net worth at the rate from the net payments when laid out,
    // otherwise netWorth(rate).
    double quickNetWorth(double rate) const;

private:
    bool layOut(const std::vector<CashFlow> &flows, double sign);

    std::vector<CashFlow> m_income;
    std::vector<CashFlow> m_expenses;
    std::vector<double> m_net;
    bool m_laidOut = false;
};

#endif // FLOWVALUATION_H
