#ifndef FLOWSNAPSHOT_H
#define FLOWSNAPSHOT_H

#include "cashflow.h"

#include <QString>

// One flow of an alternative as the user typed it: every figure is the text
// of its cell, unconverted, so that it comes back exactly as it was. Its
// kind's rows and reading are in FlowKind.
struct FlowSnapshot
{
    CashFlow::Kind kind = CashFlow::Uniform;
    QString name;
    QString amount;   // the (first) payment
    QString change;   // arithmetic gradient or geometric growth; unused when uniform
    QString payments; // "Número Períodos"
    QString start;    // "Inicia en"
    // A depreciable asset's and a loan's further cells.
    QString method{};    // "Método" of an asset, "Sistema" of a loan
    QString grace{};     // a loan's "Períodos de gracia"
    QString sale{};      // an asset's "Período de venta"
    QString saleValue{}; // an asset's "Valor de venta"

    bool operator==(const FlowSnapshot &other) const
    {
        return kind == other.kind && name == other.name && amount == other.amount
            && change == other.change && payments == other.payments && start == other.start
            && method == other.method && grace == other.grace && sale == other.sale
            && saleValue == other.saleValue;
    }
    bool operator!=(const FlowSnapshot &other) const { return !(*this == other); }
};

#endif // FLOWSNAPSHOT_H
