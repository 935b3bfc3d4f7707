#include "reportnotice.h"

#include "reportformat.h"
#include "reportmarkup.h"

QString ReportNotice::unreadCells(const QVector<ProjectFigures::UnreadCell> &cells)
{
    if (cells.isEmpty())
        return QString();
    // Texts that were typed and not read come first: an empty cell is
    // more often simply not filled in yet.
    QVector<ProjectFigures::UnreadCell> ordered;
    for (const bool empty : {false, true}) {
        for (const ProjectFigures::UnreadCell &cell : cells) {
            if (cell.text.trimmed().isEmpty() == empty)
                ordered.append(cell);
        }
    }
    QStringList named;
    for (int k = 0; k < ordered.size() && k < MostNamed; ++k) {
        const ProjectFigures::UnreadCell &cell = ordered.at(k);
        // One multi-argument call: a %1 typed into a cell stays as typed.
        if (cell.text.trimmed().isEmpty()) {
            named << tr("%1 de «%2» (vacío)")
                         .arg(ReportFormat::name(cell.row), ReportFormat::name(cell.node));
            continue;
        }
        named << tr("«%1» en %2 de «%3»")
                     .arg(ReportFormat::name(ReportFormat::shortened(cell.text.trimmed())),
                          ReportFormat::name(cell.row), ReportFormat::name(cell.node));
    }
    QString line = tr("Atención: se leyeron como 0 %1").arg(named.join(QStringLiteral(", ")));
    if (cells.size() > MostNamed)
        line += tr(" y %1 más").arg(cells.size() - MostNamed);
    return ReportMarkup::warningParagraph(line + QLatin1Char('.'));
}
