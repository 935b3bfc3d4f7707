#ifndef CHARTAXIS_H
#define CHARTAXIS_H

#include <QFont>
#include <QRectF>
#include <QString>
#include <QVector>

// A value axis of the sensitivity pictures: round ticks (1, 2 or 5 times a
// power of ten) around a range, and the place of a value between two pixel
// positions. A range that is empty or not finite becomes one around it.
class QPainter;

class ChartAxis
{
public:
    ChartAxis(double low, double high, int parts);

    double low() const { return m_low; }
    double high() const { return m_high; }
    const QVector<double> &ticks() const { return m_ticks; }
    // The pixel position of `value` when low() lies at `from` and high() at `to`.
    double place(double value, double from, double to) const;

    // A step of 1, 2 or 5 times a power of ten that cuts the span in about
    // `parts` pieces.
    static double niceStep(double span, int parts);
    // The titles of a picture's axes: `across` under the area's tick labels,
    // `up` turned along its left side, in the painter's pen, `line` high.
    static void drawTitles(QPainter &painter, const QRectF &area, double line,
                           const QString &across, const QString &up);

    // The font every sensitivity picture writes with, and its gap.
    static QFont font();
    static constexpr double Gap = 6.0;

private:
    double m_low;
    double m_high;
    QVector<double> m_ticks;
};

#endif // CHARTAXIS_H
