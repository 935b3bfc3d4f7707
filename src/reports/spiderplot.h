#ifndef SPIDERPLOT_H
#define SPIDERPLOT_H

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QVector>

#include <vector>

// The spider plot: the VPN against the change of each figure, one line per
// figure, a legend of the figures under the plot.
class SpiderPlot
{
    Q_DECLARE_TR_FUNCTIONS(SpiderPlot)

public:
    static constexpr int PlotHeight = 300;

    struct Line {
        QString label;
        std::vector<double> vpn; // at changes[k]
    };

    static QImage render(const std::vector<double> &changes, const QVector<Line> &lines,
                         int width);
};

#endif // SPIDERPLOT_H
