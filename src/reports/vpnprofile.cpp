#include "vpnprofile.h"

#include "chartaxis.h"
#include "reportformat.h"
#include "reportmarkup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double Gap = 6.0;
constexpr double Swatch = 12.0;

bool valued(double rate)
{
    return std::isfinite(rate) && rate > -1.0;
}

// Digits after the point that a tick step in percent needs.
int decimalsOf(double step)
{
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

} // namespace

QColor VpnProfile::colour(int alternative)
{
    static const QRgb palette[] = {0x1f77b4, 0xd62728, 0x2ca02c, 0x9467bd, 0xff7f0e,
                                   0x8c564b, 0xe377c2, 0x17becf, 0x7f7f7f, 0xbcbd22};
    constexpr int size = sizeof palette / sizeof palette[0];
    if (alternative < size)
        return QColor(palette[alternative]);
    // Past the palette, hues a golden angle apart, in darker shades by turns.
    const int hue = static_cast<int>((alternative * 137.508)) % 360;
    return QColor::fromHsv(hue, 200, alternative % 2 ? 150 : 200);
}

VpnProfile::Profile VpnProfile::compute(const QVector<AlternativeFigures> &alternatives,
                                        const QVector<std::vector<double>> &tirs, int samples)
{
    Profile profile;
    QVector<Mark> wanted;
    for (int a = 0; a < alternatives.size(); ++a) {
        wanted.append({a, Mark::Opportunity, alternatives.at(a).rate, 0.0});
        if (a < tirs.size()) {
            for (const double tir : tirs.at(a))
                wanted.append({a, Mark::Tir, tir, 0.0});
        }
    }
    double low = 0.0;
    double high = 0.0;
    bool any = false;
    for (const Mark &mark : qAsConst(wanted)) {
        if (!valued(mark.rate))
            continue;
        low = any ? std::min(low, mark.rate) : mark.rate;
        high = any ? std::max(high, mark.rate) : mark.rate;
        any = true;
    }
    // A quarter of the span on each side, at least five points of rate, and
    // never down to -100 %, where nothing can be valued.
    const double margin = std::max((high - low) / 4, 0.05);
    profile.lowRate = std::max(low - margin, (low - 1.0) / 2);
    profile.highRate = std::isfinite(high + margin) ? high + margin : high;

    samples = std::max(samples, 2);
    profile.lowVpn = profile.highVpn = 0.0;
    const auto extend = [&](double value) {
        if (std::isfinite(value)) {
            profile.lowVpn = std::min(profile.lowVpn, value);
            profile.highVpn = std::max(profile.highVpn, value);
        }
    };
    std::vector<FlowValuation> valuations;
    valuations.reserve(static_cast<size_t>(alternatives.size()));
    std::vector<double> rates(static_cast<size_t>(samples));
    for (int k = 0; k < samples; ++k) {
        const double t = static_cast<double>(k) / (samples - 1);
        rates[static_cast<size_t>(k)] = profile.lowRate * (1 - t) + profile.highRate * t;
    }
    std::vector<std::vector<double>> values;
    std::vector<long long> horizons;
    for (const AlternativeFigures &alternative : alternatives) {
        valuations.push_back(alternative.valuation());
        const FlowValuation &valuation = valuations.back();
        Curve curve{alternative.name, {}};
        curve.points.reserve(samples);
        values.emplace_back(rates.size());
        for (size_t k = 0; k < rates.size(); ++k) {
            values.back()[k] = valuation.quickNetWorth(rates[k]);
            curve.points.append({rates[k], values.back()[k]});
            extend(values.back()[k]);
        }
        profile.curves.append(curve);
        horizons.push_back(alternative.perpetual ? LLONG_MIN : alternative.horizon);
    }
    profile.crossings = CurveCrossings::find(valuations, horizons, rates, values);
    for (Mark mark : qAsConst(wanted)) {
        if (!valued(mark.rate))
            continue;
        const FlowValuation &values = valuations.at(static_cast<size_t>(mark.alternative));
        mark.vpn = values.incomeWorth(mark.rate) - values.expenseWorth(mark.rate);
        extend(mark.vpn);
        profile.marks.append(mark);
    }
    return profile;
}

