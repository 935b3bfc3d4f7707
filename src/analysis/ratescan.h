#ifndef RATESCAN_H
#define RATESCAN_H

#include <functional>
#include <vector>

// The rates at which a function of the rate changes sign, over a range:
// sampled on a grid, each change of sign between two samples refined with
// TOMS 748, and each sample closer to zero than its neighbours of the same
// sign searched (Brent) for two crossings between them.
class RateScan
{
public:
    using Function = std::function<double(double rate)>;

    // The rates low < r < high at which f changes sign, ascending; the
    // grid is even in log(1 + r) (low > -1). A sample that is not finite
    // counts as no sample.
    static std::vector<double> zeros(const Function &f, double low, double high, int intervals);

    // The same on samples already taken: values[j] = f(rates[j]), rates
    // ascending. `most`, when not negative, is the most zeros f can have
    // (Descartes' rule): once the changes of sign have found that many, the
    // search stops.
    static std::vector<double> zeros(const Function &f, const std::vector<double> &rates,
                                     const std::vector<double> &values, int most = -1);

    // The zero of f between a and b, where f(a) = fa and f(b) = fb differ in
    // sign.
    static double refine(const Function &f, double a, double b, double fa, double fb);
};

#endif // RATESCAN_H
