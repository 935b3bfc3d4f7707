#include "cashflowdiagram.h"

#include "reportformat.h"
#include "reportmarkup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Margin = 30.0;
constexpr double Gap = 4.0;
// Above the tallest arrow: its label.
constexpr double TopRoom = CashFlowDiagram::LineHeight + Gap;
// Below the deepest arrow: its label, the period numbers and the axis label.
constexpr double BottomRoom = 3 * (CashFlowDiagram::LineHeight + Gap);
constexpr double HeadSize = 6.0;

const QColor incomeColour = ReportMarkup::colour(ReportMarkup::IncomeColour);
const QColor expenseColour = ReportMarkup::colour(ReportMarkup::ExpenseColour);

double at(const QVector<double> &values, int period)
{
    return period < values.size() ? values.at(period) : 0.0;
}

// Where the amount of an arrow is written: across, above or below its head,
// when it fits between the neighbours (leaving them room for a label written
// along their shaft); else along the shaft, on its right, when the arrow is
// long enough; else nowhere.
CashFlowDiagram::Label labelOf(const CashFlowDiagram::Arrow &arrow, double axisY, double room)
{
    using D = CashFlowDiagram;
    CashFlowDiagram::Label label;
    const QString text = ReportFormat::amount(std::fabs(arrow.amount));
    const double width = D::textWidth(text);
    const double side = arrow.up ? -1.0 : 1.0;
    if (width <= std::min(room - 2.0, 2.0 * (room - D::LineHeight - 2.0))) {
        label.x = arrow.x;
        label.y = axisY + side * (arrow.length + Gap / 2 + D::LineHeight / 2);
    } else if (room >= D::LineHeight + 2.0 + HeadSize && width <= arrow.length - 2.0 * HeadSize) {
        label.vertical = true;
        label.x = arrow.x + 2.0 + D::LineHeight / 2;
        label.y = axisY + side * arrow.length / 2;
    } else {
        return label;
    }
    label.text = text;
    return label;
}

} // namespace

CashFlowDiagram::Layout CashFlowDiagram::layout(const CashFlowTable &table, int width)
{
    return layout(table.incomeTotals, table.expenseTotals, width);
}

CashFlowDiagram::Layout CashFlowDiagram::layout(const QVector<double> &income,
                                                const QVector<double> &expenses, int width)
{
    Layout result;
    result.width = std::max(width, static_cast<int>(4 * Margin));
    const int last = static_cast<int>(std::max<qsizetype>(std::max(income.size(), expenses.size()) - 1, 0));
    result.left = Margin;
    result.right = result.width - Margin;
    if (last == 0)
        result.left = result.right = result.width / 2.0;
    const double span = result.right - result.left;
    const auto xOf = [&](double period) {
        return last == 0 ? result.left : result.left + span * period / last;
    };
    const double spacing = last == 0 ? span : span / last;

    int group = 1;
    if (spacing < MinSpacing)
        group = static_cast<int>(std::min<double>(std::ceil(MinSpacing / spacing), last + 1.0));
    result.periodsPerGroup = group;
    const double room = last == 0 ? result.width - 2 * Margin : spacing * group;

    for (int first = 0; first <= last; first += group) {
        const int end = std::min(first + group - 1, last);
        if (group == 1) {
            const double in = at(income, first);
            const double out = at(expenses, first);
            const bool sameWay = (in > 0) == (out < 0) && in != 0 && out != 0;
            const double shift = sameWay ? std::min(spacing / 6, HeadSize / 2) : 0.0;
            if (in != 0 && !std::isnan(in))
                result.arrows.append({first, end, true, in > 0, in, xOf(first) - shift, 0, {}});
            if (out != 0 && !std::isnan(out))
                result.arrows.append({first, end, false, out < 0, out, xOf(first) + shift, 0, {}});
        } else {
            double net = 0.0;
            for (int period = first; period <= end; ++period)
                net += at(income, period) - at(expenses, period);
            if (net != 0 && !std::isnan(net))
                result.arrows.append({first, end, net > 0, net > 0, net,
                                      (xOf(first) + xOf(end)) / 2, 0, {}});
        }
    }

    // One scale for every arrow. Amounts are taken relative to the largest
    // finite one, so that sums near the double range do not overflow; an
    // infinite amount is drawn as long as the largest on its side.
    double largest = 0.0;
    for (const Arrow &arrow : qAsConst(result.arrows)) {
        if (std::isfinite(arrow.amount))
            largest = std::max(largest, std::fabs(arrow.amount));
    }
    if (largest == 0.0)
        largest = 1.0;
    double up = 0.0;
    double down = 0.0;
    for (const Arrow &arrow : qAsConst(result.arrows)) {
        const double relative =
            std::isfinite(arrow.amount) ? std::fabs(arrow.amount) / largest : 1.0;
        (arrow.up ? up : down) = std::max(arrow.up ? up : down, relative);
    }
    const double height = Height - TopRoom - BottomRoom;
    const double upShare = up + down > 0 ? up / (up + down) : 0.5;
    result.axisY = TopRoom + height * upShare;
    const double pixels = up + down > 0 ? height / (up + down) : 0.0;
    for (Arrow &arrow : result.arrows) {
        const double relative = std::isfinite(arrow.amount) ? std::fabs(arrow.amount) / largest
                                                            : (arrow.up ? up : down);
        arrow.length = relative * pixels;
        arrow.label = labelOf(arrow, result.axisY, room);
    }

    // A tick for each group and for N; numbers on ticks far enough apart
    // that the widest number fits between them.
    const double numberWidth = textWidth(ReportFormat::wholeNumber(last)) + 2 * Gap;
    long long step = group;
    for (long long decade = 1; step * spacing < numberWidth && step <= last; decade *= 10) {
        for (const int factor : {1, 2, 5}) {
            step = group * factor * decade;
            if (step * spacing >= numberWidth)
                break;
        }
    }
    for (long long period = 0; period <= last; period += group)
        result.ticks.append({static_cast<int>(period), xOf(period), period % step == 0});
    if (result.ticks.constLast().period != last) {
        const double gap = (last - last / step * step) * spacing;
        result.ticks.append({last, xOf(last), gap >= numberWidth});
    }
    result.axisLabel = group == 1
        ? tr("Período")
        : tr("Período (flujo neto por grupo de %1 períodos)").arg(ReportFormat::wholeNumber(group));
    return result;
}

