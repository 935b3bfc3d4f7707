#ifndef WORKEDSOLUTION_H
#define WORKEDSOLUTION_H

#include "alternativefigures.h"
#include "projectfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QString>

// The "Detallar" report: how each figure of "Comparar" comes out. For each
// alternative in tree order, its N and i, each flow with its worth in
// factor notation (WorthFormula), then the sums VPI, VPE, VPN, VAE, B/C,
// the TIR equation and its roots, the TIRM with its two worths, PR and PRD
// with the table of net flows they come from (the periods "Visualizar"
// shows within the same number of cells); under all of them the
// incremental analysis of "Comparar" with the increments' net flows. Every
// figure is computed by the functions "Comparar" calls, so both show the
// same text for it.
class WorkedSolution
{
    Q_DECLARE_TR_FUNCTIONS(WorkedSolution)

public:
    static ReportDocument document(const ProjectFigures &project, long long mostCells);

    // One alternative's part, its table shown to period `shown`.
    static QString alternative(const AlternativeFigures &alternative, int shown);
};

#endif // WORKEDSOLUTION_H
