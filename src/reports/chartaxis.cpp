#include "chartaxis.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

double ChartAxis::niceStep(double span, int parts)
{
    const double raw = span / parts;
    if (!(raw > 0.0) || !std::isfinite(raw))
        return 1.0;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * decade >= raw)
            return factor * decade;
    }
    return 10.0 * decade;
}

void ChartAxis::drawTitles(QPainter &painter, const QRectF &area, double line,
                           const QString &across, const QString &up)
{
    painter.drawText(QRectF(area.left(), area.bottom() + line + Gap, area.width(), line),
                     Qt::AlignCenter, across);
    painter.save();
    painter.translate(line / 2 + 2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -line / 2, area.height(), line), Qt::AlignCenter, up);
    painter.restore();
}

ChartAxis::ChartAxis(double low, double high, int parts)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = std::isfinite(low) ? low : (std::isfinite(high) ? high : 0.0);
        high = std::isfinite(high) ? high : low;
    }
    if (!(high > low)) {
        const double pad = std::max(std::fabs(low) * 0.1, 1.0);
        low -= pad;
        high += pad;
    }
    const double step = niceStep(high - low, std::max(parts, 1));
    m_low = std::floor(low / step) * step;
    m_high = std::ceil(high / step) * step;
    if (!(m_high > m_low) || !std::isfinite(m_high - m_low)) {
        m_low = low;
        m_high = high;
        m_ticks = {low, high};
        return;
    }
    for (int k = 0; k <= 40 && m_low + k * step <= m_high + step / 2; ++k)
        m_ticks.append(m_low + k * step);
}

double ChartAxis::place(double value, double from, double to) const
{
    return from + (value - m_low) / (m_high - m_low) * (to - from);
}

QFont ChartAxis::font()
{
    QFont font;
    font.setPixelSize(11);
    // Labels and figures in a Latin script need no shaping, which would
    // cost most of a picture's time.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
