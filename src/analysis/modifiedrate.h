#ifndef MODIFIEDRATE_H
#define MODIFIEDRATE_H

#include <vector>

// Modified rate of return (TIRM) of the net payments c_0 .. c_K at the rate
// i, over N periods: the positive payments reinvested at i up to period N,
// the negative ones financed at i back to period 0,
//   TIRM = (sum_{c_k > 0} c_k (1 + i)^(N - k) / sum_{c_k < 0} -c_k (1 + i)^-k)^(1/N) - 1.
// NaN when N <= 0, when there is no positive or no negative payment, when
// i <= -1 or is not finite, or when a payment is not finite.
double modifiedRateOfReturn(const std::vector<double> &netPayments, double rate, long long periods);

// The same over N = K, the last period of the payments.
double modifiedRateOfReturn(const std::vector<double> &netPayments, double rate);

#endif // MODIFIEDRATE_H
