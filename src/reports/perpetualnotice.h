#ifndef PERPETUALNOTICE_H
#define PERPETUALNOTICE_H

#include "alternativefigures.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the comparison says of perpetual series and of horizons that never
// end: the sentence under the table for each perpetual series of an
// alternative that does not converge at its rate (its worth is then
// infinite), and the VAE of an alternative, VPN i when its horizon never
// ends.
class PerpetualNotice
{
    Q_DECLARE_TR_FUNCTIONS(PerpetualNotice)

public:
    // One sentence per perpetual flow of `alternative` (income, then
    // expenses, in order) whose worth does not converge; names escaped.
    static QStringList divergent(const AlternativeFigures &alternative);

    // The VAE of an alternative whose net present worth is `vpn`: over its
    // N periods, or VPN i for a horizon without end (NaN at i <= 0).
    static double annualWorth(const AlternativeFigures &alternative, double vpn);
    // Whether the VAE has no value to show: no period, or a horizon
    // without end at a rate of 0 or less.
    static bool noAnnualWorth(const AlternativeFigures &alternative);
};

#endif // PERPETUALNOTICE_H
