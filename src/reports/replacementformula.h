#ifndef REPLACEMENTFORMULA_H
#define REPLACEMENTFORMULA_H

#include "replacementfigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The replacement analyses in "Detallar": each asset's EUAC(k) in factor
// notation, "CAUE(k) = P × (A/P, i, k) − MVk × (A/F, i, k) + VPk × (A/P, i, k)",
// VPk being the operating costs c1..ck brought to today, then the same with
// the factors' values and the cost "Comparar" shows; and the defender's
// marginal cost of each year with its figures.
class ReplacementFormula
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementFormula)

public:
    static QString markup(const QVector<ReplacementFigures> &analyses);
};

#endif // REPLACEMENTFORMULA_H
