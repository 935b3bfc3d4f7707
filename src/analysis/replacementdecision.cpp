#include "replacementdecision.h"

ReplacementDecision ReplacementDecision::decide(const AssetFigures &defender,
                                                const AssetFigures &challenger, double rate)
{
    ReplacementDecision d;
    d.defender = EconomicLife::table(defender, rate);
    d.challenger = EconomicLife::table(challenger, rate);
    d.defenderBest = EconomicLife::best(d.defender);
    d.challengerBest = EconomicLife::best(d.challenger);
    if (d.defenderBest >= 0)
        d.marginal = EconomicLife::marginalCosts(defender, rate);
    if (d.defenderBest < 0 || d.challengerBest < 0)
        return d;
    d.valid = true;
    const double target = d.challenger[d.challengerBest].annualCost;
    if (d.defender[d.defenderBest].annualCost > target) {
        d.replaceNow = true;
        return d;
    }
    int years = 0;
    while (years < int(d.marginal.size()) && d.marginal[years] <= target)
        ++years;
    if (years == 0)
        years = d.defenderBest + 1;
    d.keepYears = years;
    d.keptToTheEnd = years == int(d.defender.size());
    return d;
}
