#include "treecommands.h"

#include "cellcommand.h"
#include "dialogs.h"
#include "flowitem.h"
#include "flowkind.h"
#include "itemtypes.h"
#include "nodecommand.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "propertypanel.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUndoStack>

TreeCommands::TreeCommands(QWidget *window, ProjectDocument *document, ProjectTree *tree,
                           PropertyPanel *panel, QUndoStack *steps)
    : QObject(window)
    , window(window)
    , document(document)
    , projectTree(tree)
    , panel(panel)
    , steps(steps)
{
    QTreeWidget *view = tree->tree();
    flowAction = new QAction(tr("Añadir Flujo"), view);
    alternativeAction = new QAction(tr("Añadir Alternativa"), view);
    removeAction = new QAction(tr("Eliminar"), view);
    duplicateAction = new QAction(tr("Duplicar alternativa"), view);
    replacementAction = new QAction(tr("Añadir análisis de reemplazo"), view);
    connect(replacementAction, &QAction::triggered, this, [this]() { addReplacement(); });
    connect(flowAction, &QAction::triggered, this, &TreeCommands::askFlow);
    connect(alternativeAction, &QAction::triggered, this, &TreeCommands::askAlternative);
    connect(removeAction, &QAction::triggered, this, [this]() { removeNode(targetNode()); });
    connect(duplicateAction, &QAction::triggered, this,
            [this]() { duplicateAlternative(targetNode()); });
    // Supr on the tree removes the current node.
    removeAction->setShortcut(QKeySequence::Delete);
    removeAction->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(removeAction);
}

TreeCommands::~TreeCommands() = default;

void TreeCommands::showMenu(const QPoint &pos)
{
    QTreeWidget *view = projectTree->tree();
    QTreeWidgetItem *node = view->itemAt(pos);
    const QList<QAction *> actions = contextActions(node);
    menuNode = node;
    if (!actions.isEmpty())
        QMenu::exec(actions, view->viewport()->mapToGlobal(pos), nullptr, nullptr);
    menuNode = nullptr;
}

QTreeWidgetItem *TreeCommands::targetNode() const
{
    // Without a menu (an action triggered otherwise) the current node.
    return menuNode ? menuNode : projectTree->tree()->currentItem();
}

QList<QAction *> TreeCommands::contextActions(QTreeWidgetItem *node)
{
    switch (node ? node->type() : ProjectItemType) {
    case IncomeGroupType:
        flowAction->setText(tr("Añadir Ingreso"));
        return {flowAction};
    case ExpenseGroupType:
        flowAction->setText(tr("Añadir Egreso"));
        return {flowAction};
    case ProjectItemType:
        if (!node)
            return {alternativeAction, replacementAction};
        duplicateAction->setText(tr("Duplicar alternativa"));
        return {alternativeAction, duplicateAction, removeAction};
    case ReplacementItemType:
        duplicateAction->setText(tr("Duplicar análisis"));
        return {replacementAction, duplicateAction, removeAction};
    case FlowItemType:
        return {removeAction};
    default:
        return {};
    }
}

void TreeCommands::askFlow()
{
    askFlowIn(targetNode());
}

QTreeWidgetItem *TreeCommands::groupOf(QTreeWidgetItem *node, int group)
{
    while (node && node->type() != ProjectItemType)
        node = node->parent();
    return node && group >= 0 && group < node->childCount() ? node->child(group) : nullptr;
}

void TreeCommands::askFlowUnder(QTreeWidgetItem *node, int group)
{
    askFlowIn(groupOf(node, group));
}

void TreeCommands::askFlowIn(QTreeWidgetItem *group)
{
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return;
    CashFlow::Kind kind = CashFlow::Uniform;
    if (Dialogs::instance()->flowKind(window, group->type() == ExpenseGroupType, &kind))
        addFlow(group, kind);
}

void TreeCommands::askAlternative()
{
    addAlternative(Dialogs::instance()->alternativeTitle(window));
}

QTreeWidgetItem *TreeCommands::addAlternative(const QString &title)
{
    if (title.isEmpty())
        return nullptr;
    const int index = document->alternativeCount();
    AlternativeSnapshot alternative;
    alternative.name = title;
    steps->push(new NodeCommand(document, NodeCommand::Action::Insert, {index, -1, -1},
                                alternative, tr("Añadir «%1»").arg(title)));
    QTreeWidgetItem *added = projectTree->nodeAt({index, -1, -1});
    makeCurrent(added);
    return added;
}

