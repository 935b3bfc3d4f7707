#include "chartaxis.h"

#include <algorithm>
#include <cmath>

namespace {

double niceStep(double span, int parts)
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

} // namespace

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
    return font;
}
