#include "spiderplot.h"

#include "chartaxis.h"
#include "reportformat.h"
#include "vpnprofile.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(0x40, 0x40, 0x40);
const QColor Grid(0xE0, 0xE0, 0xE0);

} // namespace

QImage SpiderPlot::render(const std::vector<double> &changes, const QVector<Line> &lines,
                          int width)
{
    width = std::max(width, 300);
    const QFont font = ChartAxis::font();
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    constexpr double Gap = ChartAxis::Gap;
    constexpr double Swatch = 12.0;

    // The legend, in rows as wide as the image.
    QVector<QRectF> boxes;
    double lx = Gap;
    double ly = PlotHeight;
    for (const Line &each : lines) {
        const double w = Swatch + Gap / 2 + metrics.horizontalAdvance(each.label) + 2 * Gap;
        if (lx > Gap && lx + w > width) {
            lx = Gap;
            ly += line + Gap / 2;
        }
        boxes.append(QRectF(lx, ly, w, line));
        lx += w;
    }

    double low = 0.0;
    double high = 0.0;
    bool any = false;
    for (const Line &each : lines) {
        for (const double value : each.vpn) {
            if (!std::isfinite(value))
                continue;
            low = any ? std::min(low, value) : value;
            high = any ? std::max(high, value) : value;
            any = true;
        }
    }
    const ChartAxis values(low, high, 5);
    const double first = changes.empty() ? -0.5 : changes.front();
    const double last = changes.empty() ? 0.5 : changes.back();

    QImage image(width, static_cast<int>(std::ceil(ly + line + Gap)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);

    double labelWidth = 0.0;
    for (const double tick : values.ticks())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ReportFormat::amount(tick)));
    QRectF area;
    area.setLeft(std::min(labelWidth + line + 2 * Gap, width / 2.0));
    area.setTop(line / 2 + Gap);
    area.setRight(width - 3 * Gap);
    area.setBottom(PlotHeight - 2 * line - 2 * Gap);
    const auto at = [&](double change, double value) {
        const double sx = last > first ? (change - first) / (last - first) : 0.5;
        return QPointF(area.left() + sx * area.width(),
                       values.place(value, area.bottom(), area.top()));
    };

    for (const double tick : values.ticks()) {
        const double ty = at(first, tick).y();
        painter.setPen(Grid);
        painter.drawLine(QPointF(area.left(), ty), QPointF(area.right(), ty));
        painter.setPen(Ink);
        painter.drawText(QRectF(0, ty - line / 2, area.left() - Gap, line),
                         Qt::AlignRight | Qt::AlignVCenter, ReportFormat::amount(tick));
    }
    for (int k = 0; k <= 10; ++k) {
        const double change = first + (last - first) * k / 10;
        const double tx = at(change, values.low()).x();
        painter.setPen(Grid);
        painter.drawLine(QPointF(tx, area.top()), QPointF(tx, area.bottom()));
        painter.setPen(Ink);
        const QString label = (change > 1e-12 ? QStringLiteral("+") : QString())
            + ReportFormat::percent(std::fabs(change) < 1e-12 ? 0.0 : change, 0);
        painter.drawText(QRectF(tx - 40, area.bottom() + Gap / 2, 80, line), Qt::AlignCenter,
                         label);
    }
    ChartAxis::drawTitles(painter, area, line, tr("Cambio de la cifra"), tr("VPN"));
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    if (values.low() < 0.0 && values.high() > 0.0) {
        painter.setPen(QPen(Ink, 1.5));
        painter.drawLine(at(first, 0.0), at(last, 0.0));
    }

    painter.setClipRect(area);
    for (int l = 0; l < lines.size(); ++l) {
        // Polylines between the values that are numbers.
        // One pixel wide: a wider antialiased stroke costs the report
        // several times as much, with eight lines per alternative.
        painter.setPen(QPen(VpnProfile::colour(l), 1.0));
        QPolygonF piece;
        const std::vector<double> &vpn = lines.at(l).vpn;
        for (size_t k = 0; k <= vpn.size() && k <= changes.size(); ++k) {
            if (k < vpn.size() && k < changes.size() && std::isfinite(vpn[k])) {
                piece.append(at(changes[k], vpn[k]));
                continue;
            }
            painter.drawPolyline(piece);
            piece.clear();
        }
    }
    painter.setClipping(false);

    for (int l = 0; l < boxes.size(); ++l) {
        const QRectF &box = boxes.at(l);
        painter.setPen(Qt::NoPen);
        painter.setBrush(VpnProfile::colour(l));
        painter.drawRect(QRectF(box.left(), box.center().y() - Swatch / 2, Swatch, Swatch));
        painter.setPen(Ink);
        painter.drawText(box.adjusted(Swatch + Gap / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         lines.at(l).label);
    }
    return image;
}
