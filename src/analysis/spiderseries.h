#ifndef SPIDERSERIES_H
#define SPIDERSERIES_H

#include "estimate.h"
#include "estimates.h"

#include <vector>

// The lines of a spider plot: the VPN as each of a few estimates changes
// alone from -50 % to +50 % of its value, in steps of 5 %.
class SpiderSeries
{
public:
    static constexpr double Reach = 0.5;
    static constexpr int Steps = 20;
    // The estimates with the largest swings that a plot shows.
    static constexpr int MostLines = 8;

    struct Line {
        Estimate estimate;
        std::vector<double> vpn; // one per change()
    };

    // The change of step k, 0 <= k <= Steps: -Reach .. +Reach.
    static double change(int k);
    static std::vector<Line> of(const Estimates &figures, const std::vector<Estimate> &estimates);
};

#endif // SPIDERSERIES_H
