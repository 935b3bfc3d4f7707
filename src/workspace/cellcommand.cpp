#include "cellcommand.h"

#include "projectwindow.h"

CellCommand::CellCommand(ProjectWindow *window, const NodePlace &place, int row,
                         const QString &before, const QString &after, const QString &text)
    : QUndoCommand(text)
    , window(window)
    , place(place)
    , row(row)
    , before(before)
    , after(after)
{
}

void CellCommand::undo()
{
    window->setCellText(place, row, before);
}

void CellCommand::redo()
{
    window->setCellText(place, row, after);
}
