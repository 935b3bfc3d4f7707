#ifndef WORTHFORMULA_H
#define WORTHFORMULA_H

#include "cashflow.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

// How one flow's present worth comes out, in the factor notation of the
// course: "VP = 3 500.00 × (P/A, 10 %, 5) × (P/F, 10 %, 0)", the same with
// the factors' values to six decimals, and the worth. The worth is the one
// every report shows (flowWorth); the factors are rounded for reading only.
class WorthFormula
{
    Q_DECLARE_TR_FUNCTIONS(WorthFormula)

public:
    // One amount times its factor: A (P/A, i, n), G (P/G, i, n), F (P/F, i, s),
    // or for a perpetual series the amount over its divisor (factor 1 / i ...).
    struct Term {
        double amount = 0.0;
        double factor = 0.0;
    };

    QString symbols;        // the notation, with the figures put in
    QString values;         // the same with the factors' values
    QString note;           // the payments dropped, the limits at i = 0; may be empty
    double worth = 0.0;     // flowWorth(flow, i)
    std::vector<Term> terms; // summed, then times `move`
    double move = 1.0;      // (P/F, i, s - 1), (F/P, i, 1), or 1 when there is no move
    bool shown = true;      // false when no payment remains: worth 0 and no formula

    static WorthFormula of(const CashFlow &flow, double i);

    // A rate in per cent as the notation writes it: "10 %", "12.5 %".
    static QString percent(double rate);
    // A factor's value to six decimals.
    static QString factor(double value);
    // "VP = symbols = values = worth", or the note alone.
    QString line() const;
};

#endif // WORTHFORMULA_H
