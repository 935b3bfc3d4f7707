#include "cashflowreport.h"

#include "cashflowdiagram.h"
#include "cashflowschedule.h"
#include "reportformat.h"
#include "reportnotice.h"

#include <algorithm>
#include <numeric>

namespace {

QString headerCell(const QString &text)
{
    return QStringLiteral("<th><p align=\"center\"><span style=\"font-weight:600;\">%1</th>")
        .arg(text);
}

QString flowCell(const QString &text)
{
    return QStringLiteral("<td><p align=\"center\"><span style=\"font-weight:600;\">%1</td>")
        .arg(text);
}

QString totalCell(const QString &text)
{
    return QStringLiteral("<td><p align=\"center\"><span style=\"font-weight:bold;\">%1</td>")
        .arg(text);
}

const QString rowEnd = QStringLiteral("</tr>");

} // namespace

long long CashFlowReport::cellsOf(const AlternativeFigures &alternative, int shownHorizon)
{
    if (shownHorizon < 0)
        return 0;
    const long long rows = alternative.income.size() + alternative.expenses.size() + 2LL;
    return rows * (static_cast<long long>(shownHorizon) + 1);
}

QVector<int> CashFlowReport::shownHorizons(const QVector<AlternativeFigures> &alternatives,
                                           long long mostCells)
{
    // Smallest tables first: each takes what it needs up to an even share
    // of the cells left, so what a short table leaves goes to the longer ones.
    QVector<int> order(alternatives.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&alternatives](int a, int b) {
        return cellsOf(alternatives.at(a), alternatives.at(a).horizon)
            < cellsOf(alternatives.at(b), alternatives.at(b).horizon);
    });
    QVector<int> shown(alternatives.size());
    long long left = mostCells;
    long long tables = alternatives.size();
    for (const int index : qAsConst(order)) {
        const AlternativeFigures &alternative = alternatives.at(index);
        const long long rows = cellsOf(alternative, 0);
        const long long share = std::max(left, 0LL) / tables--;
        const long long columns = std::max(1LL, share / std::max(rows, 1LL));
        shown[index] = alternative.horizon < columns
            ? alternative.horizon
            : static_cast<int>(columns - 1);
        left -= cellsOf(alternative, shown.at(index));
    }
    return shown;
}

QString CashFlowReport::diagramName(int index)
{
    return QStringLiteral("quintavo:diagram/%1").arg(index);
}

ReportDocument CashFlowReport::document(const ProjectFigures &project, int pictureWidth,
                                        long long mostCells)
{
    ReportDocument document;
    document.html = documentStart() + ReportNotice::unreadCells(project.unread);
    const QVector<int> shown = shownHorizons(project.alternatives, mostCells);
    for (int index = 0; index < project.alternatives.size(); ++index) {
        Totals totals;
        const QString alternativeTable = table(project.alternatives.at(index), shown.at(index), &totals);
        const QImage diagram = CashFlowDiagram::render(
            CashFlowDiagram::layout(totals.income, totals.expenses, pictureWidth));
        document.images.append({diagramName(index), diagram});
        document.html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                             .arg(diagramName(index))
                             .arg(diagram.width())
                             .arg(diagram.height())
            + alternativeTable;
    }
    document.html += documentEnd();
    return document;
}

QString CashFlowReport::table(const AlternativeFigures &alternative)
{
    return table(alternative, shownHorizons({alternative}).constFirst());
}

QString CashFlowReport::table(const AlternativeFigures &alternative, int shownHorizon,
                              Totals *totals)
{
    const int horizon = std::min(shownHorizon, alternative.horizon);
    QString table = tableStart() + titleRow(alternative.name, horizon);
    if (horizon < alternative.horizon)
        table += tooLongNotice(alternative.horizon, horizon);
    table += headerRow(horizon);

    // Each flow's amounts, kept apart by section for the net flow.
    const auto section = [&table, horizon](const QVector<AlternativeFigures::Flow> &flows,
                                           QVector<double> *sums) {
        QList<QList<double>> amounts;
        for (const AlternativeFigures::Flow &flow : flows) {
            const CashFlowSchedule schedule(flow.figures, horizon);
            amounts << schedule.amounts();
            table += flowRow(flow.name, amounts.constLast(), schedule.firstPaying(),
                             schedule.endPaying());
        }
        if (sums) {
            sums->fill(0.0, horizon < 0 ? 0 : horizon + 1);
            for (const QList<double> &flowAmounts : qAsConst(amounts)) {
                for (int period = 0; period < flowAmounts.size() && period < sums->size(); ++period)
                    (*sums)[period] += flowAmounts.at(period);
            }
        }
        return amounts;
    };
    table += incomeSectionRow(horizon);
    const QList<QList<double>> income = section(alternative.income, totals ? &totals->income : nullptr);
    table += expenseSectionRow(horizon);
    const QList<QList<double>> expenses =
        section(alternative.expenses, totals ? &totals->expenses : nullptr);
    table += totalRow(netFlow(income, expenses, horizon));
    return table + tableEnd();
}

