#ifndef REPORTNOTICE_H
#define REPORTNOTICE_H

#include "projectfigures.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The line above a report's tables that names the cells read as 0 although
// something was typed into them, and the empty cells that a figure needs,
// so that a figure computed from them is not taken at face value.
class ReportNotice
{
    Q_DECLARE_TR_FUNCTIONS(ReportNotice)

public:
    // Cells named one by one; the rest are only counted.
    static constexpr int MostNamed = 5;

    // A paragraph naming the cells, escaped, those typed before the empty
    // ones; empty when there are none.
    static QString unreadCells(const QVector<ProjectFigures::UnreadCell> &cells);
};

#endif // REPORTNOTICE_H
