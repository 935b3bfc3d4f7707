#ifndef VARIEDWORTH_H
#define VARIEDWORTH_H

#include "estimate.h"
#include "estimates.h"

#include <vector>

// The VPN of an alternative with one estimate changed and the rest as
// typed, as Estimates::netWorth() values it. A flow's amount or change
// changes that flow's worth alone: the others are valued once, and only the
// changed flow again; a change of the rate, or of a figure the decision
// flow after taxes is made of, values every flow again.
class VariedWorth
{
public:
    explicit VariedWorth(const Estimates &typed);

    const Estimates &typed() const { return figures; }
    double at(const Estimate &estimate, double value) const;
    // The VPN or, with `annual`, the VAE over the horizon.
    double measureAt(const Estimate &estimate, double value, bool annual) const;

private:
    Estimates figures;
    std::vector<double> incomeWorths;
    std::vector<double> expenseWorths;
};

#endif // VARIEDWORTH_H
