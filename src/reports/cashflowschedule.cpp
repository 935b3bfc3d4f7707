#include "cashflowschedule.h"

#include <algorithm>

CashFlowSchedule::CashFlowSchedule(Growth growth, double payment, double gradient, int count,
                                   int start, int horizon)
    : m_growth(growth)
    , m_payment(payment)
    , m_gradient(gradient)
    , m_horizon(horizon)
{
    // s + n and N + 1 can leave the int range: both are taken in long long.
    const long long windowEnd = static_cast<long long>(start) + count;
    m_first = std::max<long long>(start, 0);
    m_end = std::min(windowEnd, periodCount());
    if (m_end < m_first)
        m_end = m_first;
}

namespace {

CashFlowSchedule::Growth growthOf(CashFlow::Kind kind)
{
    switch (kind) {
    case CashFlow::Arithmetic:
        return CashFlowSchedule::Arithmetic;
    case CashFlow::Geometric:
        return CashFlowSchedule::Geometric;
    case CashFlow::Uniform:
        break;
    }
    return CashFlowSchedule::Uniform;
}

} // namespace

CashFlowSchedule::CashFlowSchedule(const CashFlow &flow, int horizon)
    : CashFlowSchedule(growthOf(flow.kind), flow.amount, flow.change, flow.payments, flow.start,
                       horizon)
{
}

long long CashFlowSchedule::periodCount() const
{
    return m_horizon < 0 ? 0 : static_cast<long long>(m_horizon) + 1;
}

QList<double> CashFlowSchedule::amounts() const
{
    const long long periods = periodCount();
    QList<double> result;
    double running = m_payment;
    for (long long i = 0; i < periods; ++i) {
        if (i < m_first || i >= m_end) {
            result.append(0.0);
            continue;
        }
        result.append(running);
        switch (m_growth) {
        case Uniform:
            break;
        case Arithmetic:
            running = running + m_gradient;
            break;
        case Geometric:
            running = running * (1.0 + m_gradient);
            break;
        }
    }
    return result;
}
