#include "drawvaluation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Cancellation = 1e-6;

// Payments from period 0 on and the first of them, as flowWorth counts them.
struct Span {
    long long first = 0;
    long long count = 0;
};

Span spanOf(const CashFlow &flow)
{
    const long long n = flow.kind == CashFlow::Single ? 1 : flow.payments;
    return {std::max(flow.start, 0), n + std::min(flow.start, 0)};
}

} // namespace

DrawValuation::DrawValuation(const Estimates &typed)
{
    long long last = 0;
    for (const bool expense : {false, true}) {
        for (const CashFlow &flow : expense ? typed.expenses : typed.income) {
            const Span span = spanOf(flow);
            if (span.count > 0)
                last = std::max(last, span.first + span.count);
        }
    }
    periods = static_cast<int>(std::min<long long>(last + 3, MostPeriods + 1));
    powers.resize(static_cast<size_t>(periods));
    const bool table = last + 3 <= MostPeriods && buildTable(typed.rate);
    for (const bool expense : {false, true}) {
        std::vector<char> &quick = expense ? quickExpenses : quickIncome;
        for (const CashFlow &flow : expense ? typed.expenses : typed.income) {
            // Trusted only where it agrees with flowWorth at the typed figures.
            bool agrees = false;
            if (table) {
                const double fast = flowWorthAt(flow, typed.rate, true);
                const double exact = flowWorth(flow, typed.rate);
                agrees = std::isfinite(fast) && std::isfinite(exact)
                    && std::fabs(fast - exact) <= 1e-9 * std::max(std::fabs(exact), 1e-300);
            }
            quick.push_back(agrees ? 1 : 0);
            anyQuick = anyQuick || agrees;
        }
    }
}

bool DrawValuation::buildTable(double rate) const
{
    if (!(std::fabs(rate) >= Cancellation) || !std::isfinite(rate) || rate == -1.0)
        return false;
    const double v = 1.0 / (1.0 + rate);
    ratio = 1.0 / (1.0 - v);
    double power = 1.0;
    for (double &p : powers) {
        p = power;
        power *= v;
    }
    return std::isfinite(ratio) && std::isfinite(powers.back()) && powers.back() != 0.0;
}

double DrawValuation::flowWorthAt(const CashFlow &flow, double rate, bool quick) const
{
    const Span span = spanOf(flow);
    if (!quick || span.count <= 0)
        return span.count <= 0 ? 0.0 : flowWorth(flow, rate);
    const size_t s = static_cast<size_t>(span.first);
    const size_t m = static_cast<size_t>(span.count);
    const double level = (powers[s] - powers[s + m]) * ratio;
    double worth = 0.0;
    switch (flow.kind) {
    case CashFlow::Uniform:
    case CashFlow::Single:
    case CashFlow::Asset:
    case CashFlow::Loan:
        worth = flow.amount * level;
        break;
    case CashFlow::Arithmetic: {
        const double md = static_cast<double>(m);
        const double steps =
            (powers[s + 1] - md * powers[s + m] + (md - 1.0) * powers[s + m + 1]) * ratio * ratio;
        worth = flow.amount * level + flow.change * steps;
        break;
    }
    case CashFlow::Geometric: {
        const double q = (1.0 + flow.change) * powers[1];
        if (!(std::fabs(1.0 - q) >= Cancellation))
            return flowWorth(flow, rate);
        worth = flow.amount * powers[s] * (1.0 - std::pow(q, static_cast<double>(m))) / (1.0 - q);
        break;
    }
    }
    return std::isfinite(worth) ? worth : flowWorth(flow, rate);
}

double DrawValuation::netWorth(const Estimates &figures) const
{
    const bool table = anyQuick && buildTable(figures.rate);
    double value = 0.0;
    // After taxes a drawn figure may add, drop or move a payment the
    // decision flow adds after the typed flows: those are valued by flowWorth.
    const size_t quickIn = figures.afterTax ? figures.typed.income.size() : figures.income.size();
    const size_t quickOut = figures.afterTax ? figures.typed.expenses.size() : figures.expenses.size();
    for (size_t f = 0; f < figures.income.size(); ++f)
        value += flowWorthAt(figures.income[f], figures.rate, table && f < quickIn && quickIncome[f]);
    for (size_t f = 0; f < figures.expenses.size(); ++f)
        value -= flowWorthAt(figures.expenses[f], figures.rate, table && f < quickOut && quickExpenses[f]);
    return value;
}