QImage CashFlowDiagram::render(const Layout &layout)
{
    QImage image(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(11);
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) > CharWidth)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);

    const double numbersY = layout.height - 2 * (LineHeight + Gap);
    const QColor ink(0x40, 0x40, 0x40);
    painter.setPen(QPen(ink, 1.5));
    painter.drawLine(QPointF(layout.left - Margin / 2, layout.axisY),
                     QPointF(layout.right + Margin / 2, layout.axisY));
    for (const Tick &tick : layout.ticks) {
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(tick.x, layout.axisY - 3), QPointF(tick.x, layout.axisY + 3));
        if (!tick.numbered)
            continue;
        painter.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), 1, Qt::DotLine));
        painter.drawLine(QPointF(tick.x, layout.axisY + 3), QPointF(tick.x, numbersY));
        painter.setPen(ink);
        const QString number = ReportFormat::wholeNumber(tick.period);
        const double w = textWidth(number) + 2 * Gap;
        painter.drawText(QRectF(tick.x - w / 2, numbersY, w, LineHeight), Qt::AlignCenter, number);
    }
    painter.drawText(QRectF(0, layout.height - LineHeight - Gap, layout.width, LineHeight),
                     Qt::AlignCenter, layout.axisLabel);

    for (const Arrow &arrow : layout.arrows) {
        const QColor colour = (arrow.income ? incomeColour : expenseColour).darker(140);
        const double side = arrow.up ? -1.0 : 1.0;
        const QPointF tip(arrow.x, layout.axisY + side * arrow.length);
        const double head = std::min(HeadSize, arrow.length);
        painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(arrow.x, layout.axisY), tip - QPointF(0, side * head));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({tip, tip + QPointF(-head * 0.7, -side * head),
                                       tip + QPointF(head * 0.7, -side * head)}));
        if (arrow.label.text.isEmpty())
            continue;
        painter.setPen((arrow.income ? incomeColour : expenseColour).darker(300));
        const double w = textWidth(arrow.label.text) + Gap;
        painter.save();
        painter.translate(arrow.label.x, arrow.label.y);
        if (arrow.label.vertical)
            painter.rotate(-90);
        painter.drawText(QRectF(-w / 2, -LineHeight / 2, w, LineHeight), Qt::AlignCenter,
                         arrow.label.text);
        painter.restore();
    }
    return image;
}
