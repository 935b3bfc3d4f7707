#include "sensitivity.h"

#include "variedworth.h"

#include <algorithm>
#include <cmath>

std::vector<Sensitivity::Line> Sensitivity::of(const Estimates &figures, double variation)
{
    std::vector<Line> lines;
    const VariedWorth worth(figures);
    for (const Estimate &estimate : Estimate::quantities(figures)) {
        Line line;
        line.estimate = estimate;
        line.typed = estimate.value(figures);
        line.low = line.typed * (1.0 - variation);
        line.high = line.typed * (1.0 + variation);
        line.vpnLow = worth.at(estimate, line.low);
        line.vpnHigh = worth.at(estimate, line.high);
        line.swing = std::fabs(line.vpnHigh - line.vpnLow);
        lines.push_back(line);
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line &a, const Line &b) {
        if (std::isnan(a.swing) || std::isnan(b.swing))
            return !std::isnan(a.swing) && std::isnan(b.swing);
        return a.swing > b.swing;
    });
    return lines;
}
