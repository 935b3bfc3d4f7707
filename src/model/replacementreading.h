#ifndef REPLACEMENTREADING_H
#define REPLACEMENTREADING_H

#include "projectfigures.h"
#include "replacementsnapshot.h"

#include <QCoreApplication>

// A replacement analysis as the reports read it: each cell read once as its
// row says (ReplacementRows), the cells that read as 0 or are empty named
// in `unread`, and what does not agree (lists of different lengths, an
// empty list, a market value below 0) in the figures' problems.
class ReplacementReading
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementReading)

public:
    static ReplacementFigures figures(const ReplacementSnapshot &analysis,
                                      QVector<ProjectFigures::UnreadCell> *unread = nullptr);
};

#endif // REPLACEMENTREADING_H
