#include "bestalternative.h"

#include "decisionrule.h"
#include "reportformat.h"

#include <cmath>
#include <vector>

BestAlternative BestAlternative::of(const QVector<AlternativeFigures> &alternatives,
                                    const QVector<double> &vpn, const QVector<double> &vae)
{
    BestAlternative result;
    if (alternatives.isEmpty())
        return result;
    for (const AlternativeFigures &alternative : alternatives)
        result.sameHorizon = result.sameHorizon
            && alternative.horizon == alternatives.constFirst().horizon
            && alternative.perpetual == alternatives.constFirst().perpetual;
    const QVector<double> &figures = result.sameHorizon ? vpn : vae;

    const int best = DecisionRule::best(std::vector<double>(figures.cbegin(), figures.cend()));
    bool anyEarning = false;
    for (int a = 0; a < alternatives.size(); ++a) {
        if (std::isfinite(figures.at(a)))
            anyEarning = anyEarning || !(vpn.at(a) < 0);
    }
    if (best < 0) {
        result.outcome = Outcome::NoneComparable;
        return result;
    }
    if (!anyEarning) {
        result.outcome = Outcome::NoneEarning;
        return result;
    }
    result.outcome = Outcome::Found;
    result.figure = figures.at(best);
    const QString shown = ReportFormat::amount(result.figure);
    for (int a = 0; a < alternatives.size(); ++a) {
        if (std::isfinite(figures.at(a)) && ReportFormat::amount(figures.at(a)) == shown)
            result.winners << a;
    }
    return result;
}
