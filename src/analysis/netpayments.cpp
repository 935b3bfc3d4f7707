#include "netpayments.h"

#include "paymentschedule.h"

#include <algorithm>
#include <climits>

namespace {

// The flow as the schedule reads it: one that pays for ever pays up to the
// last period that can be laid out.
CashFlow bounded(CashFlow flow)
{
    if (flow.perpetual) {
        // Before period 0 nothing is paid: the first payment, the amount
        // itself, falls in period 0 either way.
        flow.perpetual = false;
        flow.start = std::max(flow.start, 0);
        flow.payments = INT_MAX;
    }
    return flow;
}

void add(std::vector<double> &net, const std::vector<CashFlow> &flows, double sign, long long periods)
{
    for (const CashFlow &flow : flows) {
        PaymentSchedule(bounded(flow)).forEach(periods, [&net, sign](long long k, double payment) {
            net[static_cast<size_t>(k)] += sign * payment;
        });
    }
}

} // namespace

long long NetPayments::end(const std::vector<CashFlow> &income, const std::vector<CashFlow> &expenses)
{
    long long last = 0;
    for (const auto *flows : {&income, &expenses}) {
        for (const CashFlow &flow : *flows) {
            const PaymentSchedule schedule(flow);
            if (flow.perpetual)
                return LLONG_MAX;
            if (schedule.end() > schedule.first())
                last = std::max(last, schedule.end());
        }
    }
    return last;
}

std::vector<double> NetPayments::layOut(const std::vector<CashFlow> &income,
                                        const std::vector<CashFlow> &expenses, long long periods)
{
    periods = std::clamp<long long>(periods, 0, MostPeriods);
    std::vector<double> net(static_cast<size_t>(periods), 0.0);
    add(net, income, 1.0, periods);
    add(net, expenses, -1.0, periods);
    return net;
}

double NetPayments::investment(const std::vector<CashFlow> &expenses)
{
    double paid = 0.0;
    for (const CashFlow &flow : expenses)
        PaymentSchedule(bounded(flow)).forEach(1, [&paid](long long, double payment) { paid += payment; });
    return paid;
}
