#ifndef REPLACEMENTCSV_H
#define REPLACEMENTCSV_H

#include "replacementfigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The replacement analyses' part of the flows' CSV, after the alternatives:
// an empty line, a header of its own, then for each analysis and asset a
// line per life k = 1..n with the figures "Comparar" shows (the same
// ReplacementDecision): market value, operating cost, capital recovery,
// equivalent operating cost and EUAC(k); "mínimo" marks the economic
// service life, and the defender's lines carry its marginal cost of the
// year. Every life is written, also those the report leaves out. Fields
// and numbers as FlowsCsv writes them.
class ReplacementCsv
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementCsv)

public:
    // Empty when there are no analyses; otherwise lines ending in `end`.
    static QString lines(const QVector<ReplacementFigures> &analyses, const QString &end);
};

#endif // REPLACEMENTCSV_H
