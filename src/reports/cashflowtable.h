#ifndef CASHFLOWTABLE_H
#define CASHFLOWTABLE_H

#include "alternativefigures.h"
#include "projectfigures.h"

#include <QString>
#include <QVector>

// The cash flows of one alternative period by period, 0..K, as plain
// figures: a row per flow with its payment in each period, and for each
// period the sums of the income and of the expense rows and the net cash
// flow. The "Visualizar" markup, the cash-flow diagram and the CSV all read
// it, so they show the same periods and the same figures.
//
// A table shown to period K holds (flows + 2) (K + 1) cells: a row per
// flow, the header and the total, and the rows of the statement after taxes
// below it (AfterTaxTables). The tables of a report share out at most
// a given number of cells (MostShownCells unless the window sets its own).
struct CashFlowTable {
    // Qt lays out a rich-text table at roughly 0.1 ms a cell (and a
    // horizon in the millions would exhaust memory long before showing
    // anything): past this many cells in the whole report the window would
    // freeze for more than two seconds.
    static constexpr long long MostShownCells = 24000;

    struct Row {
        QString name;
        QVector<double> amounts; // periods 0..K, 0 where the flow does not pay
        // The paying periods are firstPaying <= k < endPaying.
        long long firstPaying = 0;
        long long endPaying = 0;

        bool pays(long long period) const { return period >= firstPaying && period < endPaying; }
    };

    QString name;
    int horizon = 0; // N
    bool perpetual = false; // N is ∞: the periods 0..lastShown() are shown at most
    int shown = 0;   // K, at most N; no period when negative
    QVector<Row> income;
    QVector<Row> expenses; // positive amounts, as typed
    // Period by period: 0 plus each income row; 0 plus each expense row; 0
    // plus each income row less each expense row, the "Total".
    QVector<double> incomeTotals;
    QVector<double> expenseTotals;
    QVector<double> net;

    // The table of `alternative` shown to period shownHorizon (at most its
    // horizon).
    static CashFlowTable of(const AlternativeFigures &alternative, int shownHorizon);
    // The table of every alternative of `project`, within mostCells cells.
    static QVector<CashFlowTable> ofProject(const ProjectFigures &project,
                                            long long mostCells = MostShownCells);

    // The last period an alternative's table can show: its horizon; for a
    // horizon that never ends, the period after the last payment of its
    // flows of finite length and after the first of its perpetual ones, 10
    // at least.
    static int lastShown(const AlternativeFigures &alternative);
    // The cells of an alternative's table shown to period K.
    static long long cellsOf(const AlternativeFigures &alternative, int shownHorizon);
    // The last period shown of each alternative: its horizon while the
    // tables stay within mostCells, else fewer periods, shared out so that
    // the shorter tables stay whole and the longer ones are cut to the same
    // number of cells. Period 0 is always shown.
    static QVector<int> shownHorizons(const QVector<AlternativeFigures> &alternatives,
                                      long long mostCells = MostShownCells);
};

#endif // CASHFLOWTABLE_H
