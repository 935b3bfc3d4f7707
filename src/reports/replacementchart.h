#ifndef REPLACEMENTCHART_H
#define REPLACEMENTCHART_H

#include "replacementdecision.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

// The picture of a replacement analysis: the equivalent annual cost of
// each asset against the years it is kept, the defender's marginal cost of
// each coming year, and each asset's least annual cost (its economic service
// life) marked; a legend under it. Painted as the other report pictures are.
class ReplacementChart
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementChart)

public:
    static constexpr int PlotHeight = 280;

    static QImage render(const ReplacementDecision &decision, const QString &defender,
                         const QString &challenger, int width);
};

#endif // REPLACEMENTCHART_H
