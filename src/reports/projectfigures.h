#ifndef PROJECTFIGURES_H
#define PROJECTFIGURES_H

#include "alternativefigures.h"
#include "replacementfigures.h"

#include <QString>
#include <QVector>

// Every alternative of a project, in tree order, and the cells whose text
// could not be read or that are empty, and counted as 0.
struct ProjectFigures {
    struct UnreadCell {
        QString text;  // as typed; empty for an empty cell
        QString row;   // the row's label, "Interés de Oportunidad"
        QString node;  // the alternative's or the flow's name
    };

    QVector<AlternativeFigures> alternatives;
    QVector<UnreadCell> unread;
    QVector<ReplacementFigures> replacements = {};
};

#endif // PROJECTFIGURES_H
