#include "reportheader.h"

#include "reportformat.h"
#include "reportmarkup.h"

QString ReportHeader::markup(const QString &projectName, const QDate &date,
                             const ProjectFigures &project)
{
    // One multi-argument call each: a name holding %1 or %2 stays as typed.
    QString html = ReportMarkup::boldParagraph(
        tr("«%1» — %2").arg(ReportFormat::name(projectName),
                            date.toString(QStringLiteral("dd/MM/yyyy"))));
    for (const AlternativeFigures &alternative : project.alternatives) {
        const QString horizon = alternative.perpetual
            ? QStringLiteral("\u221E")
            : ReportFormat::count(alternative.horizon);
        html += ReportMarkup::paragraph(tr("%1: N = %2, i = %3")
                                            .arg(ReportFormat::name(alternative.name), horizon,
                                                 ReportFormat::rate(alternative.rate)));
    }
    return html;
}
