#ifndef FLOWCHOICES_H
#define FLOWCHOICES_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The words a "Método" cell of a depreciable asset and a "Sistema" cell of
// a loan choose from, as the cell's list offers them.
class FlowChoices
{
    Q_DECLARE_TR_FUNCTIONS(FlowChoices)

public:
    enum Method {
        StraightLine,
        SumOfDigits,
        DoubleDeclining,
        DecliningOneAndHalf,
        Macrs3,
        Macrs5,
        Macrs7,
        Macrs10,
        Macrs15,
        Macrs20,
        NoDepreciation
    };
    enum System { LevelPayment, EqualPrincipal, AtEnd };

    // "Línea recta", ..., "Sin depreciación", in the order of Method.
    static QStringList methods();
    // "Cuota fija", "Abono constante a capital", "Pago al final".
    static QStringList systems();
    // The index in `choices` of `typed` (any case, spaces around ignored);
    // -1 for none.
    static int indexOf(const QStringList &choices, const QString &typed);
    // The MACRS class of a method (3 .. 20 years); 0 for another method.
    static int macrsClass(int method);
};

#endif // FLOWCHOICES_H
