#ifndef INCREMENTALSECTION_H
#define INCREMENTALSECTION_H

#include "alternativefigures.h"
#include "incrementalanalysis.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The comparison's section "Análisis incremental": the alternatives in
// increasing order of investment, each challenger against the defender of
// the moment, in a table with the increment's worth, rates of return,
// benefit/cost and the verdict, and the alternative the analysis keeps.
// Nothing when fewer than two alternatives can be compared.
class IncrementalSection
{
    Q_DECLARE_TR_FUNCTIONS(IncrementalSection)

public:
    static IncrementalAnalysis::Result analyse(const QVector<AlternativeFigures> &alternatives);
    static QString markup(const QVector<AlternativeFigures> &alternatives);
};

#endif // INCREMENTALSECTION_H
