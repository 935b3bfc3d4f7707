#include "aftertaxfigures.h"

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
    std::vector<CashFlow> income;
    std::vector<CashFlow> expenses;
    std::vector<TaxStatement::Added> added;
    statement(*alternative).flows(withLoans, &income, &expenses, &added);
    QVector<AlternativeFigures::Flow> &in = alternative->income;
    QVector<AlternativeFigures::Flow> &out = alternative->expenses;
    in.clear();
    out.clear();
    for (const AlternativeFigures::Flow &flow : alternative->typedIncome)
        in.append({flow.name, income[static_cast<size_t>(in.size())]});
    for (const AlternativeFigures::Flow &flow : alternative->typedExpenses)
        out.append({flow.name, expenses[static_cast<size_t>(out.size())]});
    for (const TaxStatement::Added &payment : added) {
        const QString name = payment.loan ? alternative->loans.at(int(payment.index)).name
                                          : alternative->assets.at(int(payment.index)).name;
        QVector<AlternativeFigures::Flow> &flows = payment.income ? in : out;
        const std::vector<CashFlow> &figures = payment.income ? income : expenses;
        flows.append({tr("%1, período %2").arg(name).arg(payment.period),
                      figures[static_cast<size_t>(flows.size())]});
    }
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
