#include "cashflow.h"

#include "flowworth.h"

#include <algorithm>
#include <cmath>

double flowWorth(const CashFlow &flow, double i)
{
    switch (flow.kind) {
    case CashFlow::Uniform:
        return uniformFlowWorth(i, flow.amount, flow.payments, flow.start);
    case CashFlow::Arithmetic:
        return arithmeticFlowWorth(i, flow.amount, flow.change, flow.payments, flow.start);
    case CashFlow::Geometric:
        return geometricFlowWorth(i, flow.amount, flow.change, flow.payments, flow.start);
    }
    return 0.0;
}

double flowsWorth(const std::vector<CashFlow> &flows, double i)
{
    double sum = 0.0;
    for (const CashFlow &flow : flows)
        sum += flowWorth(flow, i);
    return sum;
}

bool addPayments(const std::vector<CashFlow> &flows, double sign, long long periods,
                 std::vector<double> *net)
{
    for (const CashFlow &flow : flows) {
        const long long first = std::max(flow.start, 0);
        const long long count = static_cast<long long>(flow.start) + flow.payments - first;
        if (count <= 0)
            continue;
        if (first + count > periods)
            return false;
        if (net->size() < static_cast<size_t>(first + count))
            net->resize(static_cast<size_t>(first + count), 0.0);
        for (long long j = 0; j < count; ++j) {
            const double k = static_cast<double>(j);
            double payment = flow.amount;
            if (flow.kind == CashFlow::Arithmetic)
                payment += k * flow.change;
            else if (flow.kind == CashFlow::Geometric)
                payment *= std::pow(1.0 + flow.change, k);
            (*net)[static_cast<size_t>(first + j)] += sign * payment;
        }
    }
    return true;
}
