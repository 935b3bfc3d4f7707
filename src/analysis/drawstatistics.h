#ifndef DRAWSTATISTICS_H
#define DRAWSTATISTICS_H

#include <vector>

// What the draws of one figure say: mean, standard deviation, percentiles
// and the share of positive values. Values that are not numbers are left
// out; with no value left every figure is NaN.
struct DrawStatistics {
    long long count = 0;
    double mean = 0.0;
    double deviation = 0.0; // the sample's (n - 1)
    double p5 = 0.0;
    double p50 = 0.0;
    double p95 = 0.0;
    double positive = 0.0; // the share of values > 0
    double lowest = 0.0;
    double highest = 0.0;

    static DrawStatistics of(const std::vector<double> &values);
    // The q-quantile of sorted values, interpolated between neighbours.
    static double quantile(const std::vector<double> &sorted, double q);
};

#endif // DRAWSTATISTICS_H