QImage VpnProfile::render(const Profile &profile, int width)
{
    width = std::max(width, 200);
    QFont font;
    font.setPixelSize(11);
    // Latin names and figures: no script shaping to do, a hundred names
    // in the legend.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();

    // The legend: a key to the marks, then a swatch and a name for each
    // alternative, in rows as wide as the image.
    struct Entry {
        QString text;
        QRectF box;
    };
    QVector<Entry> legend;
    double x = Gap;
    double y = PlotHeight;
    const auto place = [&](const QString &text) {
        const double w = Swatch + Gap / 2 + metrics.horizontalAdvance(text) + 2 * Gap;
        if (x > Gap && x + w > width) {
            x = Gap;
            y += line + Gap / 2;
        }
        legend.append({text, QRectF(x, y, w, line)});
        x += w;
    };
    place(tr("Interés de oportunidad"));
    place(tr("TIR"));
    for (const Curve &curve : profile.curves)
        place(curve.name);

    QImage image(width, static_cast<int>(std::ceil(y + line + Gap)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);

    // Values: whole ticks around the range. Rates: the range as computed.
    const double vpnStep = ChartAxis::niceStep(profile.highVpn - profile.lowVpn, 5);
    double top = std::ceil(profile.highVpn / vpnStep) * vpnStep;
    double bottom = std::floor(profile.lowVpn / vpnStep) * vpnStep;
    if (!(top > bottom) || !std::isfinite(top - bottom)) {
        top = profile.highVpn + 1.0;
        bottom = profile.lowVpn - 1.0;
    }
    QVector<double> vpnTicks;
    for (int k = 0; k <= 20 && bottom + k * vpnStep <= top + vpnStep / 2; ++k)
        vpnTicks.append(bottom + k * vpnStep);
    double labelWidth = 0.0;
    for (const double tick : qAsConst(vpnTicks))
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ReportFormat::amount(tick)));
    // Room on the left for the value labels and the axis title, above for
    // half a label, below for the rate labels and the axis title.
    QRectF area;
    area.setLeft(std::min(labelWidth + line + 2 * Gap, width / 2.0));
    area.setTop(line / 2 + Gap);
    area.setRight(width - 3 * Gap);
    area.setBottom(PlotHeight - 2 * line - 2 * Gap);
    const double rateSpan = profile.highRate - profile.lowRate;
    const auto at = [&](double rate, double value) {
        const double sx = rateSpan > 0 ? (rate - profile.lowRate) / rateSpan : 0.5;
        return QPointF(area.left() + sx * area.width(),
                       area.bottom() - (value - bottom) / (top - bottom) * area.height());
    };

    const QColor ink(0x40, 0x40, 0x40);
    const QColor grid(0xE0, 0xE0, 0xE0);
    for (const double tick : qAsConst(vpnTicks)) {
        const double ty = at(profile.lowRate, tick).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), ty), QPointF(area.right(), ty));
        painter.setPen(ink);
        painter.drawText(QRectF(0, ty - line / 2, area.left() - Gap, line),
                         Qt::AlignRight | Qt::AlignVCenter, ReportFormat::amount(tick));
    }
    const double rateStep = ChartAxis::niceStep(rateSpan * 100, 6) / 100;
    const int decimals = decimalsOf(rateStep * 100);
    int n = 0;
    for (double k = std::ceil(profile.lowRate / rateStep - 1e-9);
         k * rateStep <= profile.highRate + 1e-12 && n <= 20; ++k, ++n) {
        const double tx = at(k * rateStep, bottom).x();
        painter.setPen(grid);
        painter.drawLine(QPointF(tx, area.top()), QPointF(tx, area.bottom()));
        painter.setPen(ink);
        const QString label = ReportFormat::percent(k * rateStep, decimals);
        painter.drawText(QRectF(tx - 40, area.bottom() + Gap / 2, 80, line), Qt::AlignCenter,
                         label);
    }
    ChartAxis::drawTitles(painter, area, line, tr("Tasa de interés por período"), tr("VPN"));
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setPen(QPen(ink, 1.5));
    painter.drawLine(at(profile.lowRate, 0), at(profile.highRate, 0));

    painter.setClipRect(area.adjusted(-Gap, -Gap, Gap, Gap));
    // Each curve as polylines of its finite stretches, twice in a thin
    // cosmetic pen half a pixel apart: as wide as a pen of 2 but drawn by
    // the raster engine's line drawer instead of a stroked path, many times
    // cheaper with a hundred curves.
    QPen curvePen(Qt::black, 1);
    curvePen.setCosmetic(true);
    QPolygonF stretch;
    const auto drawStretch = [&]() {
        if (stretch.size() > 1) {
            painter.drawPolyline(stretch);
            painter.drawPolyline(stretch.translated(0.0, 0.6));
        }
        stretch.clear();
    };
    for (int a = 0; a < profile.curves.size(); ++a) {
        curvePen.setColor(colour(a));
        painter.setPen(curvePen);
        for (const QPointF &point : profile.curves.at(a).points) {
            // Far outside the plot a value is only a direction: keep it near.
            if (std::isfinite(point.y()))
                stretch.append(at(point.x(), std::clamp(point.y(), 2 * bottom - top, 2 * top - bottom)));
            else
                drawStretch();
        }
        drawStretch();
    }
    // A disc of radius 4.5 in a ring 2 wide: two filled discs, which the
    // raster engine fills far cheaper than it strokes a circle.
    const auto drawMark = [&](Mark::Kind kind, const QColor &colour, const QPointF &centre) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kind == Mark::Opportunity ? QColor(Qt::white) : colour);
        painter.drawEllipse(centre, 5.5, 5.5);
        painter.setBrush(kind == Mark::Opportunity ? colour : QColor(Qt::white));
        painter.drawEllipse(centre, 3.5, 3.5);
    };
    for (const Mark &mark : profile.marks) {
        if (std::isfinite(mark.vpn))
            drawMark(mark.kind, colour(mark.alternative), at(mark.rate, mark.vpn));
    }
    // The crossings, small crosses of single pixels, are set in the image
    // once the painting is done (see below).
    QVector<QPoint> crosses;
    crosses.reserve(static_cast<int>(profile.crossings.size()));
    for (const CurveCrossings::Crossing &crossing : profile.crossings) {
        if (!std::isfinite(crossing.worth))
            continue;
        const QPointF centre = at(crossing.rate, crossing.worth);
        if (std::fabs(centre.x()) < 1e6 && std::fabs(centre.y()) < 1e6)
            crosses.append(QPoint(static_cast<int>(std::floor(centre.x())),
                                  static_cast<int>(std::floor(centre.y()))));
    }
    const QRect crossRoom = area.adjusted(-Gap, -Gap, Gap, Gap).toAlignedRect() & image.rect();
    painter.setClipping(false);

    for (int e = 0; e < legend.size(); ++e) {
        const QRectF &box = legend.at(e).box;
        const QPointF centre(box.left() + Swatch / 2, box.center().y());
        if (e < 2) {
            drawMark(e == 0 ? Mark::Opportunity : Mark::Tir, ink, centre);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour(e - 2));
            painter.drawRect(QRectF(box.left(), centre.y() - Swatch / 2, Swatch, Swatch));
        }
        painter.setPen(ink);
        painter.drawText(box.adjusted(Swatch + Gap / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         legend.at(e).text);
    }
    painter.end();
    // Each cross its two diagonals of seven pixels, written straight into
    // the image: crisp, as a line without antialiasing, and thousands of
    // them cost next to nothing (drawing them as lines took a sixth of the
    // picture). They lie on the plot, clear of the legend painted above.
    const QRgb crossInk = ink.rgba();
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto set = [&](int px, int py) {
        if (px >= crossRoom.left() && px <= crossRoom.right() && py >= crossRoom.top()
            && py <= crossRoom.bottom())
            reinterpret_cast<QRgb *>(bits + py * stride)[px] = crossInk;
    };
    for (const QPoint &centre : qAsConst(crosses)) {
        for (int k = -3; k <= 3; ++k) {
            set(centre.x() + k, centre.y() + k);
            set(centre.x() + k, centre.y() - k);
        }
    }
    return image;
}

