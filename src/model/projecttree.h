#ifndef PROJECTTREE_H
#define PROJECTTREE_H

#include "nodeplace.h"

#include <QObject>

class ProjectDocument;
class ProjectItem;
class QTreeWidget;
class QTreeWidgetItem;

// Keeps a project tree (twProjectList) showing a project document: an
// alternative node (ProjectItem) with its groups "Ingresos" and "Egresos"
// for each alternative, a flow node (FlowItem) for each flow, each node's
// name, mark and description following every change of the document; after
// the alternatives, a node (ReplacementItem) for each replacement analysis.
//
// When the current node goes, the next one of its kind becomes current, else
// the one before, else what holds it.
class ProjectTree : public QObject
{
    Q_OBJECT

public:
    ProjectTree(QTreeWidget *tree, ProjectDocument *document, QObject *parent = nullptr);
    ~ProjectTree() override;

    QTreeWidget *tree() const { return m_tree; }

    // Nodes by place; an invalid place for a group or no node, null for a
    // place where no alternative or flow is.
    NodePlace placeOf(const QTreeWidgetItem *node) const;
    QTreeWidgetItem *nodeAt(const NodePlace &place) const;
    ProjectItem *alternativeAt(int index) const;

signals:
    // `node` (an alternative or a flow) and everything under it is about to go.
    void nodeRemoving(QTreeWidgetItem *node);
    // A node went; the tree's current node is where it will stay.
    void nodeRemoved();

private:
    void rebuild();
    void addAlternative(int index);
    void addReplacement(int index);
    void addFlow(const NodePlace &place);
    void removeNode(const NodePlace &place);
    void updateNode(const NodePlace &place);

    QTreeWidget *m_tree;
    ProjectDocument *document;
};

#endif // PROJECTTREE_H
