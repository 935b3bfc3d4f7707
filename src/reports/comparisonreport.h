#ifndef COMPARISONREPORT_H
#define COMPARISONREPORT_H

#include "alternativefigures.h"
#include "projectfigures.h"

#include <QString>
#include <QVector>

// The "Comparar" report: one table with a column per alternative and the
// rows VPI (present worth of income), VPE (present worth of expenses) and
// VPN (net present worth, VPI - VPE), each valued at the alternative's rate
// from its figures; above the table, the line naming unread cells, if any.
class ComparisonReport
{
public:
    void addAlternative(const AlternativeFigures &alternative);
    void setUnreadCells(const QVector<ProjectFigures::UnreadCell> &cells);
    QString document() const;

    // The report of every alternative of `project`.
    static QString document(const ProjectFigures &project);

private:
    // A row of the table: its label, colour, and the figure of one alternative.
    struct Row {
        const char *label;
        const char *colour;
        double (*figure)(const AlternativeFigures &);
    };
    static const QVector<Row> &rows();

    QVector<AlternativeFigures> alternatives;
    QVector<ProjectFigures::UnreadCell> unread;
};

#endif // COMPARISONREPORT_H