QString VpnProfile::crossingLines(const Profile &profile)
{
    // The highest curve at each sampled rate: a crossing where it changes
    // from one of the two alternatives to the other is one where the best
    // alternative changes.
    QVector<int> highest;
    for (int a = 0; a < profile.curves.size(); ++a) {
        const QVector<QPointF> &points = profile.curves.at(a).points;
        highest.resize(std::max(highest.size(), points.size()), -1);
        for (int j = 0; j < points.size(); ++j) {
            const int h = highest.at(j);
            if (std::isfinite(points.at(j).y())
                && (h < 0 || points.at(j).y() > profile.curves.at(h).points.at(j).y()))
                highest[j] = a;
        }
    }
    const auto changesBest = [&](const CurveCrossings::Crossing &crossing) {
        const QVector<QPointF> &points = profile.curves.at(crossing.first).points;
        int j = 0;
        while (j + 1 < points.size() && points.at(j + 1).x() < crossing.rate)
            ++j;
        if (j + 1 >= highest.size())
            return false;
        const int before = highest.at(j);
        const int after = highest.at(j + 1);
        return before != after && (before == crossing.first || before == crossing.second)
            && (after == crossing.first || after == crossing.second);
    };

    const bool all = profile.crossings.size() <= MostCrossingLines;
    QString html;
    long long unlisted = 0;
    for (const CurveCrossings::Crossing &crossing : profile.crossings) {
        if (!all && !changesBest(crossing)) {
            ++unlisted;
            continue;
        }
        // One multi-argument call: a name holding %1 or %2 stays as typed.
        html += ReportMarkup::paragraph(
            tr("«%1» y «%2» se cruzan en %3 (VPN %4).")
                .arg(ReportFormat::name(profile.curves.at(crossing.first).name),
                     ReportFormat::name(profile.curves.at(crossing.second).name),
                     ReportFormat::rate(crossing.rate), ReportFormat::amount(crossing.worth)));
    }
    if (unlisted > 0) {
        html += ReportMarkup::paragraph(
            tr("Las curvas se cruzan %1 veces más, donde no cambia la mejor alternativa; el gráfico "
               "marca todos los cruces.")
                .arg(ReportFormat::wholeNumber(unlisted)));
    }
    return html;
}
