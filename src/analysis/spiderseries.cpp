#include "spiderseries.h"

#include "variedworth.h"

double SpiderSeries::change(int k)
{
    return -Reach + 2.0 * Reach * k / Steps;
}

std::vector<SpiderSeries::Line> SpiderSeries::of(const Estimates &figures,
                                                 const std::vector<Estimate> &estimates)
{
    std::vector<Line> lines;
    const VariedWorth worth(figures);
    for (const Estimate &estimate : estimates) {
        const double typed = estimate.value(figures);
        Line line{estimate, {}};
        line.vpn.reserve(Steps + 1);
        for (int k = 0; k <= Steps; ++k)
            line.vpn.push_back(worth.at(estimate, typed * (1.0 + change(k))));
        lines.push_back(std::move(line));
    }
    return lines;
}
