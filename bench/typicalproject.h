#ifndef TYPICALPROJECT_H
#define TYPICALPROJECT_H

#include "projectsnapshot.h"

#include <QLocale>
#include <QString>

#include <algorithm>

// `alternatives` alternatives of `flows` flows each over `horizon` periods,
// with figures that look like a real appraisal: an investment now, rising
// sales, growing running costs, rates between 8 and 15 %. The same
// arguments always give the same project.
inline ProjectSnapshot typicalProject(int alternatives, int flows, int horizon)
{
    // A figure as a user types it: 1180000, not 1.18e+06.
    const auto typed = [](double value) {
        return QString::number(value, 'f', QLocale::FloatingPointShortest);
    };
    ProjectSnapshot project;
    for (int a = 0; a < alternatives; ++a) {
        AlternativeSnapshot alternative;
        alternative.name = QStringLiteral("Alternativa %1").arg(a + 1);
        alternative.horizon = QString::number(horizon);
        alternative.rate = QString::number(0.08 + 0.005 * (a % 15));
        for (int f = 0; f < flows; ++f) {
            // Small, fixed mixing of the indices keeps the figures varied
            // but the same from run to run.
            const int mix = (a * 37 + f * 101) % 53;
            FlowSnapshot flow;
            if (f == 0) {
                flow.name = QStringLiteral("Inversión inicial");
                flow.amount = typed(50000.0 + 2500.0 * mix);
                flow.payments = QStringLiteral("1");
                flow.start = QStringLiteral("0");
                alternative.expenses.append(flow);
                continue;
            }
            const int kind = f % 3; // uniform, arithmetic, geometric
            const bool income = f % 4 != 0;
            const int count = 1 + (f * 7 + a) % horizon;
            const int start = 1 + (f * 3 + a) % std::max(1, horizon - count + 1);
            flow.kind = decltype(flow.kind)(kind);
            flow.name = income ? QStringLiteral("Ventas %1").arg(f)
                               : QStringLiteral("Operación %1").arg(f);
            flow.amount = typed(income ? 1000.0 + 250.0 * mix : 300.0 + 40.0 * mix);
            if (kind == 1)
                flow.change = typed(income ? 50.0 + 25.0 * (f % 7) : 20.0);
            else if (kind == 2)
                flow.change = typed(0.01 + 0.01 * (f % 5));
            flow.payments = QString::number(count);
            flow.start = QString::number(start);
            (income ? alternative.income : alternative.expenses).append(flow);
        }
        project.alternatives.append(alternative);
    }
    return project;
}

#endif // TYPICALPROJECT_H
