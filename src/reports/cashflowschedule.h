#ifndef CASHFLOWSCHEDULE_H
#define CASHFLOWSCHEDULE_H

#include "cashflow.h"

#include <QList>

// The payments of one flow in the periods 0..N of its alternative.
//
// The flow pays in the periods s <= i < s + n. The running payment starts at
// the first payment A and moves on after each paying period inside the
// horizon: it stays as it is (uniform), grows by G (arithmetic) or by the
// fraction g (geometric). Payments before period 0 never happen, so with a
// negative start period 0 carries A itself; payments past N are cut off.
//
// Every whole number a user can type (INT_MIN..INT_MAX) is valid for n, s
// and N; the window and the period count are kept in long long.
class CashFlowSchedule
{
public:
    enum Growth { Uniform, Arithmetic, Geometric };

    CashFlowSchedule(Growth growth, double payment, double gradient, int count, int start,
                     int horizon);
    // The payments of `flow` in the periods 0..horizon.
    CashFlowSchedule(const CashFlow &flow, int horizon);

    // N + 1, or 0 when the horizon is negative.
    long long periodCount() const;
    // The paying periods inside 0..N are firstPaying() <= i < endPaying();
    // none when endPaying() <= firstPaying().
    long long firstPaying() const { return m_first; }
    long long endPaying() const { return m_end; }

    // The amount of every period 0..N, period by period: 0 where the flow
    // does not pay. Builds periodCount() entries, so the caller keeps the
    // horizon to what it can show.
    QList<double> amounts() const;

private:
    Growth m_growth;
    double m_payment;
    double m_gradient;
    int m_horizon;
    long long m_first;
    long long m_end;
};

#endif // CASHFLOWSCHEDULE_H
