#ifndef AFTERTAXREADING_H
#define AFTERTAXREADING_H

#include "alternativefigures.h"
#include "flowsnapshot.h"
#include "projectfigures.h"

// Reads a depreciable asset or a loan as typed into the figures of its
// alternative. One whose figures do not hold together (a life of 0, a
// residual value above the cost, a sale before the purchase, a grace as long
// as the loan) takes no part, and the cell at fault is named with the cells
// read as 0.
class AfterTaxReading
{
public:
    // Whether `flow` is an asset or a loan (and was read into `alternative`).
    static bool read(const FlowSnapshot &flow, bool expense, AlternativeFigures *alternative,
                     QVector<ProjectFigures::UnreadCell> *unread);
};

#endif // AFTERTAXREADING_H
