#include "comparisonreport.h"

#include "reportformat.h"
#include "reportnotice.h"

namespace {

double incomeWorth(const AlternativeFigures &a)
{
    return flowsWorth(AlternativeFigures::figuresOf(a.income), a.rate);
}

double expenseWorth(const AlternativeFigures &a)
{
    return flowsWorth(AlternativeFigures::figuresOf(a.expenses), a.rate);
}

double netWorth(const AlternativeFigures &a)
{
    return incomeWorth(a) - expenseWorth(a);
}

} // namespace

const QVector<ComparisonReport::Row> &ComparisonReport::rows()
{
    static const QVector<Row> all = {
        {"VPI", "#86BCFF", incomeWorth},
        {"VPE", "#FF8A8A", expenseWorth},
        {"VPN", "#6CA870", netWorth},
    };
    return all;
}

void ComparisonReport::addAlternative(const AlternativeFigures &alternative)
{
    alternatives << alternative;
}

void ComparisonReport::setUnreadCells(const QVector<ProjectFigures::UnreadCell> &cells)
{
    unread = cells;
}

QString ComparisonReport::document(const ProjectFigures &project)
{
    ComparisonReport report;
    for (const AlternativeFigures &alternative : project.alternatives)
        report.addAlternative(alternative);
    report.setUnreadCells(project.unread);
    return report.document();
}

QString ComparisonReport::document() const
{
    QString html = QStringLiteral("<html><head/><body>") + ReportNotice::unreadCells(unread)
        + QStringLiteral(
              "<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; "
              "margin-right:0px;\" cellspacing=\"0\" cellpadding=\"5\">"
              "<tr style=\"background-color:#B89AFE\"><th></th>");
    for (const AlternativeFigures &alternative : alternatives) {
        html += QStringLiteral(
                    "<th><p align=\"center\"><span style=\"font-weight:600;\">%1</span></th>")
                    .arg(ReportFormat::name(alternative.name));
    }
    html += QStringLiteral("</tr>");
    for (const Row &row : rows()) {
        html += QStringLiteral("<tr style=\"background-color:%1\"><td>%2</td>")
                    .arg(QLatin1String(row.colour), QLatin1String(row.label));
        for (const AlternativeFigures &alternative : alternatives) {
            html += QStringLiteral("<td><p align=\"center\">%1</td>")
                        .arg(ReportFormat::amount(row.figure(alternative)));
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}
