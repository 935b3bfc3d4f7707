#ifndef CASHFLOWREPORT_H
#define CASHFLOWREPORT_H

#include "cashflowtable.h"
#include "projectfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QString>

// Markup of the cash-flow report ("Visualizar"): one table per alternative
// with a column for the concept and one for each period 0..N, a row per
// flow under the sections "Ingresos" and "Egresos", and the period's net
// cash flow, "Total". Above each table, the alternative's title band, then
// its cash-flow diagram over the periods the table shows.
//
// Names are escaped, so markup typed into a name shows as text. A report
// whose tables would hold more than the given number of cells shows the
// first periods of its longest alternatives only, under a notice that says
// so (CashFlowTable).
class CashFlowReport
{
    Q_DECLARE_TR_FUNCTIONS(CashFlowReport)

public:
    static constexpr long long MostShownCells = CashFlowTable::MostShownCells;

    // The name of the image of the diagram of the alternative at `index`.
    static QString diagramName(int index);

    // The whole report: the line naming unread cells, if any, then each
    // alternative's title, diagram, pictureWidth pixels wide, and table.
    static ReportDocument document(const ProjectFigures &project, int pictureWidth,
                                   long long mostCells = MostShownCells);

    // The markup of one alternative's title band, and of its table.
    static QString title(const CashFlowTable &table);
    static QString table(const CashFlowTable &table);

    // The row under the title of an alternative whose horizon is too long
    // to show whole: the periods 0..shownHorizon of N are shown.
    static QString tooLongNotice(int horizon, int shownHorizon);
    // The row under the title of an alternative whose horizon never ends:
    // the periods 0..shownHorizon of ∞ are shown.
    static QString endlessNotice(int shownHorizon);
};

#endif // CASHFLOWREPORT_H
