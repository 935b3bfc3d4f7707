#include "flowchoices.h"

QStringList FlowChoices::methods()
{
    return {tr("Línea recta"),        tr("Suma de dígitos"),  tr("Saldo decreciente doble"),
            tr("Saldo decreciente 1.5"), tr("MACRS 3 años"),  tr("MACRS 5 años"),
            tr("MACRS 7 años"),       tr("MACRS 10 años"),    tr("MACRS 15 años"),
            tr("MACRS 20 años"),      tr("Sin depreciación")};
}

QStringList FlowChoices::systems()
{
    return {tr("Cuota fija"), tr("Abono constante a capital"), tr("Pago al final")};
}

int FlowChoices::indexOf(const QStringList &choices, const QString &typed)
{
    const QString word = typed.simplified();
    for (int i = 0; i < choices.size(); ++i) {
        if (word.compare(choices.at(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    // "Saldo decreciente" alone is the double one.
    if (choices.size() > DoubleDeclining && choices.at(0) == methods().at(0)
        && word.compare(tr("Saldo decreciente"), Qt::CaseInsensitive) == 0)
        return DoubleDeclining;
    return -1;
}

int FlowChoices::macrsClass(int method)
{
    static const int classes[] = {3, 5, 7, 10, 15, 20};
    return method >= Macrs3 && method <= Macrs20 ? classes[method - Macrs3] : 0;
}
