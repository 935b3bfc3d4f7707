#include "vpnhistogram.h"

#include "chartaxis.h"
#include "reportformat.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(0x40, 0x40, 0x40);
const QColor Grid(0xE0, 0xE0, 0xE0);
const QColor BarColour(0x6C, 0xA8, 0x70);
const QColor ZeroColour(0xD6, 0x27, 0x28);

} // namespace

QImage VpnHistogram::render(const std::vector<double> &values, int width)
{
    width = std::max(width, 300);
    const QFont font = ChartAxis::font();
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    constexpr double Gap = ChartAxis::Gap;

    double low = 0.0;
    double high = 0.0;
    bool any = false;
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    }
    const ChartAxis across(low, high, 6);
    std::vector<long long> counts(Bins, 0);
    const double span = across.high() - across.low();
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        const double t = (value - across.low()) / span * Bins;
        ++counts[static_cast<size_t>(std::clamp(t, 0.0, Bins - 1.0))];
    }
    const long long most = std::max<long long>(*std::max_element(counts.begin(), counts.end()), 1);
    const ChartAxis up(0.0, static_cast<double>(most), 4);

    QImage image(width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);

    double labelWidth = 0.0;
    for (const double tick : up.ticks())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ReportFormat::wholeNumber(
                                              static_cast<long long>(tick))));
    QRectF area;
    area.setLeft(labelWidth + line + 2 * Gap);
    area.setTop(line / 2 + Gap);
    area.setRight(width - 4 * Gap);
    area.setBottom(Height - 2 * line - 2 * Gap);
    const auto x = [&](double value) { return across.place(value, area.left(), area.right()); };
    const auto y = [&](double count) { return up.place(count, area.bottom(), area.top()); };

    for (const double tick : up.ticks()) {
        painter.setPen(Grid);
        painter.drawLine(QPointF(area.left(), y(tick)), QPointF(area.right(), y(tick)));
        painter.setPen(Ink);
        painter.drawText(QRectF(0, y(tick) - line / 2, area.left() - Gap, line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         ReportFormat::wholeNumber(static_cast<long long>(tick)));
    }
    for (const double tick : across.ticks()) {
        painter.setPen(Ink);
        painter.drawText(QRectF(x(tick) - 60, area.bottom() + Gap / 2, 120, line), Qt::AlignCenter,
                         ReportFormat::amount(tick));
    }
    ChartAxis::drawTitles(painter, area, line, tr("VPN simulado"), tr("Simulaciones"));

    painter.setPen(QPen(Qt::white, 0.5));
    painter.setBrush(BarColour);
    const double binWidth = area.width() / Bins;
    for (int b = 0; b < Bins; ++b) {
        if (counts[static_cast<size_t>(b)] > 0) {
            painter.drawRect(QRectF(QPointF(area.left() + b * binWidth,
                                            y(static_cast<double>(counts[static_cast<size_t>(b)]))),
                                    QPointF(area.left() + (b + 1) * binWidth, area.bottom())));
        }
    }
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    painter.setPen(QPen(ZeroColour, 2));
    const QString zero = QStringLiteral("0");
    if (across.low() <= 0.0 && across.high() >= 0.0) {
        painter.drawLine(QPointF(x(0.0), area.top()), QPointF(x(0.0), area.bottom()));
        painter.drawText(QRectF(x(0.0) + 2, area.top(), 40, line), Qt::AlignLeft, zero);
    } else {
        // The zero lies beyond the range: an arrow at the edge points to it.
        const bool left = across.low() > 0.0;
        const double ex = left ? area.left() + Gap : area.right() - Gap;
        const double ey = area.top() + line;
        const double dir = left ? -1.0 : 1.0;
        painter.drawLine(QPointF(ex - dir * 3 * Gap, ey), QPointF(ex, ey));
        painter.drawLine(QPointF(ex, ey), QPointF(ex - dir * Gap, ey - Gap / 2));
        painter.drawLine(QPointF(ex, ey), QPointF(ex - dir * Gap, ey + Gap / 2));
        painter.drawText(QRectF(left ? ex : ex - 40, ey + Gap / 2, 40, line),
                         left ? Qt::AlignLeft : Qt::AlignRight, zero);
    }
    return image;
}
