#ifndef BESTALTERNATIVE_H
#define BESTALTERNATIVE_H

#include "alternativefigures.h"

#include <QVector>

// Which alternatives "Comparar" names the best. Every horizon equal (also
// in never ending): the largest VPN wins; else the largest VAE. An
// alternative whose figure is not a number or is infinite cannot win; alternatives whose figures are shown alike (to the
// cent) share the place. The comparison's sentence and the workbook's
// "Comparar" sheet both read it.
struct BestAlternative {
    enum class Outcome {
        NoAlternative, // nothing to compare
        NoneComparable, // no figure is a finite number
        NoneEarning,   // every VPN is negative
        Found,
    };

    Outcome outcome = Outcome::NoAlternative;
    bool sameHorizon = true; // compared by VPN; else by VAE
    QVector<int> winners;    // indices into the alternatives, in order
    double figure = 0.0;     // the winners' VPN or VAE

    // vpn and vae hold each alternative's figures, in order.
    static BestAlternative of(const QVector<AlternativeFigures> &alternatives,
                              const QVector<double> &vpn, const QVector<double> &vae);
};

#endif // BESTALTERNATIVE_H
