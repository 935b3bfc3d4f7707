#ifndef CASHFLOWREPORT_H
#define CASHFLOWREPORT_H

#include <QCoreApplication>
#include <QList>
#include <QString>

// Markup of the cash-flow report ("Visualizar"): one table per alternative
// with a column for the concept and one for each period 0..N, a row per
// flow under the sections "Ingresos" and "Egresos", and the period totals.
//
// The document is the fragments below appended one after the other, with
// nothing in between. Names are escaped, so markup typed into a name shows
// as text. Rows that go period by period expect a horizon of at most
// LongestShownHorizon; a longer one gets tooLongNotice() instead.
class CashFlowReport
{
    Q_DECLARE_TR_FUNCTIONS(CashFlowReport)

public:
    // Qt lays out a rich-text table at roughly 0.1 ms a cell: beyond this
    // horizon the window would freeze for seconds, and a horizon in the
    // millions would exhaust memory long before showing anything.
    static constexpr int LongestShownHorizon = 1000;

    static bool showsPeriodByPeriod(int horizon);

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

    // Period by period, the plain sum of the amounts of every flow, in the
    // order given: expenses add up with incomes as they are.
    static QString totalRow(const QList<QList<double>> &flows, int horizon);

    // The rows of an alternative whose horizon is too long to show period by
    // period: its title and a sentence that says so.
    static QString tooLongNotice(const QString &alternative, int horizon);

private:
    static QString bandRow(const char *colour, long long columns, const QString &text);
};

#endif // CASHFLOWREPORT_H
