#include "replacementchart.h"

#include "chartaxis.h"
#include "picturememory.h"
#include "reportformat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Gap = ChartAxis::Gap;
constexpr double Swatch = 12.0;

struct Series {
    QString name;
    QColor colour;
    Qt::PenStyle style;
    std::vector<double> values; // of years 1..n
    int least;                  // index marked, or -1
};

} // namespace

QImage ReplacementChart::render(const ReplacementDecision &d, const QString &defender,
                                const QString &challenger, int width)
{
    PictureMemory::keepOnHeap();
    width = std::max(width, 240);
    const QFont font = ChartAxis::font();
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    const auto costs = [](const std::vector<LifeRow> &rows) {
        std::vector<double> values;
        for (const LifeRow &row : rows)
            values.push_back(row.annualCost);
        return values;
    };
    const Series series[] = {
        {tr("CAUE de «%1»").arg(defender), QColor(0x1F, 0x5F, 0xBF), Qt::SolidLine,
         costs(d.defender), d.defenderBest},
        {tr("CAUE de «%1»").arg(challenger), QColor(0xC0, 0x39, 0x2B), Qt::SolidLine,
         costs(d.challenger), d.challengerBest},
        {tr("Costo marginal de «%1»").arg(defender), QColor(0x1F, 0x5F, 0xBF), Qt::DashLine,
         d.marginal, -1},
    };
    double low = INFINITY, high = -INFINITY;
    int years = 1;
    for (const Series &s : series) {
        years = std::max(years, int(s.values.size()));
        for (const double v : s.values) {
            if (std::isfinite(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    const ChartAxis values(std::min(low, 0.0), high, 5);
    const ChartAxis lives(years > 1 ? 1 : 0, years, std::min(years, 10));

    // The legend: one row per series under the plot.
    const double legendTop = PlotHeight;
    QImage image(width, int(std::ceil(legendTop + 3 * (line + Gap / 2) + Gap)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    const QColor ink(0x40, 0x40, 0x40), grid(0xE0, 0xE0, 0xE0);

    double labelWidth = 0;
    for (const double tick : values.ticks())
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ReportFormat::amount(tick)));
    QRectF area;
    area.setLeft(std::min(labelWidth + line + 2 * Gap, width / 2.0));
    area.setTop(line / 2 + Gap);
    area.setRight(width - 3 * Gap);
    area.setBottom(PlotHeight - 2 * line - 2 * Gap);
    const auto at = [&](double year, double value) {
        return QPointF(lives.place(year, area.left(), area.right()),
                       values.place(value, area.bottom(), area.top()));
    };
    // The grid and the frame as rows and columns of whole pixels, filled
    // rather than stroked: crisp, and a fraction of an antialiased line's cost.
    const QRect frame(QPoint(int(std::lround(area.left())), int(std::lround(area.top()))),
                      QPoint(int(std::lround(area.right())), int(std::lround(area.bottom()))));
    const auto across = [&](double y, const QColor &colour) {
        painter.fillRect(QRect(frame.left(), int(std::lround(y)), frame.width(), 1), colour);
    };
    const auto upright = [&](double x, const QColor &colour) {
        painter.fillRect(QRect(int(std::lround(x)), frame.top(), 1, frame.height()), colour);
    };
    painter.setPen(ink);
    for (const double tick : values.ticks()) {
        const double y = at(lives.low(), tick).y();
        across(y, grid);
        painter.drawText(QRectF(0, y - line / 2, area.left() - Gap, line),
                         Qt::AlignRight | Qt::AlignVCenter, ReportFormat::amount(tick));
    }
    for (const double tick : lives.ticks()) {
        if (tick < 1 || tick != std::floor(tick))
            continue;
        const double x = at(tick, values.low()).x();
        upright(x, grid);
        painter.drawText(QRectF(x - 30, area.bottom() + Gap / 2, 60, line), Qt::AlignCenter,
                         ReportFormat::wholeNumber((long long)tick));
    }
    ChartAxis::drawTitles(painter, area, line, tr("Años de servicio"), tr("Costo anual"));
    across(frame.top(), ink);
    across(frame.bottom(), ink);
    upright(frame.left(), ink);
    upright(frame.right(), ink);

    // Each line twice in a thin cosmetic pen half a pixel apart: as wide as
    // a pen of 2, but drawn by the raster engine's line drawer instead of a
    // stroked path, many times cheaper. The dashes keep the length they had
    // in a pen of 2.
    const auto drawTwice = [&](const Series &s, const QPolygonF &points) {
        QPen pen(s.colour, 1);
        pen.setCosmetic(true);
        if (s.style == Qt::DashLine)
            pen.setDashPattern({8, 4});
        painter.setPen(pen);
        painter.drawPolyline(points);
        painter.drawPolyline(points.translated(0.0, 0.6));
    };
    painter.setClipRect(area.adjusted(-Gap, -Gap, Gap, Gap));
    for (const Series &s : series) {
        QPolygonF points;
        for (int k = 0; k < int(s.values.size()); ++k) {
            if (std::isfinite(s.values[k]))
                points.append(at(k + 1, s.values[k]));
        }
        drawTwice(s, points);
    }
    // The least of each asset: a disc of radius 4 in a white ring 2 wide,
    // as two filled discs, which the raster engine fills far cheaper than
    // it strokes a circle.
    painter.setPen(Qt::NoPen);
    for (const Series &s : series) {
        if (s.least >= 0 && std::isfinite(s.values[s.least])) {
            const QPointF centre = at(s.least + 1, s.values[s.least]);
            painter.setBrush(Qt::white);
            painter.drawEllipse(centre, 6, 6);
            painter.setBrush(s.colour);
            painter.drawEllipse(centre, 4, 4);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setClipping(false);

    for (int e = 0; e < 3; ++e) {
        const QRectF box(Gap, legendTop + e * (line + Gap / 2), width - 2 * Gap, line);
        const double y = box.center().y();
        drawTwice(series[e], QPolygonF({QPointF(box.left(), y), QPointF(box.left() + 2 * Swatch, y)}));
        painter.setPen(ink);
        QString text = series[e].name;
        if (series[e].least >= 0)
            text += tr(" (●: vida económica)");
        painter.drawText(box.adjusted(2 * Swatch + Gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
    }
    return image;
}
