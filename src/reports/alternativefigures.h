#ifndef ALTERNATIVEFIGURES_H
#define ALTERNATIVEFIGURES_H

#include "cashflow.h"
#include "depreciationschedule.h"
#include "flowvaluation.h"
#include "loanschedule.h"

#include <QString>
#include <QVector>

#include <vector>

// An alternative as the reports see it: its name, horizon (perpetual: one
// that never ends, horizon then 0), rate and flows,
// read once per report from its property tables. The reports value these
// plain figures at any rate without going back to the tables.
struct AlternativeFigures {
    struct Flow {
        QString name;
        CashFlow figures;
    };

    QString name;
    int horizon = 0;
    double rate = 0.0;
    bool perpetual = false; // the horizon never ends
    QVector<Flow> income;
    QVector<Flow> expenses;

    // After taxes or with assets or loans (AfterTaxFigures::apply): income
    // and expenses above are then the decision flow (the investor's with a
    // loan, the project's otherwise), and these keep what was typed.
    struct Asset {
        QString name;
        DepreciableAsset terms;
    };
    struct Loan {
        QString name;
        LoanTerms terms;
    };
    double taxRate = 0.0;
    QVector<Asset> assets{};
    QVector<Loan> loans{};
    QVector<Flow> typedIncome{};
    QVector<Flow> typedExpenses{};

    bool afterTax() const { return taxRate != 0.0 || !assets.isEmpty() || !loans.isEmpty(); }

    static std::vector<CashFlow> figuresOf(const QVector<Flow> &flows)
    {
        std::vector<CashFlow> result;
        result.reserve(static_cast<size_t>(flows.size()));
        for (const Flow &flow : flows)
            result.push_back(flow.figures);
        return result;
    }

    // The flows, ready to be valued at any rate.
    FlowValuation valuation() const { return FlowValuation(figuresOf(income), figuresOf(expenses)); }
};

#endif // ALTERNATIVEFIGURES_H
