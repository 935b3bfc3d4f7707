#ifndef NODECOMMAND_H
#define NODECOMMAND_H

#include "alternativesnapshot.h"
#include "flowsnapshot.h"
#include "nodeplace.h"
#include "replacementsnapshot.h"

#include <QString>
#include <QUndoCommand>

class ProjectDocument;

// Adding, duplicating or removing an alternative or a flow of a project
// document, with everything under it. The node is kept as a snapshot of its
// cells, so that undoing a removal, or redoing an addition, puts it back at
// its place.
class NodeCommand : public QUndoCommand
{
public:
    enum class Action { Insert, Remove };

    // An alternative at `place` (place.group < 0).
    NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                const AlternativeSnapshot &alternative, const QString &text);
    // A flow at `place`.
    NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                const FlowSnapshot &flow, const QString &text);

    // A replacement analysis at `place` (place.isReplacement()).
    NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                const ReplacementSnapshot &analysis, const QString &text);

    void undo() override;
    void redo() override;

private:
    void put();
    void take();

    ProjectDocument *document;
    Action action;
    NodePlace place;
    AlternativeSnapshot alternative;
    FlowSnapshot flow;
    ReplacementSnapshot analysis;
};

#endif // NODECOMMAND_H
