#ifndef CHOICESENTENCE_H
#define CHOICESENTENCE_H

#include "alternativefigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The parts of the sentence under "Comparar" that do not name the largest
// worth: a lone alternative is measured against its own rate, and when no
// alternative earns its rate but one must be chosen anyway (a service that
// only costs, perhaps with a salvage value), the one that costs least.
class ChoiceSentence
{
    Q_DECLARE_TR_FUNCTIONS(ChoiceSentence)

public:
    // "«A» rinde más que su interés de oportunidad: VPN 16 912.12."
    static QString single(const QString &name, double vpn);

    // A service alternative: it has expenses, and its income, if any, is
    // single payments only (salvage values).
    static bool isService(const AlternativeFigures &alternative);

    // " Si hay que elegir una, la de menor costo es «X» (VPN -38 300.38)."
    // when every alternative is a service, `figures` (VPN or VAE, as
    // `measure` says, one per alternative) telling the cost; empty otherwise.
    static QString leastCost(const QVector<AlternativeFigures> &alternatives,
                             const QVector<double> &figures, const QString &measure);
};

#endif // CHOICESENTENCE_H
