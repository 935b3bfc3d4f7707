#ifndef ALTERNATIVESNAPSHOT_H
#define ALTERNATIVESNAPSHOT_H

#include "flowsnapshot.h"

#include <QString>
#include <QVector>

// One alternative as the user typed it: its cells and its flows under
// "Ingresos" and "Egresos", each in tree order. Complete in itself, so that
// an alternative can be copied or put back on its own.
struct AlternativeSnapshot
{
    QString name;
    QString horizon; // "Total Períodos"
    QString rate;    // "Interés de Oportunidad"
    QVector<FlowSnapshot> income;
    QVector<FlowSnapshot> expenses;
    QString taxRate{}; // "Tasa de Impuestos": empty before taxes

    bool operator==(const AlternativeSnapshot &other) const
    {
        return name == other.name && horizon == other.horizon && rate == other.rate && taxRate == other.taxRate
            && income == other.income && expenses == other.expenses;
    }
    bool operator!=(const AlternativeSnapshot &other) const { return !(*this == other); }
};

#endif // ALTERNATIVESNAPSHOT_H
