#ifndef REPORTHEADER_H
#define REPORTHEADER_H

#include "projectfigures.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

// The lines an exported or printed report begins with, so that a page read
// apart from the program says what it is: the project's name (its file's
// name), the date, and each alternative's horizon and rate.
class ReportHeader
{
    Q_DECLARE_TR_FUNCTIONS(ReportHeader)

public:
    // "Planta: N = 5, i = 0.1" for each alternative, under "«p» — 08/12/2026".
    static QString markup(const QString &projectName, const QDate &date,
                          const ProjectFigures &project);
};

#endif // REPORTHEADER_H
