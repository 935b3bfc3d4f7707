#ifndef ECONOMICLIFE_H
#define ECONOMICLIFE_H

#include <vector>

// What one asset of a replacement study costs if kept k = 1..n more years.
struct AssetFigures
{
    double first = 0;                  // what it is worth or costs today (P, or MV0)
    std::vector<double> marketValues;  // at the end of each coming year: MV1..MVn
    std::vector<double> operatingCosts; // of each coming year: c1..cn

    // The lives considered: the shorter of the two lists.
    int years() const
    {
        return int(marketValues.size() < operatingCosts.size() ? marketValues.size()
                                                               : operatingCosts.size());
    }
};

// Keeping the asset exactly k years at rate i.
struct LifeRow
{
    int years = 0;
    double marketValue = 0;   // MVk
    double operatingCost = 0; // ck
    double capitalRecovery = 0; // P(A/P, i, k) - MVk(A/F, i, k)
    double operatingAnnual = 0; // the costs c1..ck discounted to today, times (A/P, i, k)
    double annualCost = 0;      // EUAC(k): the two above added
};

// An asset's equivalent annual cost for each life, the life that makes it
// least (its economic service life) and, for an asset already owned, the
// marginal cost of keeping it one year more. Rates are fractions per year
// above -1; at a rate of 0 every cost is the plain sum divided by the years.
class EconomicLife
{
public:
    static std::vector<LifeRow> table(const AssetFigures &asset, double rate);
    // The index of the least EUAC in `table` (the first of equal ones); -1
    // when the table is empty.
    static int best(const std::vector<LifeRow> &table);
    // The cost of keeping the asset through year k, k = 1..n:
    // (MV(k-1) - MVk) + i MV(k-1) + ck, with MV0 = first.
    static std::vector<double> marginalCosts(const AssetFigures &asset, double rate);
};

#endif // ECONOMICLIFE_H
