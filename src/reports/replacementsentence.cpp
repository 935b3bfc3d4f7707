#include "replacementsentence.h"

#include "reportformat.h"

QString ReplacementSentence::years(int count)
{
    return count == 1 ? tr("1 año") : tr("%1 años").arg(count);
}

QString ReplacementSentence::of(const ReplacementDecision &d, const QString &defender,
                                const QString &challenger, const QString &pause)
{
    if (!d.valid)
        return QString();
    const QString kept = ReportFormat::name(defender);
    const QString other = ReportFormat::name(challenger);
    const LifeRow &target = d.challenger[d.challengerBest];
    const LifeRow &own = d.defender[d.defenderBest];
    const QString cost = ReportFormat::amount(target.annualCost);
    const QString life = years(target.years);
    if (d.replaceNow) {
        return tr("Reemplazar ahora «%1» por «%2»:%7el menor costo anual del defensor, %3 en %4, "
                  "supera %5, el costo anual del retador en su vida económica de %6.")
            .arg(kept, other, ReportFormat::amount(own.annualCost), years(own.years), cost, life, pause);
    }
    if (d.keptToTheEnd && d.keepYears > 0 && d.marginal[d.keepYears - 1] <= target.annualCost) {
        return tr("Conservar «%1» %2 más, todos los años considerados:%6su costo marginal no supera "
                  "%3, el costo anual de «%4» en su vida económica de %5.")
            .arg(kept, years(d.keepYears), cost, other, life, pause);
    }
    if (d.keepYears > 0 && d.marginal[0] > target.annualCost) {
        return tr("Conservar «%1» %2 más, su vida económica, y luego reemplazarlo por «%3»:%7su "
                  "costo anual en ella, %4, no supera %5, el costo anual del retador en su vida "
                  "económica de %6.")
            .arg(kept, years(d.keepYears), other, ReportFormat::amount(own.annualCost), cost, life, pause);
    }
    return tr("Conservar «%1» %2 más y luego reemplazarlo por «%3»:%6su costo marginal supera "
              "entonces %4, el costo anual del retador en su vida económica de %5.")
        .arg(kept, years(d.keepYears), other, cost, life, pause);
}