QString CashFlowReport::documentStart()
{
    return QStringLiteral("<html><head/><body>");
}

QString CashFlowReport::documentEnd()
{
    return QStringLiteral("</body></html>");
}

QString CashFlowReport::tableStart()
{
    return QStringLiteral("<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; "
                          "margin-left:0px; margin-right:0px;\" cellspacing=\"0\" "
                          "cellpadding=\"5\">");
}

QString CashFlowReport::tableEnd()
{
    return QStringLiteral("</table>");
}

QString CashFlowReport::bandRow(const char *colour, long long columns, const QString &text)
{
    // One multi-argument call: a name holding %1, %2 or %3 stays as typed.
    return QStringLiteral("<tr style=\"background-color:%1\"><th colspan=%2>%3</th></tr>")
        .arg(QLatin1String(colour), ReportFormat::wholeNumber(columns), text);
}

QString CashFlowReport::titleRow(const QString &alternative, int horizon)
{
    // The concept column and N + 1 periods; N may be INT_MAX.
    return bandRow("#B89AFE", static_cast<long long>(horizon) + 2,
                   ReportFormat::name(alternative));
}

QString CashFlowReport::incomeSectionRow(int horizon)
{
    return bandRow("#86BCFF", static_cast<long long>(horizon) + 2, tr("Ingresos"));
}

QString CashFlowReport::expenseSectionRow(int horizon)
{
    return bandRow("#FF8A8A", static_cast<long long>(horizon) + 2, tr("Egresos"));
}

QString CashFlowReport::headerRow(int horizon)
{
    QString row = QStringLiteral("<tr style=\"background-color:#CCCCCC\">");
    row += headerCell(tr("Concepto"));
    for (long long period = 0; period <= horizon; ++period)
        row += headerCell(ReportFormat::wholeNumber(period));
    return row + rowEnd;
}

QString CashFlowReport::flowRow(const QString &flow, const QList<double> &amounts,
                                long long firstPaying, long long endPaying)
{
    QString row = QStringLiteral("<tr>");
    row += flowCell(ReportFormat::name(flow));
    for (int period = 0; period < amounts.size(); ++period) {
        const bool pays = period >= firstPaying && period < endPaying;
        row += flowCell(pays ? ReportFormat::amount(amounts.at(period))
                             : ReportFormat::wholeNumber(0));
    }
    return row + rowEnd;
}

QList<double> CashFlowReport::netFlow(const QList<QList<double>> &income,
                                      const QList<QList<double>> &expenses, int horizon)
{
    QList<double> totals;
    for (long long period = 0; period <= horizon; ++period) {
        const int p = static_cast<int>(period);
        double total = 0.0;
        for (const QList<double> &amounts : income)
            total += amounts.value(p, 0.0);
        for (const QList<double> &amounts : expenses)
            total -= amounts.value(p, 0.0);
        totals << total;
    }
    return totals;
}

QString CashFlowReport::totalRow(const QList<double> &totals)
{
    QString row = QStringLiteral("<tr style=\"background-color:#6CA870\"><td><span "
                                 "style=\"font-weight:bold;\">%1</span></td>")
                      .arg(tr("Total"));
    for (const double total : totals)
        row += totalCell(ReportFormat::amount(total));
    return row + rowEnd;
}

QString CashFlowReport::tooLongNotice(int horizon, int shownHorizon)
{
    const QString sentence =
        tr("El horizonte de %1 períodos es demasiado largo para mostrarlo entero; "
           "se muestran los períodos 0 a %2 de %1.")
            .arg(ReportFormat::wholeNumber(horizon), ReportFormat::wholeNumber(shownHorizon));
    return QStringLiteral("<tr><td colspan=%1>%2</td></tr>")
        .arg(ReportFormat::wholeNumber(static_cast<long long>(shownHorizon) + 2), sentence);
}
