#ifndef CASHFLOWDIAGRAM_H
#define CASHFLOWDIAGRAM_H

#include "cashflowtable.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QVector>

// The cash-flow diagram of an alternative: a time line from period 0 to N
// with an arrow up for each period's income and an arrow down for each
// period's expenses, every arrow to one scale. layout() is the geometry,
// free of fonts and painting; render() draws a layout into an image.
//
// Where the periods are too many for an arrow each at the given width, the
// periods go in groups of equal size and each group gets one net arrow
// (income less expenses), drawn in the colour of the side that wins.
class CashFlowDiagram
{
    Q_DECLARE_TR_FUNCTIONS(CashFlowDiagram)

public:
    static constexpr int Height = 240;
    // Narrowest room for one arrow; below it periods are grouped.
    static constexpr double MinSpacing = 12.0;
    // Text is laid out at this advance per character and this line height;
    // render() draws it in a font no wider than that.
    static constexpr double CharWidth = 7.0;
    static constexpr double LineHeight = 14.0;

    struct Label {
        QString text;
        double x = 0.0;       // centre of the text
        double y = 0.0;       // centre of the text
        bool vertical = false; // written along the arrow
    };

    struct Arrow {
        int firstPeriod = 0;
        int lastPeriod = 0;   // the same as firstPeriod unless grouped
        bool income = true;   // income colour, else expense colour
        bool up = true;
        double amount = 0.0;  // as summed, signed
        double x = 0.0;
        double length = 0.0;  // in pixels, from the axis
        Label label;          // empty text where it does not fit
    };

    struct Tick {
        int period = 0;
        double x = 0.0;
        bool numbered = false;
    };

    struct Layout {
        int width = 0;
        int height = Height;
        double axisY = 0.0;
        double left = 0.0;    // x of period 0
        double right = 0.0;   // x of period N
        int periodsPerGroup = 1;
        QVector<Arrow> arrows;
        QVector<Tick> ticks;
        QString axisLabel;
    };

    // income and expenses hold the period totals 0..N (the shorter one
    // counts as 0 beyond its end); width is the image's width in pixels.
    static Layout layout(const QVector<double> &income, const QVector<double> &expenses,
                         int width);
    // The diagram of the periods a cash-flow table shows.
    static Layout layout(const CashFlowTable &table, int width);
    static QImage render(const Layout &layout);

    static double textWidth(const QString &text) { return text.size() * CharWidth; }
};

#endif // CASHFLOWDIAGRAM_H
