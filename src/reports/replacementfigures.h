#ifndef REPLACEMENTFIGURES_H
#define REPLACEMENTFIGURES_H

#include "economiclife.h"

#include <QString>
#include <QStringList>

// A replacement analysis read once for a report: the defender (index 0)
// and the challenger (1) with their names, the rate, and the sentences that
// name what in their cells does not agree (lists of different lengths, an
// empty list, a market value below 0).
struct ReplacementFigures {
    QString name;
    double rate = 0.0;
    QString assetNames[2];
    AssetFigures assets[2];
    QStringList problems;
};

#endif // REPLACEMENTFIGURES_H
