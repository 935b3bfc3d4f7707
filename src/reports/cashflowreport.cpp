#include "cashflowreport.h"

#include "reportformat.h"

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

QString CashFlowReport::totalRow(const QList<QList<double>> &flows, int horizon)
{
    QString row = QStringLiteral("<tr style=\"background-color:#6CA870\"><td><span "
                                 "style=\"font-weight:bold;\">%1</span></td>")
                      .arg(tr("Total"));
    for (long long period = 0; period <= horizon; ++period) {
        double total = 0.0;
        for (const QList<double> &amounts : flows) {
            if (period < amounts.size())
                total += amounts.at(static_cast<int>(period));
        }
        row += totalCell(ReportFormat::amount(total));
    }
    return row + rowEnd;
}

QString CashFlowReport::tooLongNotice(const QString &alternative, int horizon)
{
    const QString sentence =
        tr("El horizonte de %1 períodos es demasiado largo para mostrarlo período a período; "
           "se muestran hasta %2 períodos.")
            .arg(ReportFormat::wholeNumber(horizon),
                 ReportFormat::wholeNumber(LongestShownHorizon));
    return bandRow("#B89AFE", 2, ReportFormat::name(alternative))
        + QStringLiteral("<tr><td colspan=2>%1</td></tr>").arg(sentence);
}
