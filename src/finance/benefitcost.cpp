#include "benefitcost.h"

std::optional<double> benefitCost(double vpi, double vpe)
{
    if (vpe == 0.0)
        return std::nullopt;
    return vpi / vpe;
}
