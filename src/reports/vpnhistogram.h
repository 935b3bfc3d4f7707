#ifndef VPNHISTOGRAM_H
#define VPNHISTOGRAM_H

#include <QCoreApplication>
#include <QImage>

#include <vector>

// The histogram of an alternative's simulated VPN: Bins bars from the
// lowest to the highest finite value, the zero marked by a line (or, when
// every value lies on one side of it, by an arrow at that edge).
class VpnHistogram
{
    Q_DECLARE_TR_FUNCTIONS(VpnHistogram)

public:
    static constexpr int Bins = 40;
    static constexpr int Height = 240;

    static QImage render(const std::vector<double> &values, int width);
};

#endif // VPNHISTOGRAM_H
