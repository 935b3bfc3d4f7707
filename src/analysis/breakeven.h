#ifndef BREAKEVEN_H
#define BREAKEVEN_H

#include "estimate.h"
#include "estimates.h"

#include <functional>
#include <optional>
#include <vector>

// Break-even values: the value of one estimate, everything else as typed,
// at which a figure of merit is zero. The search looks over a sane bracket
// (a rate or a growth over -0.99 .. 100, an amount over +-10^15) for the
// changes of sign nearest the typed value, and closes in on the root of
// that stretch with TOMS 748 (Boost.Math) to the last bits of a double.
class BreakEven
{
public:
    static constexpr double LowestRate = -0.99;
    static constexpr double HighestRate = 100.0;
    static constexpr double LargestAmount = 1e15;

    // The root of `f` nearest `typed` within the bracket of a rate
    // (`rate`) or an amount; none when f keeps its sign there.
    static std::optional<double> root(const std::function<double(double)> &f, double typed,
                                      bool rate);

    // The value of `estimate` at which the alternative's VPN is zero.
    static std::optional<double> ofNetWorth(const Estimates &figures, const Estimate &estimate);

    // The value of an estimate of alternatives[best] at which its measure
    // (VPN, or VAE with `annual`) falls to the largest of the others': where
    // it stops being the best. None without a rival.
    static std::optional<double> ofLead(const std::vector<Estimates> &alternatives, int best,
                                        const Estimate &estimate, bool annual);

private:
    // TOMS 748 from a bracket [a, b] whose values fa, fb differ in sign:
    // the end of the last bracket with the smaller value.
    static double closeIn(const std::function<double(double)> &f, double a, double b, double fa,
                          double fb);
};

#endif // BREAKEVEN_H
