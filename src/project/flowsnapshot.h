#ifndef FLOWSNAPSHOT_H
#define FLOWSNAPSHOT_H

#include <QString>

// One flow of an alternative as the user typed it: every figure is the text
// of its cell, unconverted, so that it comes back exactly as it was.
struct FlowSnapshot
{
    enum class Kind { Uniform, Arithmetic, Geometric };

    Kind kind = Kind::Uniform;
    QString name;
    QString amount;   // "Anualidad": the (first) payment
    QString change;   // arithmetic gradient or geometric growth; unused when uniform
    QString payments; // "Número Períodos"
    QString start;    // "Inicia en"

    bool operator==(const FlowSnapshot &other) const
    {
        return kind == other.kind && name == other.name && amount == other.amount
            && change == other.change && payments == other.payments && start == other.start;
    }
    bool operator!=(const FlowSnapshot &other) const { return !(*this == other); }
};

#endif // FLOWSNAPSHOT_H
