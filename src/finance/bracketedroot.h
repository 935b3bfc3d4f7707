#ifndef BRACKETEDROOT_H
#define BRACKETEDROOT_H

#include <boost/math/tools/roots.hpp>
#include <boost/math/tools/toms748_solve.hpp>

#include <cstdint>
#include <utility>

// The root of f in [a, b], where fa = f(a) and fb = f(b) differ in sign,
// to the last bits of a double: TOMS 748, and halving where it runs out
// of iterations (halving always gets there). The middle of the last
// bracket is returned; it may lie on either end.
template<typename Function>
double bracketedRoot(const Function &f, double a, double b, double fa, double fb)
{
    constexpr std::uintmax_t MaxIterations = 64;
    boost::math::tools::eps_tolerance<double> tolerance;
    std::uintmax_t iterations = MaxIterations;
    std::pair<double, double> bracket =
        boost::math::tools::toms748_solve(f, a, b, fa, fb, tolerance, iterations);
    if (iterations >= MaxIterations && !tolerance(bracket.first, bracket.second)) {
        iterations = 4 * MaxIterations;
        bracket = boost::math::tools::bisect(f, bracket.first, bracket.second, tolerance, iterations);
    }
    return bracket.first + (bracket.second - bracket.first) / 2;
}

#endif // BRACKETEDROOT_H
