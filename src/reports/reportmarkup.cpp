#include "reportmarkup.h"

#include "reportformat.h"

QString ReportMarkup::documentStart()
{
    return QStringLiteral("<html><head/><body>");
}

QString ReportMarkup::documentEnd()
{
    return QStringLiteral("</body></html>");
}

QString ReportMarkup::tableStart()
{
    return QStringLiteral("<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; "
                          "margin-left:0px; margin-right:0px;\" cellspacing=\"0\" "
                          "cellpadding=\"5\">");
}

QString ReportMarkup::tableEnd()
{
    return QStringLiteral("</table>");
}

QString ReportMarkup::rowStart(const char *colour)
{
    return QStringLiteral("<tr style=\"background-color:%1\">").arg(QLatin1String(colour));
}

QString ReportMarkup::figureRowStart()
{
    return QStringLiteral("<tr style=\"white-space:nowrap\">");
}

QString ReportMarkup::figureRowStart(const char *colour)
{
    return QStringLiteral("<tr style=\"background-color:%1; white-space:nowrap\">")
        .arg(QLatin1String(colour));
}

QString ReportMarkup::rowEnd()
{
    return QStringLiteral("</tr>");
}

QString ReportMarkup::bandRow(const char *colour, long long columns, const QString &text)
{
    // One multi-argument call: a name holding %1, %2 or %3 stays as typed.
    // At the left edge, where it shows however wide the table.
    return QStringLiteral("<tr style=\"background-color:%1\"><th colspan=%2 align=\"left\">%3</th></tr>")
        .arg(QLatin1String(colour), ReportFormat::wholeNumber(columns), text);
}

QString ReportMarkup::noticeRow(long long columns, const QString &text)
{
    return QStringLiteral("<tr><td colspan=%1>%2</td></tr>")
        .arg(ReportFormat::wholeNumber(columns), text);
}

QString ReportMarkup::headerCell(const QString &text)
{
    // The weight on the cell itself: a paragraph and a span inside it are
    // two more elements for Qt's HTML reader in every header cell.
    return QStringLiteral("<th align=\"center\" style=\"font-weight:600;\">%1</th>").arg(text);
}

QString ReportMarkup::cornerCell()
{
    return QStringLiteral("<th></th>");
}

QString ReportMarkup::nameHeaderCell(const QString &text)
{
    return QStringLiteral("<th align=\"center\" style=\"font-weight:600;\">%1</th>").arg(text);
}

QString ReportMarkup::flowCell(const QString &text)
{
    return QStringLiteral("<td><p align=\"center\"><span style=\"font-weight:600;\">%1</td>")
        .arg(text);
}

QString ReportMarkup::flowNameCell(const QString &text)
{
    return QStringLiteral("<td style=\"white-space:normal\"><p align=\"center\"><span "
                          "style=\"font-weight:600;\">%1</td>")
        .arg(text);
}

QString ReportMarkup::totalCell(const QString &text)
{
    return QStringLiteral("<td><p align=\"center\"><span style=\"font-weight:bold;\">%1</td>")
        .arg(text);
}

QString ReportMarkup::labelCell(const QString &text)
{
    return QStringLiteral("<td>%1</td>").arg(text);
}

QString ReportMarkup::boldLabelCell(const QString &text)
{
    return QStringLiteral("<td><span style=\"font-weight:bold;\">%1</span></td>").arg(text);
}

QString ReportMarkup::valueCell(const QString &text)
{
    // Centred by its cell rather than by a paragraph of its own: one
    // element less for Qt's HTML reader in each of the comparison's cells.
    return QStringLiteral("<td align=\"center\">%1</td>").arg(text);
}

QString ReportMarkup::paragraph(const QString &text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

QString ReportMarkup::boldParagraph(const QString &text)
{
    return QStringLiteral("<p><b>%1</b></p>").arg(text);
}

QString ReportMarkup::warningParagraph(const QString &text)
{
    return QStringLiteral("<p style=\"color:%1;\">%2</p>").arg(QLatin1String(WarningColour), text);
}

QString ReportMarkup::image(const QString &name, const QSize &size)
{
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
        .arg(name, ReportFormat::wholeNumber(size.width()), ReportFormat::wholeNumber(size.height()));
}
