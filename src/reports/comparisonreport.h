#ifndef COMPARISONREPORT_H
#define COMPARISONREPORT_H

#include "alternativefigures.h"
#include "projectfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The "Comparar" report: one table with a column per alternative and the
// rows VPI (present worth of income), VPE (present worth of expenses), VPN
// (net present worth, VPI - VPE), VAE (equivalent annual worth), TIR (the
// internal rates of return) and B/C (VPI / VPE), each valued at the
// alternative's rate from its figures, then TIRM, PR and PRD (DecisionRows);
// above the table, the line naming unread cells, if any. Under the table, a
// note for each alternative with several TIRs, the sentence naming the best
// alternative, the incremental analysis (IncrementalSection), and the VPN
// profile, an image pictureWidth pixels wide named ProfileName, with a line
// for each crossing of two curves.
class ComparisonReport
{
    Q_DECLARE_TR_FUNCTIONS(ComparisonReport)

public:
    static const QString ProfileName;

    void addAlternative(const AlternativeFigures &alternative);
    void setUnreadCells(const QVector<ProjectFigures::UnreadCell> &cells);
    ReportDocument document(int pictureWidth) const;

    // The report of every alternative of `project`.
    static ReportDocument document(const ProjectFigures &project, int pictureWidth);

private:
    QVector<AlternativeFigures> alternatives;
    QVector<ProjectFigures::UnreadCell> unread;
};

#endif // COMPARISONREPORT_H
