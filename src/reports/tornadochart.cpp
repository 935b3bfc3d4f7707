#include "tornadochart.h"

#include "chartaxis.h"
#include "reportformat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace {

const QColor LowColour(0xD6, 0x27, 0x28);
const QColor HighColour(0x1F, 0x77, 0xB4);
const QColor Ink(0x40, 0x40, 0x40);
const QColor Grid(0xE0, 0xE0, 0xE0);

} // namespace

QImage TornadoChart::render(const QVector<Bar> &all, double vpn, double variation, int width)
{
    const QVector<Bar> bars = all.mid(0, MostBars);
    width = std::max(width, 300);
    const QFont font = ChartAxis::font();
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    constexpr double Gap = ChartAxis::Gap;
    const double barHeight = line + Gap;

    double low = vpn;
    double high = vpn;
    for (const Bar &bar : bars) {
        for (const double value : {bar.vpnLow, bar.vpnHigh}) {
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    const ChartAxis axis(low, high, 5);

    // Each text is shaped once, measured and drawn from that: shaping costs
    // most of such a picture.
    const auto shaped = [&font](const QString &text) {
        QStaticText result(text);
        result.setTextFormat(Qt::PlainText);
        result.prepare(QTransform(), font);
        return result;
    };
    double labelWidth = 0.0;
    QVector<QStaticText> labels;
    for (const Bar &bar : bars) {
        labels.append(shaped(bar.label));
        if (labels.constLast().size().width() > width / 3.0)
            labels.last() = shaped(metrics.elidedText(bar.label, Qt::ElideRight, width / 3.0));
        labelWidth = std::max(labelWidth, labels.constLast().size().width());
    }
    const double left = labelWidth + 2 * Gap;
    const double right = width - 4 * Gap;
    const double top = Gap;
    const double plotBottom = top + std::max<double>(bars.size(), 1) * barHeight;
    const double height = plotBottom + 3 * line + 3 * Gap;

    QImage image(width, static_cast<int>(std::ceil(height)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    // Bars and lines run along the pixels: drawn without antialiasing, as
    // crisp and several times cheaper; the text keeps its own smoothing.
    QPainter painter(&image);
    painter.setFont(font);
    const auto x = [&](double value) {
        return std::round(axis.place(std::clamp(value, axis.low(), axis.high()), left, right));
    };

    const auto write = [&](double from, double y, const QStaticText &text) {
        painter.drawStaticText(QPointF(from, y + (line - text.size().height()) / 2), text);
    };
    for (const double tick : axis.ticks()) {
        painter.setPen(QPen(Grid, 0));
        painter.drawLine(QPointF(x(tick), top), QPointF(x(tick), plotBottom));
        painter.setPen(Ink);
        const QStaticText label = shaped(ReportFormat::amount(tick));
        write(x(tick) - label.size().width() / 2, plotBottom + Gap / 2, label);
    }
    for (int b = 0; b < bars.size(); ++b) {
        const double y = top + b * barHeight + Gap / 2;
        painter.setPen(Ink);
        write(left - Gap - labels.at(b).size().width(), y, labels.at(b));
        painter.setPen(Qt::NoPen);
        for (const bool up : {false, true}) {
            const double value = up ? bars.at(b).vpnHigh : bars.at(b).vpnLow;
            if (!std::isfinite(value))
                continue;
            painter.setBrush(up ? HighColour : LowColour);
            painter.drawRect(QRectF(QPointF(std::min(x(vpn), x(value)), y),
                                    QPointF(std::max(x(vpn), x(value)), y + line)));
        }
    }
    painter.fillRect(QRectF(x(vpn) - 1, top, 2, plotBottom - top), Ink);

    // The legend: both ends of the variation and the line of the VPN.
    const double legendY = plotBottom + line + 1.5 * Gap;
    double legendX = left;
    const auto entry = [&](const QColor &colour, const QString &text) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRect(QRectF(legendX, legendY + line / 4, 12, line / 2));
        painter.setPen(Ink);
        const QStaticText label = shaped(text);
        const double w = label.size().width();
        write(legendX + 12 + Gap / 2, legendY, label);
        legendX += 12 + Gap / 2 + w + 3 * Gap;
    };
    const QString percent = ReportFormat::percent(variation, 0);
    entry(LowColour, tr("VPN con la cifra −%1").arg(percent));
    entry(HighColour, tr("VPN con la cifra +%1").arg(percent));
    entry(Ink, tr("VPN como se escribió (%1)").arg(ReportFormat::amount(vpn)));
    return image;
}
