#include "aftertaxfigures.h"

namespace {

QVector<AlternativeFigures::Flow> taxed(const QVector<AlternativeFigures::Flow> &flows, double rate)
{
    QVector<AlternativeFigures::Flow> result = flows;
    if (rate == 0.0)
        return result;
    for (AlternativeFigures::Flow &flow : result) {
        flow.figures.amount *= 1.0 - rate;
        if (flow.figures.kind == CashFlow::Arithmetic)
            flow.figures.change *= 1.0 - rate;
    }
    return result;
}

void addPayments(const QString &name, const TaxStatement::Payments &payments,
                 AlternativeFigures *alternative)
{
    for (const auto &payment : payments) {
        CashFlow single;
        single.kind = CashFlow::Single;
        single.payments = 1;
        single.start = static_cast<int>(payment.first);
        single.amount = payment.second >= 0.0 ? payment.second : -payment.second;
        const QString named = AfterTaxFigures::tr("%1, período %2").arg(name).arg(payment.first);
        (payment.second >= 0.0 ? alternative->income : alternative->expenses)
            .append({named, single});
    }
}

} // namespace

TaxStatement AfterTaxFigures::statement(const AlternativeFigures &alternative)
{
    std::vector<DepreciableAsset> assets;
    for (const AlternativeFigures::Asset &asset : alternative.assets)
        assets.push_back(asset.terms);
    std::vector<LoanTerms> loans;
    for (const AlternativeFigures::Loan &loan : alternative.loans)
        loans.push_back(loan.terms);
    return TaxStatement(AlternativeFigures::figuresOf(alternative.typedIncome),
                        AlternativeFigures::figuresOf(alternative.typedExpenses),
                        alternative.taxRate, assets, loans);
}

void AfterTaxFigures::build(AlternativeFigures *alternative, bool withLoans)
{
    alternative->income = taxed(alternative->typedIncome, alternative->taxRate);
    alternative->expenses = taxed(alternative->typedExpenses, alternative->taxRate);
    const TaxStatement typed = statement(*alternative);
    for (int a = 0; a < alternative->assets.size(); ++a)
        addPayments(alternative->assets.at(a).name, typed.assetPayments(size_t(a)), alternative);
    if (!withLoans)
        return;
    for (int l = 0; l < alternative->loans.size(); ++l)
        addPayments(alternative->loans.at(l).name, typed.loanPayments(size_t(l)), alternative);
}

void AfterTaxFigures::apply(AlternativeFigures *alternative)
{
    if (!alternative->afterTax())
        return;
    alternative->typedIncome = alternative->income;
    alternative->typedExpenses = alternative->expenses;
    build(alternative, true);
}

AlternativeFigures AfterTaxFigures::project(const AlternativeFigures &alternative)
{
    AlternativeFigures project = alternative;
    if (alternative.afterTax())
        build(&project, false);
    return project;
}
