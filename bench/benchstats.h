#ifndef BENCHSTATS_H
#define BENCHSTATS_H

#include <vector>

// Order statistics of repeated timings.
class BenchStats
{
public:
    static double median(std::vector<double> samples);
    static double minimum(const std::vector<double> &samples);
    static double maximum(const std::vector<double> &samples);
};

#endif // BENCHSTATS_H
