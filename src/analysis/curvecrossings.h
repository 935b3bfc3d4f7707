#ifndef CURVECROSSINGS_H
#define CURVECROSSINGS_H

#include "flowvaluation.h"

#include <vector>

// Where the net-worth curves of two alternatives cross over a range of
// rates: the rates at which one alternative stops being worth more than the
// other (Fisher's rate). Only alternatives of the same horizon are
// compared: curves of different horizons say nothing of the choice.
class CurveCrossings
{
public:
    struct Crossing {
        int first = 0;   // the alternatives, first < second
        int second = 0;
        double rate = 0.0;
        double worth = 0.0; // the first one's net worth there
    };

    // rates: the ascending rates at which the curves were sampled, over the
    // range searched; samples[a][j]: alternative a's net worth at rates[j];
    // horizons[a]: a key that is equal for alternatives of equal horizon.
    // Crossings ordered by pair, then rate.
    static std::vector<Crossing> find(const std::vector<FlowValuation> &valuations,
                                      const std::vector<long long> &horizons,
                                      const std::vector<double> &rates,
                                      const std::vector<std::vector<double>> &samples);
};

#endif // CURVECROSSINGS_H