QTreeWidgetItem *TreeCommands::addFlow(QTreeWidgetItem *group, CashFlow::Kind kind)
{
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return nullptr;
    NodePlace place = projectTree->placeOf(group->parent());
    if (!place.isValid())
        return nullptr;
    place.group = group->type() == IncomeGroupType ? 0 : 1;
    place.flow = group->childCount();
    const FlowSnapshot flow = FlowKind::of(kind).blank(FlowItem::defaultName());
    const QString text = place.group == 0 ? tr("Añadir ingreso a «%1»")
                                          : tr("Añadir egreso a «%1»");
    steps->push(new NodeCommand(document, NodeCommand::Action::Insert, place, flow,
                                text.arg(group->parent()->text(0))));
    QTreeWidgetItem *added = projectTree->nodeAt(place);
    makeCurrent(added);
    return added;
}

void TreeCommands::makeCurrent(QTreeWidgetItem *node)
{
    // A new node becomes the current one, so that the highlighted node is
    // the one the panel shows, its first figure ready to be typed.
    if (!node)
        return;
    projectTree->tree()->setCurrentItem(node);
    panel->show(node);
    panel->table()->setCurrentCell(1, 0);
}

QTreeWidgetItem *TreeCommands::addReplacement()
{
    const NodePlace place = NodePlace::ofReplacement(document->replacementCount());
    ReplacementSnapshot analysis;
    analysis.name = tr("Reemplazo %1").arg(place.replacement + 1);
    steps->push(new NodeCommand(document, NodeCommand::Action::Insert, place, analysis,
                                tr("Añadir «%1»").arg(analysis.name)));
    QTreeWidgetItem *added = projectTree->nodeAt(place);
    projectTree->tree()->setCurrentItem(added);
    panel->show(added);
    return added;
}

bool TreeCommands::removeNode(QTreeWidgetItem *node)
{
    const NodePlace place = projectTree->placeOf(node);
    if (!document->contains(place))
        return false;
    const QString text = tr("Eliminar «%1»").arg(node->text(0));
    if (place.isReplacement()) {
        if (place.asset >= 0)
            return false;
        steps->push(new NodeCommand(document, NodeCommand::Action::Remove, place,
                                    document->replacement(place.replacement), text));
    } else if (place.isFlow()) {
        steps->push(new NodeCommand(document, NodeCommand::Action::Remove, place,
                                    *document->flow(place), text));
    } else {
        steps->push(new NodeCommand(document, NodeCommand::Action::Remove, place,
                                    document->alternative(place.alternative), text));
    }
    return true;
}

QTreeWidgetItem *TreeCommands::duplicateAlternative(QTreeWidgetItem *node)
{
    NodePlace place = projectTree->placeOf(node);
    if (place.isReplacement() && place.asset < 0 && document->contains(place)) {
        const ReplacementSnapshot copy = document->copyOfReplacement(place.replacement);
        ++place.replacement;
        steps->push(new NodeCommand(document, NodeCommand::Action::Insert, place, copy,
                                    tr("Duplicar «%1»").arg(node->text(0))));
        QTreeWidgetItem *added = projectTree->nodeAt(place);
        projectTree->tree()->setCurrentItem(added);
        return added;
    }
    if (!document->contains(place) || place.isFlow() || place.isReplacement())
        return nullptr;
    const AlternativeSnapshot copy = document->copyOf(place.alternative);
    ++place.alternative;
    steps->push(new NodeCommand(document, NodeCommand::Action::Insert, place, copy,
                                tr("Duplicar «%1»").arg(node->text(0))));
    QTreeWidgetItem *added = projectTree->nodeAt(place);
    makeCurrent(added);
    return added;
}

void TreeCommands::commitCell(const NodePlace &place, int row, const QString &before,
                              const QString &after)
{
    if (!document->contains(place))
        return;
    const QStringList labels = document->rowLabels(place);
    const QString text = tr("Editar %1 de «%2»")
                             .arg(row < labels.size() ? labels.at(row) : QString::number(row),
                                  row == 0 ? after : document->name(place));
    steps->push(new CellCommand(document, place, row, before, after, text));
}
