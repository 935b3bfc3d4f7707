#include "depreciationschedule.h"

#include <algorithm>
#include <cmath>

DepreciationSchedule::DepreciationSchedule(const DepreciableAsset &asset)
    : m_asset(asset)
    , m_fault(check(asset))
{
    if (m_fault != DepreciableAsset::None)
        return;
    const double cost = asset.cost;
    const int n = asset.life;
    switch (asset.method) {
    case DepreciableAsset::NoDepreciation:
        break;
    case DepreciableAsset::StraightLine:
        m_years.assign(static_cast<size_t>(n), (cost - asset.residual) / n);
        break;
    case DepreciableAsset::SumOfDigits: {
        const double digits = n * (n + 1.0) / 2.0;
        for (int k = 1; k <= n; ++k)
            m_years.push_back((cost - asset.residual) * (n - k + 1) / digits);
        break;
    }
    case DepreciableAsset::DecliningBalance: {
        double book = cost;
        for (int k = 1; k <= n; ++k) {
            const double declining = book * asset.factor / n;
            const double straight = (book - asset.residual) / (n - k + 1);
            const double taken = std::min(std::max(declining, straight), book - asset.residual);
            m_years.push_back(std::max(taken, 0.0));
            book -= m_years.back();
        }
        break;
    }
    case DepreciableAsset::Macrs:
        for (const double percent : macrsPercentages(asset.macrsClass))
            m_years.push_back(cost * percent / 100.0);
        break;
    }
}

DepreciableAsset::Fault DepreciationSchedule::check(const DepreciableAsset &asset)
{
    const bool usesLife = asset.method != DepreciableAsset::NoDepreciation
        && asset.method != DepreciableAsset::Macrs;
    if (usesLife && (asset.life < 1 || asset.life > MaxLife))
        return DepreciableAsset::Life;
    if (asset.method == DepreciableAsset::Macrs && macrsPercentages(asset.macrsClass).empty())
        return DepreciableAsset::Life;
    if (!std::isfinite(asset.cost) || !std::isfinite(asset.saleValue)
        || !std::isfinite(asset.residual) || !std::isfinite(asset.factor) || asset.factor <= 0.0)
        return DepreciableAsset::Residual;
    if (usesLife && (asset.residual > asset.cost || asset.residual < 0.0))
        return DepreciableAsset::Residual;
    if (asset.purchase < 0)
        return DepreciableAsset::Purchase;
    if (asset.sale < asset.purchase)
        return DepreciableAsset::Sale;
    return DepreciableAsset::None;
}

double DepreciationSchedule::depreciation(long long period) const
{
    const long long year = period - m_asset.purchase;
    if (year < 1 || period > m_asset.sale || year > static_cast<long long>(m_years.size()))
        return 0.0;
    return m_years[static_cast<size_t>(year - 1)];
}

double DepreciationSchedule::bookValue(long long period) const
{
    if (m_fault != DepreciableAsset::None)
        return m_asset.cost;
    double book = m_asset.cost;
    const long long last = std::min<long long>(period, m_asset.sale) - m_asset.purchase;
    for (long long year = 1; year <= last && year <= static_cast<long long>(m_years.size()); ++year)
        book -= m_years[static_cast<size_t>(year - 1)];
    return book;
}

std::vector<double> DepreciationSchedule::macrsPercentages(int recoveryClass)
{
    switch (recoveryClass) {
    case 3:
        return {33.33, 44.45, 14.81, 7.41};
    case 5:
        return {20.00, 32.00, 19.20, 11.52, 11.52, 5.76};
    case 7:
        return {14.29, 24.49, 17.49, 12.49, 8.93, 8.92, 8.93, 4.46};
    case 10:
        return {10.00, 18.00, 14.40, 11.52, 9.22, 7.37, 6.55, 6.55, 6.56, 6.55, 3.28};
    case 15:
        return {5.00, 9.50, 8.55, 7.70, 6.93, 6.23, 5.90, 5.90,
                5.91, 5.90, 5.91, 5.90, 5.91, 5.90, 5.91, 2.95};
    case 20:
        return {3.750, 7.219, 6.677, 6.177, 5.713, 5.285, 4.888, 4.522, 4.462, 4.461, 4.462,
                4.461, 4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 4.462, 4.461, 2.231};
    default:
        return {};
    }
}
