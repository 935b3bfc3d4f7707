#ifndef TAXSTATEMENT_H
#define TAXSTATEMENT_H

#include "cashflow.h"
#include "depreciationschedule.h"
#include "loanschedule.h"

#include <cstddef>
#include <utility>
#include <vector>

// One period of the statement a course writes after taxes.
struct StatementPeriod {
    long long period = 0;
    double income = 0.0;
    double expenses = 0.0;
    double depreciation = 0.0;
    double interest = 0.0;
    double taxable = 0.0; // income - expenses - depreciation - interest
    double tax = 0.0;     // rate × taxable: negative for a loss
    double net = 0.0;     // taxable - tax
    double investment = 0.0;
    double sale = 0.0;
    double saleTax = 0.0; // rate × (sale value - book value): negative below book
    double loan = 0.0;
    double principal = 0.0;
    double project = 0.0;  // without the loans
    double investor = 0.0; // with them
};

// An alternative's flows after an income tax paid in the period of each
// flow, with its depreciable assets and its loans: the project's cash flow
// (every flow and asset) and the investor's (the project's and the loans).
// With a rate T every income and expense is worth (1 - T) times itself; an
// asset adds its cost, the tax saved on its depreciation and its sale less
// the tax on the gain; a loan its disbursement, less each cuota, plus the
// tax saved on its interest. Assets and loans whose figures have a fault
// take no part.
class TaxStatement
{
public:
    using Payments = std::vector<std::pair<long long, double>>;

    TaxStatement(std::vector<CashFlow> income, std::vector<CashFlow> expenses, double taxRate,
                 std::vector<DepreciableAsset> assets, std::vector<LoanTerms> loans);

    // The periods 0 .. count - 1.
    std::vector<StatementPeriod> periods(long long count) const;
    // The last period in which an asset or a loan pays; -1 when none does.
    long long lastPeriod() const;

    // What asset `index` adds to the project's flow, period by period (only
    // periods where it adds something).
    Payments assetPayments(size_t index) const;
    // What loan `index` adds to the investor's flow, period by period.
    Payments loanPayments(size_t index) const;

    // Where a payment of flows() that was not typed comes from.
    struct Added {
        bool loan = false;  // a loan's, else an asset's
        size_t index = 0;   // among the loans or the assets
        long long period = 0;
        bool income = true; // put among the income, else the expenses
    };
    // The flow the alternative is decided on: each typed income and expense
    // worth (1 - T) times itself (its gradient too), in their order; then a
    // single payment for each period an asset adds something (and with
    // `withLoans` a loan), asset by asset, then loan by loan, among the
    // income when positive, the expenses otherwise. `added` says, in the
    // same order, where each of them comes from.
    void flows(bool withLoans, std::vector<CashFlow> *income, std::vector<CashFlow> *expenses,
               std::vector<Added> *added = nullptr) const;

private:
    std::vector<CashFlow> m_income;
    std::vector<CashFlow> m_expenses;
    double m_rate;
    std::vector<DepreciableAsset> m_assets;
    std::vector<DepreciationSchedule> m_schedules;
    std::vector<LoanTerms> m_loans;
    std::vector<std::vector<LoanPeriod>> m_tables;
};

#endif // TAXSTATEMENT_H
