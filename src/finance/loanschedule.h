#ifndef LOANSCHEDULE_H
#define LOANSCHEDULE_H

#include <vector>

// A loan as typed: `amount` comes in at period `disbursement`; cuota k
// (k = 1..payments) is paid in period disbursement + k. The first `grace`
// cuotas pay interest only; the rest repay the principal by the system.
struct LoanTerms {
    enum System { LevelPayment, EqualPrincipal, AtEnd };
    // What keeps a loan's figures from being used.
    enum Fault { None, Payments, Grace, Rate, Amount, Disbursement };

    double amount = 0.0;
    int disbursement = 0;
    double rate = 0.0; // per period
    int payments = 0;
    int grace = 0;
    System system = LevelPayment;
};

// One row of an amortization table.
struct LoanPeriod {
    long long period = 0;
    double opening = 0.0;
    double payment = 0.0;
    double interest = 0.0;
    double principal = 0.0;
    double closing = 0.0;
};

// The amortization of a loan, cuota by cuota, in cents: each interest and
// each cuota is rounded to the cent and the last cuota takes what is left,
// so that the balance after it is 0 exactly.
class LoanSchedule
{
public:
    // More cuotas than this are not taken.
    static constexpr int MaxPayments = 1000;

    static LoanTerms::Fault check(const LoanTerms &loan);
    // The table; empty when check() finds a fault.
    static std::vector<LoanPeriod> of(const LoanTerms &loan);
    // `value` rounded to the cent.
    static double cents(double value);
};

#endif // LOANSCHEDULE_H
