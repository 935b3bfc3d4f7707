#ifndef DRAWVALUATION_H
#define DRAWVALUATION_H

#include "estimates.h"

#include <vector>

// The VPN of one alternative over and over at drawn figures, for the
// simulation. Each flow is valued by its closed form from one table of the
// discount factors v^k of the draw's rate, built by k multiplications, so
// that a flow costs a few operations instead of a power per payment:
//
//   sum_{k<m} v^(s+k)        = (v^s - v^(s+m)) / (1 - v)
//   sum_{k<m} k v^(s+k)      = (v^(s+1) - m v^(s+m) + (m - 1) v^(s+m+1)) / (1 - v)^2
//   sum_{k<m} q^k v^(s+k)    = v^s (1 - q^m) / (1 - q),   q = (1 + g) v
//
// A flow these forms do not value as flowWorth does at the typed figures
// (a kind they do not know, periods beyond the table), and any value near
// a cancellation (a rate or 1 - q within 1e-6 of 0) or not finite, is
// valued by flowWorth instead.
class DrawValuation
{
public:
    static constexpr int MostPeriods = 1024;

    explicit DrawValuation(const Estimates &typed);

    // The VPN of `figures` (the typed ones with other amounts, changes and
    // rate). Not for two threads at once: the table is the object's own.
    double netWorth(const Estimates &figures) const;

private:
    bool buildTable(double rate) const;
    double flowWorthAt(const CashFlow &flow, double rate, bool quick) const;

    std::vector<char> quickIncome;
    std::vector<char> quickExpenses;
    bool anyQuick = false;
    int periods = 0; // the table's length: the last paying period + 3
    mutable std::vector<double> powers;
    mutable double ratio = 0.0; // 1 / (1 - v)
};

#endif // DRAWVALUATION_H
