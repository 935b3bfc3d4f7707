#ifndef TORNADOCHART_H
#define TORNADOCHART_H

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QVector>

// The tornado diagram of a sensitivity: a horizontal bar per figure from
// its VPN at -p to its VPN at +p, around a vertical line at the VPN as
// typed, the largest swing on top, at most MostBars bars.
class TornadoChart
{
    Q_DECLARE_TR_FUNCTIONS(TornadoChart)

public:
    static constexpr int MostBars = 15;

    struct Bar {
        QString label;
        double vpnLow = 0.0;  // at -p
        double vpnHigh = 0.0; // at +p
    };

    // `bars` in the order to draw them, top first; `variation` is p.
    static QImage render(const QVector<Bar> &bars, double vpn, double variation, int width);
};

#endif // TORNADOCHART_H
