#include "sensitivity.h"

#include <algorithm>
#include <cmath>

double Sensitivity::netWorthAt(Estimates figures, const Estimate &estimate, double value)
{
    estimate.set(figures, value);
    return figures.netWorth();
}

std::vector<Sensitivity::Line> Sensitivity::of(const Estimates &figures, double variation)
{
    std::vector<Line> lines;
    Estimates varied = figures;
    for (const Estimate &estimate : Estimate::quantities(figures)) {
        Line line;
        line.estimate = estimate;
        line.typed = estimate.value(figures);
        line.low = line.typed * (1.0 - variation);
        line.high = line.typed * (1.0 + variation);
        estimate.set(varied, line.low);
        line.vpnLow = varied.netWorth();
        estimate.set(varied, line.high);
        line.vpnHigh = varied.netWorth();
        estimate.set(varied, line.typed);
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
