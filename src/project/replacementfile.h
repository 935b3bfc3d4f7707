#ifndef REPLACEMENTFILE_H
#define REPLACEMENTFILE_H

#include "replacementsnapshot.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <QVector>

// The replacement analyses of a project file: the array "replacements",
// each object with "name", "rate", "defender" and "challenger", each asset
// with "name", "first", "marketValues", "operatingCosts" (cells as typed).
class ReplacementFile
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementFile)

public:
    static constexpr int MaxReplacements = 10000;

    static QJsonArray toJson(const QVector<ReplacementSnapshot> &analyses);
    // Reads `value` (undefined: none); false with the reason on anything else.
    static bool fromJson(const QJsonValue &value, QVector<ReplacementSnapshot> *analyses,
                         QString *reason);
    // A limit the analyses pass, in words; empty when none.
    static QString limitProblem(const QVector<ReplacementSnapshot> &analyses, int maxText);
};

#endif // REPLACEMENTFILE_H
