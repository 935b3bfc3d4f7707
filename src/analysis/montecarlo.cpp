#include "montecarlo.h"

#include "decisionrule.h"

#include <algorithm>
#include <new>
#include <random>
#include <system_error>
#include <thread>

namespace {

// SplitMix64's finaliser: spreads neighbouring seeds far apart.
std::uint64_t mix(std::uint64_t z)
{
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

MonteCarlo::MonteCarlo(std::vector<Estimates> alternatives, double variation)
    : alternatives(std::move(alternatives))
{
    std::vector<long long> horizons;
    for (const Estimates &figures : this->alternatives) {
        horizons.push_back(figures.horizonKey());
        std::vector<Varied> own;
        for (const Estimate &estimate : Estimate::quantities(figures))
            own.push_back({estimate, TriangularDraw::around(estimate.value(figures), variation)});
        varied.push_back(std::move(own));
        valuations.emplace_back(figures);
    }
    annual = DecisionRule::byAnnualWorth(horizons);
}

std::uint64_t MonteCarlo::blockSeed(std::uint64_t seed, long long block)
{
    return mix(mix(seed) ^ static_cast<std::uint64_t>(block));
}

void MonteCarlo::runBlock(long long block, std::uint64_t seed, long long draws,
                          Outcome *outcome, std::vector<Estimates> &work,
                          const std::vector<DrawValuation> &values, std::vector<double> &measures,
                          std::vector<long long> &wins) const
{
    std::mt19937_64 engine(blockSeed(seed, block));
    const long long first = block * BlockDraws;
    const long long last = std::min(first + BlockDraws, draws);
    for (long long d = first; d < last; ++d) {
        for (size_t a = 0; a < work.size(); ++a) {
            Estimates &figures = work[a];
            // 53 random bits: a uniform double in [0, 1).
            const auto uniform = [&engine] { return static_cast<double>(engine() >> 11) * 0x1.0p-53; };
            if (figures.afterTax) {
                // Every drawn figure first, then the decision flow once.
                for (const Varied &v : varied[a])
                    v.estimate.assign(figures, v.draw(uniform()));
                figures.rebuild();
            } else {
                for (const Varied &v : varied[a])
                    v.estimate.set(figures, v.draw(uniform()));
            }
            const double vpn = values[a].netWorth(figures);
            outcome->vpn[a][static_cast<size_t>(d)] = vpn;
            measures[a] = annual ? figures.annualWorthOf(vpn, figures.rate) : vpn;
        }
        const int best = DecisionRule::best(measures);
        if (best >= 0)
            ++wins[static_cast<size_t>(best)];
    }
}

MonteCarlo::Result MonteCarlo::run(long long draws, std::uint64_t seed, int threads,
                                   Outcome *outcome, const std::atomic<bool> *cancel,
                                   std::atomic<long long> *progress) const
{
    draws = std::max(draws, 0LL);
    const size_t count = alternatives.size();
    try {
        outcome->draws = draws;
        outcome->vpn.assign(count, std::vector<double>());
        for (std::vector<double> &values : outcome->vpn)
            values.resize(static_cast<size_t>(draws));
        outcome->wins.assign(count, 0);
    } catch (const std::bad_alloc &) {
        outcome->vpn.clear();
        outcome->vpn.shrink_to_fit();
        return Result::OutOfMemory;
    }

    const long long blocks = (draws + BlockDraws - 1) / BlockDraws;
    if (threads <= 0)
        threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    threads = static_cast<int>(std::min<long long>(threads, std::max(blocks, 1LL)));

    std::atomic<long long> next{0};
    std::atomic<bool> stopped{false};
    std::vector<std::vector<long long>> wins(static_cast<size_t>(threads),
                                             std::vector<long long>(count, 0));
    const auto work = [&](int t) {
        std::vector<Estimates> figures = alternatives;
        const std::vector<DrawValuation> values = valuations; // each thread its own tables
        std::vector<double> measures(count, 0.0);
        for (;;) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const long long block = next.fetch_add(1);
            if (block >= blocks)
                return;
            runBlock(block, seed, draws, outcome, figures, values, measures,
                     wins[static_cast<size_t>(t)]);
            if (progress)
                progress->fetch_add(std::min(BlockDraws, draws - block * BlockDraws));
        }
    };

    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work, t);
        } catch (const std::system_error &) {
            break; // the threads started share the blocks
        }
    }
    work(0);
    for (std::thread &helper : helpers)
        helper.join();

    if (stopped)
        return Result::Cancelled;
    for (const std::vector<long long> &own : wins) {
        for (size_t a = 0; a < count; ++a)
            outcome->wins[a] += own[a];
    }
    return Result::Done;
}
