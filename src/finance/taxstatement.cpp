#include "taxstatement.h"

#include "paymentschedule.h"

#include <algorithm>

TaxStatement::TaxStatement(std::vector<CashFlow> income, std::vector<CashFlow> expenses,
                           double taxRate, std::vector<DepreciableAsset> assets,
                           std::vector<LoanTerms> loans)
    : m_income(std::move(income))
    , m_expenses(std::move(expenses))
    , m_rate(taxRate)
    , m_assets(std::move(assets))
    , m_loans(std::move(loans))
{
    for (const DepreciableAsset &asset : m_assets)
        m_schedules.emplace_back(asset);
    for (const LoanTerms &loan : m_loans)
        m_tables.push_back(LoanSchedule::of(loan));
}

long long TaxStatement::lastPeriod() const
{
    long long last = -1;
    for (size_t a = 0; a < m_assets.size(); ++a) {
        if (m_schedules[a].fault() == DepreciableAsset::None)
            last = std::max<long long>(last, m_assets[a].sale);
    }
    for (const std::vector<LoanPeriod> &table : m_tables) {
        if (!table.empty())
            last = std::max(last, table.back().period);
    }
    return last;
}

TaxStatement::Payments TaxStatement::assetPayments(size_t index) const
{
    Payments payments;
    if (index >= m_assets.size() || m_schedules[index].fault() != DepreciableAsset::None)
        return payments;
    const DepreciableAsset &asset = m_assets[index];
    const DepreciationSchedule &schedule = m_schedules[index];
    // The depreciating years, then the sale however far it lies.
    const long long depreciating = asset.purchase + static_cast<long long>(schedule.years().size());
    for (long long t = asset.purchase; t <= asset.sale;
         t = t < depreciating ? t + 1 : std::max<long long>(t + 1, asset.sale)) {
        double amount = m_rate * schedule.depreciation(t);
        if (t == asset.purchase)
            amount -= asset.cost;
        if (t == asset.sale)
            amount += asset.saleValue - m_rate * (asset.saleValue - schedule.bookValue(t));
        if (amount != 0.0)
            payments.emplace_back(t, amount);
    }
    return payments;
}

TaxStatement::Payments TaxStatement::loanPayments(size_t index) const
{
    Payments payments;
    if (index >= m_loans.size() || m_tables[index].empty())
        return payments;
    payments.emplace_back(m_loans[index].disbursement, m_loans[index].amount);
    for (const LoanPeriod &row : m_tables[index])
        payments.emplace_back(row.period, m_rate * row.interest - row.payment);
    return payments;
}

void TaxStatement::flows(bool withLoans, std::vector<CashFlow> *income,
                         std::vector<CashFlow> *expenses, std::vector<Added> *added) const
{
    *income = m_income;
    *expenses = m_expenses;
    if (m_rate != 0.0) {
        for (std::vector<CashFlow> *typed : {income, expenses}) {
            for (CashFlow &flow : *typed) {
                flow.amount *= 1.0 - m_rate;
                if (flow.kind == CashFlow::Arithmetic)
                    flow.change *= 1.0 - m_rate;
            }
        }
    }
    if (added)
        added->clear();
    const auto add = [&](bool loan, size_t index, const Payments &payments) {
        for (const auto &payment : payments) {
            CashFlow single;
            single.kind = CashFlow::Single;
            single.payments = 1;
            single.start = static_cast<int>(payment.first);
            const bool in = payment.second >= 0.0;
            single.amount = in ? payment.second : -payment.second;
            (in ? income : expenses)->push_back(single);
            if (added)
                added->push_back({loan, index, payment.first, in});
        }
    };
    for (size_t a = 0; a < m_assets.size(); ++a)
        add(false, a, assetPayments(a));
    for (size_t l = 0; withLoans && l < m_loans.size(); ++l)
        add(true, l, loanPayments(l));
}

std::vector<StatementPeriod> TaxStatement::periods(long long count) const
{
    std::vector<StatementPeriod> rows(static_cast<size_t>(std::max(count, 0LL)));
    for (size_t t = 0; t < rows.size(); ++t)
        rows[t].period = static_cast<long long>(t);
    const auto at = [&rows](long long t) -> StatementPeriod * {
        return t >= 0 && t < static_cast<long long>(rows.size()) ? &rows[static_cast<size_t>(t)]
                                                                   : nullptr;
    };
    for (const CashFlow &flow : m_income)
        PaymentSchedule(flow).forEach(count, [&](long long k, double pay) { at(k)->income += pay; });
    for (const CashFlow &flow : m_expenses)
        PaymentSchedule(flow).forEach(count, [&](long long k, double pay) { at(k)->expenses += pay; });
    for (size_t a = 0; a < m_assets.size(); ++a) {
        const DepreciableAsset &asset = m_assets[a];
        const DepreciationSchedule &schedule = m_schedules[a];
        if (schedule.fault() != DepreciableAsset::None)
            continue;
        const long long depreciating =
            asset.purchase + static_cast<long long>(schedule.years().size());
        for (long long t = asset.purchase; t <= asset.sale;
             t = t < depreciating ? t + 1 : std::max<long long>(t + 1, asset.sale)) {
            StatementPeriod *row = at(t);
            if (!row)
                break;
            row->depreciation += schedule.depreciation(t);
            if (t == asset.purchase)
                row->investment += asset.cost;
            if (t == asset.sale) {
                row->sale += asset.saleValue;
                row->saleTax += m_rate * (asset.saleValue - schedule.bookValue(t));
            }
        }
    }
    for (size_t l = 0; l < m_loans.size(); ++l) {
        if (m_tables[l].empty())
            continue;
        if (StatementPeriod *row = at(m_loans[l].disbursement))
            row->loan += m_loans[l].amount;
        for (const LoanPeriod &cuota : m_tables[l]) {
            if (StatementPeriod *row = at(cuota.period)) {
                row->interest += cuota.interest;
                row->principal += cuota.principal;
            }
        }
    }
    for (StatementPeriod &row : rows) {
        row.taxable = row.income - row.expenses - row.depreciation - row.interest;
        row.tax = m_rate * row.taxable;
        row.net = row.taxable - row.tax;
        row.project = (1.0 - m_rate) * (row.income - row.expenses) + m_rate * row.depreciation
            - row.investment + row.sale - row.saleTax;
        row.investor =
            row.project + row.loan - row.interest - row.principal + m_rate * row.interest;
    }
    return rows;
}
