#include "decisionrule.h"

#include <cmath>

bool DecisionRule::byAnnualWorth(const std::vector<long long> &horizons)
{
    for (const long long horizon : horizons) {
        if (horizon != horizons.front())
            return true;
    }
    return false;
}

int DecisionRule::best(const std::vector<double> &figures)
{
    int best = -1;
    for (int a = 0; a < static_cast<int>(figures.size()); ++a) {
        const double figure = figures[static_cast<size_t>(a)];
        if (!std::isfinite(figure))
            continue;
        if (best < 0 || figure > figures[static_cast<size_t>(best)])
            best = a;
    }
    return best;
}
