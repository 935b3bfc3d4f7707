#ifndef CASHFLOWREPORT_H
#define CASHFLOWREPORT_H

#include "alternativefigures.h"
#include "projectfigures.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// Markup of the cash-flow report ("Visualizar"): one table per alternative
// with a column for the concept and one for each period 0..N, a row per
// flow under the sections "Ingresos" and "Egresos", and the period's net
// cash flow, "Total".
//
// document() is the fragments below appended one after the other. Names are
// escaped, so markup typed into a name shows as text. A horizon beyond
// LongestShownHorizon is shown up to that period, under a notice that says so.
class CashFlowReport
{
    Q_DECLARE_TR_FUNCTIONS(CashFlowReport)

public:
    // Qt lays out a rich-text table at roughly 0.1 ms a cell: beyond this
    // horizon the window would freeze for seconds, and a horizon in the
    // millions would exhaust memory long before showing anything.
    static constexpr int LongestShownHorizon = 1000;

    static bool showsPeriodByPeriod(int horizon);
    // The last period shown of a horizon: the horizon itself, at most LongestShownHorizon.
    static int shownHorizon(int horizon);

    // The whole report: the line naming unread cells, if any, and each
    // alternative's table in order.
    static QString document(const ProjectFigures &project);
    // The table of one alternative.
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
    // to show whole: the periods 0..LongestShownHorizon of N are shown.
    static QString tooLongNotice(int horizon);

private:
    static QString bandRow(const char *colour, long long columns, const QString &text);
};

#endif // CASHFLOWREPORT_H
