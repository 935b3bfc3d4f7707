#ifndef PROJECTSNAPSHOT_H
#define PROJECTSNAPSHOT_H

#include "alternativesnapshot.h"
#include "replacementsnapshot.h"

#include <QVector>

// A whole project as the user typed it: its alternatives in tree order,
// then its replacement analyses.
struct ProjectSnapshot
{
    QVector<AlternativeSnapshot> alternatives;
    QVector<ReplacementSnapshot> replacements = {}; // after the alternatives in the tree

    int flowCount() const
    {
        int count = 0;
        for (const AlternativeSnapshot &alternative : alternatives)
            count += alternative.income.size() + alternative.expenses.size();
        return count;
    }

    bool operator==(const ProjectSnapshot &other) const
    {
        return alternatives == other.alternatives && replacements == other.replacements;
    }
    bool operator!=(const ProjectSnapshot &other) const { return !(*this == other); }
};

#endif // PROJECTSNAPSHOT_H
