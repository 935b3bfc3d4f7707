#ifndef CELLCOMMAND_H
#define CELLCOMMAND_H

#include "nodeplace.h"

#include <QString>
#include <QUndoCommand>

class ProjectDocument;

// A committed cell edit: row `row` of the node at `place` went from `before`
// to `after`. Made once the edit is done in the panel; its first redo()
// puts `after` into the document.
class CellCommand : public QUndoCommand
{
public:
    CellCommand(ProjectDocument *document, const NodePlace &place, int row, const QString &before,
                const QString &after, const QString &text);

    void undo() override;
    void redo() override;

private:
    ProjectDocument *document;
    NodePlace place;
    int row;
    QString before;
    QString after;
};

#endif // CELLCOMMAND_H
