#include "comparisonreport.h"

#include "reportformat.h"

void ComparisonReport::addAlternative(const QString &name, double incomeValue, double expenseValue)
{
    names << name;
    vpi << incomeValue;
    vpe << expenseValue;
    vpn << incomeValue - expenseValue;
}

QString ComparisonReport::document() const
{
    const QString valueCell = QStringLiteral("<td><p align=\"center\">%1</td>");
    const auto valueRow = [&valueCell](const QString &start, const QList<double> &values) {
        QString row = start;
        for (const double value : values)
            row += valueCell.arg(ReportFormat::amount(value));
        return row + QStringLiteral("</tr>");
    };

    QString html = QStringLiteral(
        "<html><head/><body>"
        "<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; "
        "margin-right:0px;\" cellspacing=\"0\" cellpadding=\"5\">"
        "<tr style=\"background-color:#B89AFE\"><th></th>");
    for (const QString &name : names) {
        html += QStringLiteral("<th><p align=\"center\"><span style=\"font-weight:600;\">%1</span></th>")
                    .arg(ReportFormat::name(name));
    }
    html += QStringLiteral("</tr>");
    html += valueRow(QStringLiteral("<tr style=\"background-color:#86BCFF\"><td>VPI</td>"), vpi);
    html += valueRow(QStringLiteral("<tr style=\"background-color:#FF8A8A\"><td>VPE</td>"), vpe);
    html += valueRow(QStringLiteral("<tr style=\"background-color:#6CA870\"><td>VPN</td>"), vpn);
    html += QStringLiteral("</table></body></html>");
    return html;
}
