#ifndef REPLACEMENTSECTION_H
#define REPLACEMENTSECTION_H

#include "replacementfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The replacement analyses in "Comparar", after the alternatives: for each,
// a table per asset of its lives k = 1..n (market value, operating cost,
// capital recovery, equivalent operating cost, EUAC(k), the least marked;
// the defender's with its marginal cost of each year), the economic service
// lives, the decision in one sentence and the picture (ReplacementChart),
// named ImagePrefix followed by the analysis's number.
class ReplacementSection
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementSection)

public:
    static const QString ImagePrefix;
    // Lives shown in a table (and in "Detallar"): beyond them only the least
    // is, with a line that says how many are left out. Each is computed.
    static constexpr int MostRows = 200;

    // Appends the markup of every analysis to `document`'s and its pictures.
    static void append(ReportDocument *document, const QVector<ReplacementFigures> &analyses,
                       int pictureWidth);
    // The name shown for asset `index` of `analysis`: its name, or
    // "Defensor"/"Retador" when it has none.
    static QString assetName(const ReplacementFigures &analysis, int index);
};

#endif // REPLACEMENTSECTION_H
