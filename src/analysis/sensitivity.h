#ifndef SENSITIVITY_H
#define SENSITIVITY_H

#include "estimate.h"
#include "estimates.h"

#include <vector>

// One-figure sensitivity: each estimate of an alternative varied alone by
// -p and +p of its value, everything else as typed, and the VPN at both.
class Sensitivity
{
public:
    struct Line {
        Estimate estimate;
        double typed = 0.0;
        double low = 0.0;  // typed * (1 - p)
        double high = 0.0; // typed * (1 + p)
        double vpnLow = 0.0;
        double vpnHigh = 0.0;
        double swing = 0.0; // |vpnHigh - vpnLow|; NaN when either is not a number
    };

    // The lines of every estimate (Estimate::quantities), the largest swing
    // first, a swing that is not a number last; equal swings keep their order.
    static std::vector<Line> of(const Estimates &figures, double variation);
};

#endif // SENSITIVITY_H
