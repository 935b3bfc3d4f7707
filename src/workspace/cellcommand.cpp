#include "cellcommand.h"

#include "projectdocument.h"

CellCommand::CellCommand(ProjectDocument *document, const NodePlace &place, int row,
                         const QString &before, const QString &after, const QString &text)
    : QUndoCommand(text)
    , document(document)
    , place(place)
    , row(row)
    , before(before)
    , after(after)
{
}

void CellCommand::undo()
{
    document->setCellText(place, row, before);
}

void CellCommand::redo()
{
    document->setCellText(place, row, after);
}
