#include "projecttree.h"

#include "flowitem.h"
#include "itemtypes.h"
#include "projectdocument.h"
#include "projectitem.h"
#include "replacementitem.h"

#include <QSignalBlocker>
#include <QTreeWidget>

ProjectTree::ProjectTree(QTreeWidget *tree, ProjectDocument *document, QObject *parent)
    : QObject(parent)
    , m_tree(tree)
    , document(document)
{
    connect(document, &ProjectDocument::projectReset, this, &ProjectTree::rebuild);
    connect(document, &ProjectDocument::alternativeInserted, this, &ProjectTree::addAlternative);
    connect(document, &ProjectDocument::flowInserted, this, &ProjectTree::addFlow);
    connect(document, &ProjectDocument::replacementInserted, this, &ProjectTree::addReplacement);
    connect(document, &ProjectDocument::removed, this, &ProjectTree::removeNode);
    connect(document, &ProjectDocument::cellChanged, this,
            [this](const NodePlace &place, int) { updateNode(place); });
    rebuild();
}

ProjectTree::~ProjectTree() = default;

NodePlace ProjectTree::placeOf(const QTreeWidgetItem *node) const
{
    NodePlace place;
    if (!node)
        return place;
    if (node->type() == ProjectItemType) {
        place.alternative = m_tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(node));
        return place;
    }
    if (node->type() == ReplacementItemType || node->type() == AssetItemType) {
        const QTreeWidgetItem *top = node->parent() ? node->parent() : node;
        const int index = m_tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(top));
        return index < 0 ? place
                         : NodePlace::ofReplacement(index - document->alternativeCount(),
                                                    node == top ? -1 : top->indexOfChild(
                                                        const_cast<QTreeWidgetItem *>(node)));
    }
    const QTreeWidgetItem *group = node->parent();
    if (node->type() != FlowItemType || !group || !group->parent())
        return place;
    place.alternative = m_tree->indexOfTopLevelItem(group->parent());
    place.group = group->type() == IncomeGroupType ? 0 : 1;
    place.flow = group->indexOfChild(const_cast<QTreeWidgetItem *>(node));
    return place;
}

ProjectItem *ProjectTree::alternativeAt(int index) const
{
    QTreeWidgetItem *node = m_tree->topLevelItem(index);
    return node && node->type() == ProjectItemType ? static_cast<ProjectItem *>(node) : nullptr;
}

QTreeWidgetItem *ProjectTree::nodeAt(const NodePlace &place) const
{
    if (!place.isValid() || place.group > 1)
        return nullptr;
    if (place.isReplacement()) {
        QTreeWidgetItem *top = m_tree->topLevelItem(document->alternativeCount() + place.replacement);
        if (!top || top->type() != ReplacementItemType)
            return nullptr;
        return place.asset < 0 ? top : top->child(place.asset);
    }
    ProjectItem *alternative = alternativeAt(place.alternative);
    if (!place.isFlow() || !alternative)
        return alternative;
    return alternative->group(place.group)->child(place.flow);
}

void ProjectTree::rebuild()
{
    {
        const QSignalBlocker quiet(m_tree);
        m_tree->clear();
    }
    QList<QTreeWidgetItem *> alternatives;
    for (int a = 0; a < document->alternativeCount(); ++a) {
        auto *alternative = new ProjectItem(ProjectItemType);
        alternative->show(document->alternative(a));
        for (int g = 0; g < 2; ++g) {
            const QVector<FlowSnapshot> &flows = *document->flows(a, g);
            for (const FlowSnapshot &flow : flows) {
                auto *node = new FlowItem(FlowItemType);
                node->show(flow, g == 1);
                alternative->group(g)->addChild(node);
            }
        }
        alternatives.append(alternative);
    }
    for (int r = 0; r < document->replacementCount(); ++r) {
        auto *analysis = new ReplacementItem;
        analysis->show(document->replacement(r));
        alternatives.append(analysis);
    }
    m_tree->addTopLevelItems(alternatives);
    for (QTreeWidgetItem *alternative : alternatives)
        alternative->type() == ProjectItemType ? static_cast<ProjectItem *>(alternative)->expand()
                                               : alternative->setExpanded(true);
}

void ProjectTree::addReplacement(int index)
{
    auto *analysis = new ReplacementItem;
    m_tree->insertTopLevelItem(document->alternativeCount() + index, analysis);
    analysis->setExpanded(true);
    analysis->show(document->replacement(index));
}

void ProjectTree::addAlternative(int index)
{
    auto *alternative = new ProjectItem(ProjectItemType);
    m_tree->insertTopLevelItem(index, alternative);
    alternative->expand();
    alternative->show(document->alternative(index));
    for (int g = 0; g < 2; ++g) {
        for (int f = 0; f < document->flows(index, g)->size(); ++f)
            addFlow({index, g, f});
    }
}

void ProjectTree::addFlow(const NodePlace &place)
{
    ProjectItem *alternative = alternativeAt(place.alternative);
    const FlowSnapshot *flow = document->flow(place);
    if (!alternative || !flow)
        return;
    auto *node = new FlowItem(FlowItemType);
    alternative->group(place.group)->insertChild(place.flow, node);
    node->show(*flow, place.group == 1);
}

void ProjectTree::removeNode(const NodePlace &place)
{
    QTreeWidgetItem *node = nodeAt(place);
    if (!node)
        return;
    // The current node, or one under it, goes: the next one becomes current.
    QTreeWidgetItem *current = m_tree->currentItem();
    while (current && current != node)
        current = current->parent();
    QTreeWidgetItem *next = nullptr;
    if (current) {
        QTreeWidgetItem *holder = node->parent();
        const int index = holder ? holder->indexOfChild(node) : m_tree->indexOfTopLevelItem(node);
        const int count = holder ? holder->childCount() : m_tree->topLevelItemCount();
        const int other = index + 1 < count ? index + 1 : index - 1;
        next = other < 0 ? nullptr : holder ? holder->child(other) : m_tree->topLevelItem(other);
        if (!next && holder)
            next = holder->parent();
    }
    emit nodeRemoving(node);
    {
        // The tree would choose a current node of its own while the node goes.
        const QSignalBlocker quiet(m_tree);
        delete node;
    }
    if (current)
        m_tree->setCurrentItem(next);
    emit nodeRemoved();
}

void ProjectTree::updateNode(const NodePlace &place)
{
    QTreeWidgetItem *node = nodeAt(place);
    if (!node)
        return;
    if (place.isReplacement())
        static_cast<ReplacementItem *>(node->parent() ? node->parent() : node)
            ->show(document->replacement(place.replacement));
    else if (const FlowSnapshot *flow = document->flow(place))
        static_cast<FlowItem *>(node)->show(*flow, place.group == 1);
    else if (!place.isFlow())
        static_cast<ProjectItem *>(node)->show(document->alternative(place.alternative));
}
