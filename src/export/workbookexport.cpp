#include "workbookexport.h"

#include "alternativesheet.h"
#include "comparisonsheet.h"
#include "sheetnames.h"
#include "workbookformats.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {

// Writes the workbook to `path`; an empty string or the library's reason.
QString writeWorkbook(const WorkbookSource &source, const QString &path)
{
    lxw_workbook *workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook)
        return WorkbookExport::tr("no se pudo crear el libro");
    const WorkbookFormats formats(workbook);
    SheetNames names;
    const QString comparison = names.add(WorkbookExport::tr("Comparar"), QString());
    lxw_worksheet *comparisonSheet = workbook_add_worksheet(workbook, comparison.toUtf8().constData());

    const QVector<AlternativeFigures> &alternatives = source.project.alternatives;
    const QVector<int> shown = CashFlowTable::shownHorizons(alternatives, source.mostCells);
    QVector<AlternativeSheet::Layout> layouts;
    layouts.reserve(alternatives.size());
    lxw_error error = LXW_NO_ERROR;
    for (int a = 0; a < alternatives.size() && error == LXW_NO_ERROR; ++a) {
        const QString name =
            names.add(alternatives.at(a).name, WorkbookExport::tr("Alternativa %1").arg(a + 1));
        layouts << AlternativeSheet::write(workbook, formats, alternatives.at(a), shown.at(a), name);
        error = layouts.constLast().error;
    }
    if (error == LXW_NO_ERROR)
        error = ComparisonSheet::write(comparisonSheet, formats, source, layouts);
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
}

} // namespace

QString WorkbookExport::write(const WorkbookSource &source, const QString &fileName)
{
    // The library writes a file of its own: a temporary one, copied whole
    // into place once complete.
    QTemporaryDir scratch;
    QString reason = scratch.isValid() ? QString() : scratch.errorString();
    if (reason.isEmpty()) {
        const QString path = scratch.filePath(QStringLiteral("libro.xlsx"));
        reason = writeWorkbook(source, path);
        QFile written(path);
        if (reason.isEmpty() && !written.open(QIODevice::ReadOnly))
            reason = written.errorString();
        if (reason.isEmpty()) {
            QSaveFile file(fileName);
            if (file.open(QIODevice::WriteOnly) && file.write(written.readAll()) >= 0 && file.commit())
                return QString();
            reason = file.errorString();
        }
    }
    return tr("No se pudo escribir «%1»: %2").arg(QDir::toNativeSeparators(fileName), reason);
}
