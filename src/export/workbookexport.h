#ifndef WORKBOOKEXPORT_H
#define WORKBOOKEXPORT_H

#include "workbooksource.h"

#include <QCoreApplication>
#include <QString>

// The appraisal as an Excel workbook (.xlsx): the sheet "Comparar" first
// (ComparisonSheet), then one sheet per alternative (AlternativeSheet),
// named after the alternatives (SheetNames). Every figure derived from the
// payments is a formula a spreadsheet recalculates.
class WorkbookExport
{
    Q_DECLARE_TR_FUNCTIONS(WorkbookExport)

public:
    // An empty string when the file is written; otherwise a sentence that
    // names the file and the reason. An earlier file stays whole on failure.
    static QString write(const WorkbookSource &source, const QString &fileName);
};

#endif // WORKBOOKEXPORT_H
