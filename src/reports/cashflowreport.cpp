#include "cashflowreport.h"

#include "cashflowschedule.h"
#include "reportformat.h"
#include "reportnotice.h"

#include <algorithm>

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

bool CashFlowReport::showsPeriodByPeriod(int horizon)
{
    return horizon <= LongestShownHorizon;
}

int CashFlowReport::shownHorizon(int horizon)
{
    return std::min(horizon, LongestShownHorizon);
}

QString CashFlowReport::document(const ProjectFigures &project)
{
    QString document = documentStart() + ReportNotice::unreadCells(project.unread);
    for (const AlternativeFigures &alternative : project.alternatives)
        document += table(alternative);
    return document + documentEnd();
}

QString CashFlowReport::table(const AlternativeFigures &alternative)
{
    const int horizon = shownHorizon(alternative.horizon);
    QString table = tableStart() + titleRow(alternative.name, horizon);
    if (!showsPeriodByPeriod(alternative.horizon))
        table += tooLongNotice(alternative.horizon);
    table += headerRow(horizon);

    // Each flow's amounts, kept apart by section for the net flow.
    const auto section = [&table, horizon](const QVector<AlternativeFigures::Flow> &flows) {
        QList<QList<double>> amounts;
        for (const AlternativeFigures::Flow &flow : flows) {
            const CashFlowSchedule schedule(flow.figures, horizon);
            amounts << schedule.amounts();
            table += flowRow(flow.name, amounts.constLast(), schedule.firstPaying(),
                             schedule.endPaying());
        }
        return amounts;
    };
    table += incomeSectionRow(horizon);
    const QList<QList<double>> income = section(alternative.income);
    table += expenseSectionRow(horizon);
    const QList<QList<double>> expenses = section(alternative.expenses);
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

QString CashFlowReport::tooLongNotice(int horizon)
{
    const QString sentence =
        tr("El horizonte de %1 períodos es demasiado largo para mostrarlo entero; "
           "se muestran los períodos 0 a %2 de %1.")
            .arg(ReportFormat::wholeNumber(horizon),
                 ReportFormat::wholeNumber(LongestShownHorizon));
    return QStringLiteral("<tr><td colspan=%1>%2</td></tr>")
        .arg(ReportFormat::wholeNumber(static_cast<long long>(shownHorizon(horizon)) + 2),
             sentence);
}
