#ifndef PROJECTREADING_H
#define PROJECTREADING_H

#include "projectfigures.h"
#include "projectsnapshot.h"

// The figures the reports read, from the project as typed: each cell read
// once as its row says (FigureReader, FlowKind), and the cells read as 0
// although something is typed in them or left empty, each with its text, its row's label
// and its node's name: an alternative's own, then its flows' in tree order.
class ProjectReading
{
public:
    static ProjectFigures figures(const ProjectSnapshot &project);
    static AlternativeFigures alternative(const AlternativeSnapshot &alternative,
                                          QVector<ProjectFigures::UnreadCell> *unread = nullptr);
};

#endif // PROJECTREADING_H
