#include "estimate.h"

#include <cmath>

const CashFlow &Estimate::flowOf(const Estimates &figures) const
{
    return (expense ? figures.expenses : figures.income)[static_cast<size_t>(flow)];
}

double Estimate::value(const Estimates &figures) const
{
    switch (field) {
    case Rate:
        return figures.rate;
    case Amount:
        return flowOf(figures).amount;
    case Change:
        return flowOf(figures).change;
    }
    return 0.0;
}

void Estimate::set(Estimates &figures, double value) const
{
    if (field == Rate) {
        figures.rate = value;
        return;
    }
    CashFlow &target = (expense ? figures.expenses : figures.income)[static_cast<size_t>(flow)];
    (field == Amount ? target.amount : target.change) = value;
}

bool Estimate::isRate(const Estimates &figures) const
{
    return field == Rate || (field == Change && flowOf(figures).kind == CashFlow::Geometric);
}

std::vector<Estimate> Estimate::quantities(const Estimates &figures)
{
    std::vector<Estimate> result;
    const auto take = [&](const Estimate &estimate) {
        const double typed = estimate.value(figures);
        if (std::isfinite(typed) && typed != 0.0)
            result.push_back(estimate);
    };
    take(Estimate{});
    for (const bool expense : {false, true}) {
        const std::vector<CashFlow> &flows = expense ? figures.expenses : figures.income;
        for (size_t f = 0; f < flows.size(); ++f) {
            take(Estimate{Amount, expense, static_cast<int>(f)});
            const CashFlow::Kind kind = flows[f].kind;
            if (kind == CashFlow::Arithmetic || kind == CashFlow::Geometric)
                take(Estimate{Change, expense, static_cast<int>(f)});
        }
    }
    return result;
}
