#ifndef CELLCOMMAND_H
#define CELLCOMMAND_H

#include "nodeplace.h"

#include <QString>
#include <QUndoCommand>

class ProjectWindow;

// A committed cell edit: row `row` of the table of the node at `place` went
// from `before` to `after`. Made once the edit is done, so that its first
// redo() finds the cell already holding `after`.
class CellCommand : public QUndoCommand
{
public:
    CellCommand(ProjectWindow *window, const NodePlace &place, int row, const QString &before,
                const QString &after, const QString &text);

    void undo() override;
    void redo() override;

private:
    ProjectWindow *window;
    NodePlace place;
    int row;
    QString before;
    QString after;
};

#endif // CELLCOMMAND_H
