#ifndef INCREMENTALANALYSIS_H
#define INCREMENTALANALYSIS_H

#include "cashflow.h"

#include <optional>
#include <vector>

// The choice among mutually exclusive alternatives by increments: in
// increasing order of investment, each challenger against the defender of
// the moment; the challenger wins when the increment is worth its cost at
// the common opportunity rate (net worth of the increment >= 0).
//
// Horizons that differ are compared by annual worth, which equals
// repeating each alternative up to the least common multiple of the
// horizons. Rates that differ have no common measure: no analysis.
class IncrementalAnalysis
{
public:
    static constexpr int Nothing = -1; // the defender that invests nothing, "do nothing"

    struct Alternative {
        std::vector<CashFlow> income;
        std::vector<CashFlow> expenses;
        int horizon = 0;
        bool perpetual = false;
        double rate = 0.0;
    };

    enum class Basis {
        PresentWorth,   // every horizon equal: net present worth
        AnnualWorth,    // horizons differ: annual worth
        DifferentRates, // no analysis: rates[0] and rates[1] differ
        TooFew,         // fewer than two alternatives that can be valued
    };

    struct Step {
        int challenger = 0;
        int defender = Nothing;
        double delta = 0.0; // of the net present worth, or of the annual worth
        // The increment's rates of return (every one), or with horizons that
        // differ, the rates at which both annual worths are equal.
        std::vector<double> rates;
        // Increment of income worth over increment of expense worth.
        std::optional<double> benefitCost;
        bool challengerWins = false;
    };

    struct Result {
        Basis basis = Basis::TooFew;
        std::vector<int> order;    // the alternatives compared, by investment
        std::vector<int> left;     // those left out: their worth is not a number
        int firstDefender = Nothing;
        std::vector<Step> steps;
        int kept = Nothing;
        int differentRates[2] = {0, 0}; // with Basis::DifferentRates
    };

    static Result run(const std::vector<Alternative> &alternatives);
};

#endif // INCREMENTALANALYSIS_H
