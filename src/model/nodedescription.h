#ifndef NODEDESCRIPTION_H
#define NODEDESCRIPTION_H

#include "cashflow.h"

#include <QCoreApplication>
#include <QString>

// The few words of the tree's "Descripción" column: what a node holds, from
// the figures the reports read. Amounts are written as in the reports.
class NodeDescription
{
    Q_DECLARE_TR_FUNCTIONS(NodeDescription)

public:
    // "N = 5, i = 0.1"; "N = ∞, i = 0.1" for a horizon that never ends
    static QString alternative(int horizon, double rate, bool perpetual = false);
    // The words of the flow's kind (FlowKind) with its figures written as
    // in the reports: "Anualidad 3 500.00 × 5 desde 1"
    static QString flow(const CashFlow &flow);
};

#endif // NODEDESCRIPTION_H
