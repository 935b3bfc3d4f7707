#include "drawstatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

double DrawStatistics::quantile(const std::vector<double> &sorted, double q)
{
    if (sorted.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const double h = q * static_cast<double>(sorted.size() - 1);
    const size_t below = static_cast<size_t>(std::floor(h));
    const size_t above = std::min(below + 1, sorted.size() - 1);
    const double t = h - static_cast<double>(below);
    if (t == 0.0)
        return sorted[below];
    return sorted[below] + t * (sorted[above] - sorted[below]);
}

DrawStatistics DrawStatistics::of(const std::vector<double> &values)
{
    std::vector<double> sorted;
    sorted.reserve(values.size());
    for (const double value : values) {
        if (!std::isnan(value))
            sorted.push_back(value);
    }
    std::sort(sorted.begin(), sorted.end());
    DrawStatistics result;
    result.count = static_cast<long long>(sorted.size());
    if (sorted.empty()) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        result.mean = result.deviation = result.p5 = result.p50 = result.p95 = nan;
        result.positive = result.lowest = result.highest = nan;
        return result;
    }
    long double sum = 0;
    long long positive = 0;
    for (const double value : values) {
        if (std::isnan(value))
            continue;
        sum += value;
        positive += value > 0.0 ? 1 : 0;
    }
    const long double mean = sum / result.count;
    long double squares = 0;
    for (const double value : values) {
        if (!std::isnan(value))
            squares += (value - mean) * (value - mean);
    }
    result.mean = static_cast<double>(mean);
    result.deviation = result.count > 1 ? static_cast<double>(std::sqrt(squares / (result.count - 1)))
                                        : 0.0;
    result.p5 = quantile(sorted, 0.05);
    result.p50 = quantile(sorted, 0.50);
    result.p95 = quantile(sorted, 0.95);
    result.positive = static_cast<double>(positive) / static_cast<double>(result.count);
    result.lowest = sorted.front();
    result.highest = sorted.back();
    return result;
}
