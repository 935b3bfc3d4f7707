#include "nodecommand.h"

#include "projectdocument.h"

NodeCommand::NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                         const AlternativeSnapshot &alternative, const QString &text)
    : QUndoCommand(text)
    , document(document)
    , action(action)
    , place(place)
    , alternative(alternative)
{
    this->place.group = -1;
}

NodeCommand::NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                         const FlowSnapshot &flow, const QString &text)
    : QUndoCommand(text)
    , document(document)
    , action(action)
    , place(place)
    , flow(flow)
{
}

NodeCommand::NodeCommand(ProjectDocument *document, Action action, const NodePlace &place,
                         const ReplacementSnapshot &analysis, const QString &text)
    : QUndoCommand(text)
    , document(document)
    , action(action)
    , place(NodePlace::ofReplacement(place.replacement))
    , analysis(analysis)
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
    // The place the node went to: one beyond the last goes last.
    if (place.isReplacement())
        place.replacement = document->insertReplacement(place.replacement, analysis);
    else if (place.isFlow())
        place = document->insertFlow(place, flow);
    else
        place.alternative = document->insertAlternative(place.alternative, alternative);
}

void NodeCommand::take()
{
    document->remove(place);
}
