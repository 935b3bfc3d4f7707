#ifndef PAYMENTSCHEDULE_H
#define PAYMENTSCHEDULE_H

#include "cashflow.h"

#include <algorithm>
#include <limits>

// The payments of one flow, period by period.
//
// The flow pays in the periods start <= k < start + payments (a single
// payment: in period start alone). Payments before period 0 never happen:
// with a negative start, the first payment that remains, the amount itself,
// falls in period 0 (a single payment then pays nothing). The running
// payment starts at the amount and moves on after each paying period: it
// stays as it is (uniform, single), grows by the change (arithmetic) or by
// the fraction (geometric). Every report, the pictures and the search of the
// TIR take their payments from here. A perpetual series pays in every
// period from its first on: its end is the largest long long.
//
// Every whole number a user can type (INT_MIN..INT_MAX) is valid for the
// count and the start: the periods are kept in long long.
class PaymentSchedule
{
public:
    explicit PaymentSchedule(const CashFlow &flow)
        : m_kind(flow.kind)
        , m_amount(flow.amount)
        , m_change(flow.change)
        , m_first(std::max(flow.start, 0))
        , m_end(endOf(flow, m_first))
    {
    }

    // The paying periods are first() <= k < end(); none when they are equal.
    long long first() const { return m_first; }
    long long end() const { return m_end; }

    // Calls pay(k, payment) for each paying period k before `periods`, in
    // order. Costs one step a period: the caller keeps `periods` to what it
    // can hold.
    template <typename Pay>
    void forEach(long long periods, Pay pay) const
    {
        const long long end = std::min(m_end, periods);
        double running = m_amount;
        for (long long k = m_first; k < end; ++k) {
            pay(k, running);
            switch (m_kind) {
            case CashFlow::Uniform:
            case CashFlow::Single:
            case CashFlow::Asset:
            case CashFlow::Loan:
                break;
            case CashFlow::Arithmetic:
                running = running + m_change;
                break;
            case CashFlow::Geometric:
                running = running * (1.0 + m_change);
                break;
            }
        }
    }

private:
    static long long endOf(const CashFlow &flow, long long first)
    {
        if (flow.kind == CashFlow::Single)
            return std::max(flow.start + 1LL, first);
        if (flow.perpetual)
            return std::numeric_limits<long long>::max();
        return std::max(static_cast<long long>(flow.start) + flow.payments, first);
    }

    CashFlow::Kind m_kind;
    double m_amount;
    double m_change;
    long long m_first;
    long long m_end;
};

#endif // PAYMENTSCHEDULE_H
