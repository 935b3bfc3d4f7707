#include "cashflow.h"

#include "flowworth.h"
#include "perpetualworth.h"

double flowWorth(const CashFlow &flow, double i)
{
    if (flow.perpetual && flow.kind != CashFlow::Single)
        return perpetualFlowWorth(flow, i);
    switch (flow.kind) {
    case CashFlow::Uniform:
        return uniformFlowWorth(i, flow.amount, flow.payments, flow.start);
    case CashFlow::Arithmetic:
        return arithmeticFlowWorth(i, flow.amount, flow.change, flow.payments, flow.start);
    case CashFlow::Geometric:
        return geometricFlowWorth(i, flow.amount, flow.change, flow.payments, flow.start);
    case CashFlow::Single:
    case CashFlow::Asset:
    case CashFlow::Loan:
        // A series of one payment: F / (1 + i)^s, nothing before period 0.
        return uniformFlowWorth(i, flow.amount, 1, flow.start);
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
