#include "nodecommand.h"

#include "projectwindow.h"

NodeCommand::NodeCommand(ProjectWindow *window, Action action, const NodePlace &place,
                         const AlternativeSnapshot &alternative, const QString &text)
    : QUndoCommand(text)
    , window(window)
    , action(action)
    , place(place)
    , alternative(alternative)
{
    this->place.group = -1;
}

NodeCommand::NodeCommand(ProjectWindow *window, Action action, const NodePlace &place,
                         const FlowSnapshot &flow, const QString &text)
    : QUndoCommand(text)
    , window(window)
    , action(action)
    , place(place)
    , flow(flow)
{
}

void NodeCommand::undo()
{
    if (action == Action::Insert)
        take();
    else
        put();
}

void NodeCommand::redo()
{
    if (action == Action::Insert)
        put();
    else
        take();
}

void NodeCommand::put()
{
    if (place.isFlow())
        window->insertFlow(place, flow);
    else
        window->insertAlternative(place.alternative, alternative);
}

void NodeCommand::take()
{
    window->removeAt(place);
}
