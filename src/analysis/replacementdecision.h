#ifndef REPLACEMENTDECISION_H
#define REPLACEMENTDECISION_H

#include "economiclife.h"

#include <vector>

// Keep the asset owned (the defender) or replace it by a new one (the
// challenger), at one rate:
// - replace now when the defender's least equivalent annual cost exceeds
//   the challenger's least;
// - otherwise keep the defender while its marginal cost of each coming year
//   stays at or below the challenger's least annual cost. Should its very
//   first year already cost more (a defender whose marginal costs fall), it
//   is kept for its own economic service life, where its annual cost is the
//   lower.
struct ReplacementDecision
{
    bool valid = false;      // both assets have at least one year
    bool replaceNow = false;
    int keepYears = 0;       // years the defender is kept; 0 when replaced now
    bool keptToTheEnd = false; // kept through every year of its lists
    std::vector<LifeRow> defender;
    std::vector<LifeRow> challenger;
    std::vector<double> marginal; // the defender's
    int defenderBest = -1;    // index into defender
    int challengerBest = -1;  // index into challenger

    static ReplacementDecision decide(const AssetFigures &defender,
                                      const AssetFigures &challenger, double rate);
};

#endif // REPLACEMENTDECISION_H
