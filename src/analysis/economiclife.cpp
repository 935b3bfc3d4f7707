#include "economiclife.h"

#include <cmath>

std::vector<LifeRow> EconomicLife::table(const AssetFigures &asset, double rate)
{
    std::vector<LifeRow> rows;
    const int n = asset.years();
    if (!(rate > -1) || !std::isfinite(rate))
        return rows;
    rows.reserve(n);
    double presentCosts = 0; // c1..ck discounted to today
    double plainCosts = 0;   // c1 + ... + ck
    const double growth = std::log1p(rate);
    for (int k = 1; k <= n; ++k) {
        LifeRow row;
        row.years = k;
        row.marketValue = asset.marketValues[k - 1];
        row.operatingCost = asset.operatingCosts[k - 1];
        if (rate == 0) {
            plainCosts += row.operatingCost;
            row.capitalRecovery = (asset.first - row.marketValue) / k;
            row.operatingAnnual = plainCosts / k;
            row.annualCost = (asset.first - row.marketValue + plainCosts) / k;
        } else {
            // (1 + i)^k and the factors from it; expm1 keeps small rates exact.
            const double compound = std::exp(k * growth);
            const double minusOne = std::expm1(k * growth);
            const double sinking = rate / minusOne;          // (A/F, i, k)
            const double recovery = rate * compound / minusOne; // (A/P, i, k)
            presentCosts += row.operatingCost / compound;
            row.capitalRecovery = asset.first * recovery - row.marketValue * sinking;
            row.operatingAnnual = presentCosts * recovery;
            row.annualCost = row.capitalRecovery + row.operatingAnnual;
        }
        rows.push_back(row);
    }
    return rows;
}

int EconomicLife::best(const std::vector<LifeRow> &table)
{
    int at = -1;
    for (int k = 0; k < int(table.size()); ++k) {
        if (at < 0 || table[k].annualCost < table[at].annualCost)
            at = k;
    }
    return at;
}

std::vector<double> EconomicLife::marginalCosts(const AssetFigures &asset, double rate)
{
    std::vector<double> costs;
    const int n = asset.years();
    costs.reserve(n);
    double before = asset.first;
    for (int k = 0; k < n; ++k) {
        const double value = asset.marketValues[k];
        costs.push_back((before - value) + rate * before + asset.operatingCosts[k]);
        before = value;
    }
    return costs;
}
