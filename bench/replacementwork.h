#ifndef REPLACEMENTWORK_H
#define REPLACEMENTWORK_H

#include "projectsnapshot.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

// `count` replacement analyses of `years`-year lists: a defender losing 12 %
// of its value a year with costs rising 6 %, a challenger losing 18 % with
// costs rising 9 %, each analysis a little dearer than the one before.
inline ProjectSnapshot replacementWork(int count, int years)
{
    const auto list = [years](double first, double change) {
        QStringList items;
        for (int k = 1; k <= years; ++k)
            items << QLocale::c().toString(std::round(first * std::pow(1 + change, k - 1) * 100) / 100, 'g', 15);
        return items.join(QStringLiteral("; "));
    };
    ProjectSnapshot project;
    for (int a = 0; a < count; ++a) {
        ReplacementSnapshot analysis;
        analysis.name = QStringLiteral("Reemplazo %1").arg(a + 1);
        analysis.rate = QStringLiteral("0.1");
        analysis.defender = {QStringLiteral("Equipo actual %1").arg(a + 1), QStringLiteral("20000"),
                             list(17600 + 100 * a, -0.12), list(6000, 0.06)};
        analysis.challenger = {QStringLiteral("Equipo nuevo %1").arg(a + 1), QStringLiteral("60000"),
                               list(49200, -0.18), list(2500 + 50 * a, 0.09)};
        project.replacements.append(analysis);
    }
    return project;
}

#endif // REPLACEMENTWORK_H
