#ifndef MONTECARLO_H
#define MONTECARLO_H

#include "drawvaluation.h"
#include "estimate.h"
#include "estimates.h"
#include "triangulardraw.h"

#include <atomic>
#include <cstdint>
#include <vector>

// The risk of each alternative by simulation: in every draw each estimate
// of every alternative (Estimate::quantities) is drawn on its own from a
// triangular distribution with its typed value as the mode and the typed
// value +-p as the ends, and each alternative's VPN is valued flow by flow
// by the closed forms (DrawValuation); the draw's best alternative follows
// DecisionRule.
//
// The draws are cut into blocks of BlockDraws, and block b draws from its
// own engine seeded from the seed and b alone, so that a seed gives the
// same figures whatever the number of threads that share the blocks.
class MonteCarlo
{
public:
    static constexpr long long BlockDraws = 250;

    enum class Result { Done, Cancelled, OutOfMemory };

    struct Outcome {
        long long draws = 0;
        // vpn[a][d]: the VPN of alternative a in draw d.
        std::vector<std::vector<double>> vpn;
        // wins[a]: the draws in which alternative a was the best.
        std::vector<long long> wins;
    };

    MonteCarlo(std::vector<Estimates> alternatives, double variation);

    // Draws `draws` times from `seed` on `threads` threads (0: one per
    // core). Checks *cancel between blocks; adds the draws done to
    // *progress as it goes. The outcome is whole only when Done.
    Result run(long long draws, std::uint64_t seed, int threads, Outcome *outcome,
               const std::atomic<bool> *cancel = nullptr,
               std::atomic<long long> *progress = nullptr) const;

    bool byAnnualWorth() const { return annual; }

    // The engine's seed of block b.
    static std::uint64_t blockSeed(std::uint64_t seed, long long block);

private:
    struct Varied {
        Estimate estimate;
        TriangularDraw draw;
    };

    void runBlock(long long block, std::uint64_t seed, long long draws, Outcome *outcome,
                  std::vector<Estimates> &work, const std::vector<DrawValuation> &values,
                  std::vector<double> &measures, std::vector<long long> &wins) const;

    std::vector<Estimates> alternatives;
    std::vector<std::vector<Varied>> varied;
    std::vector<DrawValuation> valuations;
    bool annual = false;
};

#endif // MONTECARLO_H
