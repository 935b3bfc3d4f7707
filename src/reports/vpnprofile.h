#ifndef VPNPROFILE_H
#define VPNPROFILE_H

#include "alternativefigures.h"
#include "curvecrossings.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QVector>

#include <vector>

// The VPN profile: each alternative's net present value against the rate,
// over a range that holds every opportunity rate and every TIR with a
// margin, with those rates marked on the curves, and a small cross where
// the curves of two alternatives of the same horizon cross. compute() is the geometry
// in rates and values; render() draws it into an image.
//
// Drawn with QPainter rather than Qt Charts: a chart is a QGraphicsScene that
// needs a QApplication (widgets) in this layer and a further library, and its
// series would still need hand-made marks; axes, ticks and a legend are a few
// dozen lines of painting that behave the same offscreen and in print.
class VpnProfile
{
    Q_DECLARE_TR_FUNCTIONS(VpnProfile)

public:
    static constexpr int Samples = 201;
    static constexpr int PlotHeight = 320;

    struct Mark {
        enum Kind { Opportunity, Tir };
        int alternative = 0;
        Kind kind = Opportunity;
        double rate = 0.0;
        double vpn = 0.0;
    };

    struct Curve {
        QString name;
        QVector<QPointF> points; // x: rate, y: VPN; y may be infinite or NaN
    };

    struct Profile {
        double lowRate = 0.0;
        double highRate = 0.0;
        double lowVpn = 0.0;  // over the finite points and marks, and 0
        double highVpn = 0.0;
        QVector<Curve> curves;
        QVector<Mark> marks;
        std::vector<CurveCrossings::Crossing> crossings;
    };

    // tirs[a] holds the TIRs of alternatives[a] (missing or empty: none).
    // Rates that cannot be valued (not above -100 %, or not finite) are
    // left out of the range and not marked.
    static Profile compute(const QVector<AlternativeFigures> &alternatives,
                           const QVector<std::vector<double>> &tirs, int samples = Samples);

    // The plot, PlotHeight high, and its legend under it; width in pixels.
    static QImage render(const Profile &profile, int width);

    // The lines under the picture, one per crossing: "«A» y «B» se cruzan
    // en 0.135 (VPN 1 234.56)." With more than MostCrossingLines crossings,
    // only those where the highest curve changes hands, and a count of the
    // others.
    static constexpr int MostCrossingLines = 20;
    static QString crossingLines(const Profile &profile);

    // The colour of the alternative at this index, distinct for neighbours.
    static QColor colour(int alternative);
};

#endif // VPNPROFILE_H
