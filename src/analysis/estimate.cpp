#include "estimate.h"

#include <cmath>

const CashFlow &Estimate::flowOf(const Estimates &figures) const
{
    const Estimates::Typed &typed = figures.typed;
    const bool after = figures.afterTax;
    return (expense ? (after ? typed.expenses : figures.expenses)
                    : (after ? typed.income : figures.income))[static_cast<size_t>(flow)];
}

double Estimate::value(const Estimates &figures) const
{
    const size_t index = static_cast<size_t>(flow);
    switch (field) {
    case Rate:
        return figures.rate;
    case Amount:
        return flowOf(figures).amount;
    case Change:
        return flowOf(figures).change;
    case TaxRate:
        return figures.typed.taxRate;
    case AssetCost:
        return figures.typed.assets[index].cost;
    case AssetSale:
        return figures.typed.assets[index].saleValue;
    case LoanRate:
        return figures.typed.loans[index].rate;
    }
    return 0.0;
}

void Estimate::assign(Estimates &figures, double value) const
{
    if (field == Rate) {
        figures.rate = value;
        return;
    }
    const size_t index = static_cast<size_t>(flow);
    Estimates::Typed &typed = figures.typed;
    if (field == Amount || field == Change) {
        std::vector<CashFlow> &flows = !figures.afterTax ? (expense ? figures.expenses : figures.income)
                                                         : (expense ? typed.expenses : typed.income);
        (field == Amount ? flows[index].amount : flows[index].change) = value;
    } else if (field == TaxRate) {
        typed.taxRate = value;
    } else if (field == AssetCost) {
        typed.assets[index].cost = value;
    } else if (field == AssetSale) {
        typed.assets[index].saleValue = value;
    } else {
        typed.loans[index].rate = value;
    }
}

void Estimate::setAfterTax(Estimates &figures, double value) const
{
    assign(figures, value);
    figures.rebuild();
}

bool Estimate::isRate(const Estimates &figures) const
{
    return field == Rate || field == TaxRate || field == LoanRate
        || (field == Change && flowOf(figures).kind == CashFlow::Geometric);
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
    const Estimates::Typed &typed = figures.typed;
    for (const bool expense : {false, true}) {
        const std::vector<CashFlow> &flows = figures.afterTax
            ? (expense ? typed.expenses : typed.income)
            : (expense ? figures.expenses : figures.income);
        for (size_t f = 0; f < flows.size(); ++f) {
            take(Estimate{Amount, expense, static_cast<int>(f)});
            const CashFlow::Kind kind = flows[f].kind;
            if (kind == CashFlow::Arithmetic || kind == CashFlow::Geometric)
                take(Estimate{Change, expense, static_cast<int>(f)});
        }
    }
    if (!figures.afterTax)
        return result;
    take(Estimate{TaxRate, false, -1});
    for (size_t a = 0; a < typed.assets.size(); ++a) {
        if (DepreciationSchedule::check(typed.assets[a]) != DepreciableAsset::None)
            continue;
        take(Estimate{AssetCost, true, static_cast<int>(a)});
        take(Estimate{AssetSale, false, static_cast<int>(a)});
    }
    for (size_t l = 0; l < typed.loans.size(); ++l) {
        if (LoanSchedule::check(typed.loans[l]) == LoanTerms::None)
            take(Estimate{LoanRate, false, static_cast<int>(l)});
    }
    return result;
}
