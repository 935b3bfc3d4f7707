#include "incrementalanalysis.h"

#include "annualworth.h"
#include "benefitcost.h"
#include "flowvaluation.h"
#include "netpayments.h"
#include "rateofreturn.h"
#include "ratescan.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace {

constexpr int ScanIntervals = 512;

// An alternative valued once at the common rate.
struct Valued {
    const IncrementalAnalysis::Alternative *figures = nullptr;
    FlowValuation valuation{{}, {}};
    double income = 0.0;   // present worth, or annual worth with horizons that differ
    double expenses = 0.0;
    double net = 0.0;
    double investment = 0.0;
    double presentExpenses = 0.0;
};

// A worth at period 0 spread over the horizon as an annual worth: over a
// horizon that never ends, the interest on it.
double annualOf(double worth, double rate, const IncrementalAnalysis::Alternative &a)
{
    return a.perpetual ? worth * rate : annualWorth(worth, rate, a.horizon);
}

std::vector<CashFlow> joined(const std::vector<CashFlow> &a, const std::vector<CashFlow> &b)
{
    std::vector<CashFlow> all(a);
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

} // namespace

IncrementalAnalysis::Result IncrementalAnalysis::run(const std::vector<Alternative> &alternatives)
{
    Result result;
    const int count = static_cast<int>(alternatives.size());
    if (count < 2)
        return result;
    const double rate = alternatives.front().rate;
    for (int a = 1; a < count; ++a) {
        if (!(alternatives[static_cast<size_t>(a)].rate == rate)) {
            result.basis = Basis::DifferentRates;
            result.differentRates[1] = a;
            return result;
        }
    }
    const auto horizonKey = [](const Alternative &a) {
        return a.perpetual ? LLONG_MAX : static_cast<long long>(a.horizon);
    };
    const bool sameHorizon =
        std::all_of(alternatives.begin(), alternatives.end(), [&](const Alternative &a) {
            return horizonKey(a) == horizonKey(alternatives.front());
        });

    std::vector<Valued> valued(static_cast<size_t>(count));
    bool anyIncome = false;
    for (int a = 0; a < count; ++a) {
        const Alternative &figures = alternatives[static_cast<size_t>(a)];
        Valued &v = valued[static_cast<size_t>(a)];
        v.figures = &figures;
        v.valuation = FlowValuation(figures.income, figures.expenses);
        const double income = v.valuation.incomeWorth(rate);
        v.presentExpenses = v.valuation.expenseWorth(rate);
        const double net = income - v.presentExpenses;
        v.income = sameHorizon ? income : annualOf(income, rate, figures);
        v.expenses = sameHorizon ? v.presentExpenses : annualOf(v.presentExpenses, rate, figures);
        v.net = sameHorizon ? net : annualOf(net, rate, figures);
        v.investment = NetPayments::investment(figures.expenses);
        if (std::isnan(v.net)) {
            result.left.push_back(a);
            continue;
        }
        result.order.push_back(a);
        anyIncome = anyIncome || income != 0.0;
    }
    if (result.order.size() < 2)
        return result;
    result.basis = sameHorizon ? Basis::PresentWorth : Basis::AnnualWorth;
    std::stable_sort(result.order.begin(), result.order.end(), [&](int a, int b) {
        const Valued &x = valued[static_cast<size_t>(a)];
        const Valued &y = valued[static_cast<size_t>(b)];
        if (x.investment != y.investment)
            return x.investment < y.investment;
        return x.presentExpenses < y.presentExpenses;
    });

    // Alternatives that earn something start from investing nothing; among
    // alternatives of costs only, one of them must be chosen.
    size_t next = 0;
    int defender = anyIncome ? Nothing : result.order[next++];
    result.firstDefender = defender;
    for (; next < result.order.size(); ++next) {
        const int challenger = result.order[next];
        const Valued &b = valued[static_cast<size_t>(challenger)];
        const Valued *a = defender == Nothing ? nullptr : &valued[static_cast<size_t>(defender)];
        Step step;
        step.challenger = challenger;
        step.defender = defender;
        step.delta = b.net - (a ? a->net : 0.0);
        step.benefitCost = benefitCost(b.income - (a ? a->income : 0.0),
                                       b.expenses - (a ? a->expenses : 0.0));
        const Alternative &bf = *b.figures;
        if (sameHorizon) {
            // The increment B - A as one alternative: B's income and A's
            // expenses come in, B's expenses and A's income go out.
            step.rates = a ? RateOfReturn::rates(joined(bf.income, a->figures->expenses),
                                                 joined(bf.expenses, a->figures->income))
                           : RateOfReturn::rates(b.valuation);
        } else {
            const auto f = [&b, a](double r) {
                const double mine = annualOf(b.valuation.netWorth(r), r, *b.figures);
                return a ? mine - annualOf(a->valuation.netWorth(r), r, *a->figures) : mine;
            };
            step.rates = RateScan::zeros(f, RateOfReturn::kLowest, RateOfReturn::kHighest,
                                         ScanIntervals);
        }
        step.challengerWins = step.delta >= 0.0;
        if (step.challengerWins)
            defender = challenger;
        result.steps.push_back(step);
    }
    result.kept = defender;
    return result;
}
