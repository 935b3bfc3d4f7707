#ifndef AFTERTAXFIGURES_H
#define AFTERTAXFIGURES_H

#include "alternativefigures.h"
#include "taxstatement.h"

#include <QCoreApplication>

// An alternative's flows after taxes, with its assets and loans, as plain
// flows every analysis values as it values any other: each income and
// expense worth (1 - T) times itself, and single payments for what the
// assets and the loans add in each period (TaxStatement).
class AfterTaxFigures
{
    Q_DECLARE_TR_FUNCTIONS(AfterTaxFigures)

public:
    // Puts the decision flow into the income and expenses of an alternative
    // whose typed flows, tax rate, assets and loans were read into it; an
    // alternative before taxes without either stays exactly as it is.
    static void apply(AlternativeFigures *alternative);
    // The project's flow of an alternative apply() went through: the
    // decision flow without its loans.
    static AlternativeFigures project(const AlternativeFigures &alternative);
    // The statement of its typed figures.
    static TaxStatement statement(const AlternativeFigures &alternative);

private:
    static void build(AlternativeFigures *alternative, bool withLoans);
};

#endif // AFTERTAXFIGURES_H
