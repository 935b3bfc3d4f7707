#ifndef WORKBOOKSOURCE_H
#define WORKBOOKSOURCE_H

#include "cashflowtable.h"
#include "projectfigures.h"

#include <QVector>

#include <limits>

// What a workbook is written from: every alternative's figures as the
// reports read them, the cells its sheets may hold (the cell limit of
// "Visualizar", which sets the periods shown) and, per alternative, the
// figures that other parts of the program work out and the workbook only
// carries as the cached results of its formulas.
struct WorkbookSource {
    ProjectFigures project;
    long long mostCells = CashFlowTable::MostShownCells;
    // The TIRM of each alternative, in order, as the comparison shows it
    // (the net payments of periods 0..N at the alternative's rate); NaN or
    // missing: the MIRR formula is written without a cached result.
    QVector<double> modifiedRates;

    double modifiedRate(int alternative) const
    {
        return alternative < modifiedRates.size() ? modifiedRates.at(alternative)
                                                  : std::numeric_limits<double>::quiet_NaN();
    }
};

#endif // WORKBOOKSOURCE_H
