#include "loanschedule.h"

#include <climits>
#include <cmath>

double LoanSchedule::cents(double value)
{
    const double scaled = std::round(value * 100.0) / 100.0;
    return std::isfinite(scaled) ? scaled : value;
}

LoanTerms::Fault LoanSchedule::check(const LoanTerms &loan)
{
    if (loan.payments < 1 || loan.payments > MaxPayments)
        return LoanTerms::Payments;
    if (loan.grace < 0 || loan.grace >= loan.payments)
        return LoanTerms::Grace;
    if (!std::isfinite(loan.rate) || loan.rate <= -1.0 || loan.rate > 1.0)
        return LoanTerms::Rate;
    if (!std::isfinite(loan.amount) || loan.amount < 0.0 || std::fabs(loan.amount) > 1e15)
        return LoanTerms::Amount;
    if (loan.disbursement < 0 || loan.disbursement > INT_MAX - MaxPayments)
        return LoanTerms::Disbursement;
    return LoanTerms::None;
}

std::vector<LoanPeriod> LoanSchedule::of(const LoanTerms &loan)
{
    std::vector<LoanPeriod> table;
    if (check(loan) != LoanTerms::None)
        return table;
    const int repaying = loan.payments - loan.grace;
    double level = 0.0;
    if (loan.system == LoanTerms::LevelPayment) {
        level = loan.rate == 0.0
            ? loan.amount / repaying
            : loan.amount * loan.rate / -std::expm1(-repaying * std::log1p(loan.rate));
    } else if (loan.system == LoanTerms::EqualPrincipal) {
        level = loan.amount / repaying;
    }
    level = cents(level);
    double balance = loan.amount;
    table.reserve(static_cast<size_t>(loan.payments));
    for (int k = 1; k <= loan.payments; ++k) {
        LoanPeriod row;
        row.period = static_cast<long long>(loan.disbursement) + k;
        row.opening = balance;
        row.interest = cents(balance * loan.rate);
        if (k == loan.payments)
            row.principal = balance;
        else if (k <= loan.grace || loan.system == LoanTerms::AtEnd)
            row.principal = 0.0;
        else if (loan.system == LoanTerms::LevelPayment)
            row.principal = level - row.interest;
        else
            row.principal = level;
        row.payment = row.interest + row.principal;
        balance = cents(balance - row.principal);
        row.closing = k == loan.payments ? 0.0 : balance;
        table.push_back(row);
    }
    return table;
}
