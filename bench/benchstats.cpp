#include "benchstats.h"

#include <algorithm>

double BenchStats::median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2.0;
}

double BenchStats::minimum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::min_element(samples.begin(), samples.end());
}

double BenchStats::maximum(const std::vector<double> &samples)
{
    return samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end());
}
