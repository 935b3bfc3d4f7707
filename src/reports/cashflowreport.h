#ifndef CASHFLOWREPORT_H
#define CASHFLOWREPORT_H

#include "alternativefigures.h"
#include "projectfigures.h"
#include "reportdocument.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVector>

// Markup of the cash-flow report ("Visualizar"): one table per alternative
// with a column for the concept and one for each period 0..N, a row per
// flow under the sections "Ingresos" and "Egresos", and the period's net
// cash flow, "Total". Above each table, the alternative's cash-flow diagram
// over the periods the table shows.
//
// document() is the fragments below appended one after the other. Names are
// escaped, so markup typed into a name shows as text. A report whose tables
// would hold more than MostShownCells cells shows the first periods of its
// longest alternatives only, under a notice that says so.
class CashFlowReport
{
    Q_DECLARE_TR_FUNCTIONS(CashFlowReport)

public:
    // Qt lays out a rich-text table at roughly 0.1 ms a cell (and a
    // horizon in the millions would exhaust memory long before showing
    // anything): past this many cells in the whole report the window would
    // freeze for more than two seconds.
    static constexpr long long MostShownCells = 24000;

    // The cells of an alternative's table shown to period K: a row per flow,
    // the header and the total, each with a cell per period 0..K.
    static long long cellsOf(const AlternativeFigures &alternative, int shownHorizon);
    // The last period shown of each alternative: its horizon while the
    // report stays within mostCells, else fewer periods, shared out so that
    // the shorter tables stay whole and the longer ones are cut to the same
    // number of cells. Period 0 is always shown.
    static QVector<int> shownHorizons(const QVector<AlternativeFigures> &alternatives,
                                      long long mostCells = MostShownCells);

    // The name of the image of the diagram of the alternative at `index`.
    static QString diagramName(int index);

    // The whole report: the line naming unread cells, if any, then each
    // alternative's diagram, pictureWidth pixels wide, and table, in order.
    static ReportDocument document(const ProjectFigures &project, int pictureWidth,
                                   long long mostCells = MostShownCells);

    // Period by period 0..K, the sums of the income and of the expense
    // payments, as the diagram draws them.
    struct Totals {
        QVector<double> income;
        QVector<double> expenses;
    };
    // The table of one alternative shown to period shownHorizon (at most
    // its horizon); fills `totals` if given.
    static QString table(const AlternativeFigures &alternative, int shownHorizon,
                         Totals *totals = nullptr);
    // The table of an alternative alone in the report.
    static QString table(const AlternativeFigures &alternative);

    static QString documentStart();
    static QString documentEnd();
    static QString tableStart();
    static QString tableEnd();

    // Title row of an alternative and its section rows, spanning the
    // concept column and the periods 0..N.
    static QString titleRow(const QString &alternative, int horizon);
    static QString incomeSectionRow(int horizon);
    static QString expenseSectionRow(int horizon);

    // "Concepto" and the periods 0..N.
    static QString headerRow(int horizon);

    // A flow's name and its amount in each period. Periods firstPaying <= i
    // < endPaying are paying periods, written as amounts; the others carry
    // a whole 0.
    static QString flowRow(const QString &flow, const QList<double> &amounts,
                           long long firstPaying, long long endPaying);

    // Period by period, the net cash flow: the amounts of the income rows
    // minus those of the expense rows (expenses are entered as positive
    // amounts). Each list holds a flow's amounts for the periods 0..N.
    static QList<double> netFlow(const QList<QList<double>> &income,
                                 const QList<QList<double>> &expenses, int horizon);
    static QString totalRow(const QList<double> &totals);

    // The row under the title of an alternative whose horizon is too long
    // to show whole: the periods 0..shownHorizon of N are shown.
    static QString tooLongNotice(int horizon, int shownHorizon);

private:
    static QString bandRow(const char *colour, long long columns, const QString &text);
};

#endif // CASHFLOWREPORT_H
