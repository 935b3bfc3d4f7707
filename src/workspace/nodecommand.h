#ifndef NODECOMMAND_H
#define NODECOMMAND_H

#include "alternativesnapshot.h"
#include "flowsnapshot.h"
#include "nodeplace.h"

#include <QString>
#include <QUndoCommand>

class ProjectWindow;

// Adding, duplicating or removing an alternative or a flow, with everything
// under it. The node is kept as a snapshot of its cells, so that undoing a
// removal, or redoing an addition, builds it again at its place.
class NodeCommand : public QUndoCommand
{
public:
    enum class Action { Insert, Remove };

    // An alternative at `place` (place.group < 0).
    NodeCommand(ProjectWindow *window, Action action, const NodePlace &place,
                const AlternativeSnapshot &alternative, const QString &text);
    // A flow at `place`.
    NodeCommand(ProjectWindow *window, Action action, const NodePlace &place,
                const FlowSnapshot &flow, const QString &text);

    void undo() override;
    void redo() override;

private:
    void put();
    void take();

    ProjectWindow *window;
    Action action;
    NodePlace place;
    AlternativeSnapshot alternative;
    FlowSnapshot flow;
};

#endif // NODECOMMAND_H
