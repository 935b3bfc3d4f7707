#ifndef DEPRECIATIONSCHEDULE_H
#define DEPRECIATIONSCHEDULE_H

#include <vector>

// An asset bought in period `purchase` for `cost` and sold in period `sale`
// for `saleValue`, as its typed figures say.
struct DepreciableAsset {
    enum Method { StraightLine, SumOfDigits, DecliningBalance, Macrs, NoDepreciation };
    // What keeps an asset's figures from being used.
    enum Fault { None, Life, Residual, Sale, Purchase };

    double cost = 0.0;
    int purchase = 0;
    int life = 0;          // years of the tax life; the MACRS class sets its own
    double residual = 0.0; // the value assumed for depreciation
    Method method = StraightLine;
    double factor = 2.0;   // declining balance: 2 (double), 1.5, ...
    int macrsClass = 5;    // 3, 5, 7, 10, 15 or 20 years
    int sale = 0;
    double saleValue = 0.0;
};

// The depreciation of an asset year by year: year k (k = 1, 2, ...) is
// deducted in period purchase + k, the last one in the sale period. The
// MACRS percentages are the published half-year-convention tables; declining
// balance switches to straight line in the first year that gives more and
// never goes below the residual value.
class DepreciationSchedule
{
public:
    // A tax life beyond this many years is not taken.
    static constexpr int MaxLife = 1000;

    explicit DepreciationSchedule(const DepreciableAsset &asset);

    // Why the figures cannot be used; None when they can (the schedule is
    // then empty for every other answer).
    static DepreciableAsset::Fault check(const DepreciableAsset &asset);
    DepreciableAsset::Fault fault() const { return m_fault; }

    // Depreciation of each year of the tax life, before any sale.
    const std::vector<double> &years() const { return m_years; }
    // Depreciation deducted in `period`: nothing after the sale.
    double depreciation(long long period) const;
    // Cost less the depreciation deducted up to and including `period`.
    double bookValue(long long period) const;
    // The MACRS percentages of a class, in percent; empty for another class.
    static std::vector<double> macrsPercentages(int recoveryClass);

private:
    DepreciableAsset m_asset;
    DepreciableAsset::Fault m_fault;
    std::vector<double> m_years;
};

#endif // DEPRECIATIONSCHEDULE_H
