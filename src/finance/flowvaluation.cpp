#include "flowvaluation.h"

#include "paymentschedule.h"

#include <cmath>
#include <utility>

FlowValuation::FlowValuation(std::vector<CashFlow> income, std::vector<CashFlow> expenses)
    : m_income(std::move(income)), m_expenses(std::move(expenses))
{
    m_laidOut = layOut(m_income, 1.0) && layOut(m_expenses, -1.0);
    if (!m_laidOut)
        m_net.clear();
}

bool FlowValuation::layOut(const std::vector<CashFlow> &flows, double sign)
{
    for (const CashFlow &flow : flows) {
        const PaymentSchedule schedule(flow);
        if (schedule.end() <= schedule.first())
            continue;
        if (schedule.end() > MostPeriods)
            return false;
        if (m_net.size() < static_cast<size_t>(schedule.end()))
            m_net.resize(static_cast<size_t>(schedule.end()), 0.0);
        schedule.forEach(schedule.end(), [this, sign](long long k, double payment) {
            m_net[static_cast<size_t>(k)] += sign * payment;
        });
    }
    return true;
}

double FlowValuation::incomeWorth(double rate) const
{
    return flowsWorth(m_income, rate);
}

double FlowValuation::expenseWorth(double rate) const
{
    return flowsWorth(m_expenses, rate);
}

double FlowValuation::netWorth(double rate, double *magnitude) const
{
    double value = 0.0;
    double size = 0.0;
    for (const CashFlow &flow : m_income) {
        const double w = flowWorth(flow, rate);
        value += w;
        size += std::fabs(w);
    }
    for (const CashFlow &flow : m_expenses) {
        const double w = flowWorth(flow, rate);
        value -= w;
        size += std::fabs(w);
    }
    if (magnitude)
        *magnitude = size;
    return value;
}

double FlowValuation::quickNetWorth(double rate) const
{
    if (!m_laidOut)
        return netWorth(rate);
    // Horner's rule in the discount factor, from the last period down.
    const double v = 1.0 / (1.0 + rate);
    double sum = 0.0;
    for (auto c = m_net.crbegin(); c != m_net.crend(); ++c)
        sum = sum * v + *c;
    return sum;
}
