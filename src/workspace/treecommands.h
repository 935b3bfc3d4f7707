#ifndef TREECOMMANDS_H
#define TREECOMMANDS_H

#include "cashflow.h"
#include "nodeplace.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class ProjectDocument;
class ProjectTree;
class PropertyPanel;
class QAction;
class QTreeWidgetItem;
class QUndoStack;
class QWidget;

// The commands of a project tree: its context menu ("Añadir Alternativa",
// "Añadir Ingreso"/"Añadir Egreso", "Duplicar alternativa", "Eliminar",
// also Supr), the dialogs they ask, and the undo steps they make on the
// project document; a cell edit committed in the panel is a step too.
class TreeCommands : public QObject
{
    Q_OBJECT

public:
    TreeCommands(QWidget *window, ProjectDocument *document, ProjectTree *tree,
                 PropertyPanel *panel, QUndoStack *steps);
    ~TreeCommands() override;

    // The commands the context menu offers on `node`, or on empty space
    // when `node` is null; the flow command is named after the group.
    // Chosen from the menu they act on its node; triggered otherwise, on
    // the current node.
    QList<QAction *> contextActions(QTreeWidgetItem *node);
    // Opens the context menu at `pos` of the tree's viewport.
    void showMenu(const QPoint &pos);

    // What the commands do once the user has answered their dialogs; each
    // is one step of the undo stack.
    // Appends an alternative titled `title`; null for an empty title.
    QTreeWidgetItem *addAlternative(const QString &title);
    // Appends a flow of `kind` named "Pago" to the group "Ingresos" or
    // "Egresos" `group`; null when `group` is no group.
    QTreeWidgetItem *addFlow(QTreeWidgetItem *group, CashFlow::Kind kind);
    // "Añadir análisis de reemplazo": appends "Reemplazo N" after the last
    // analysis, with its "Defensor" and "Retador"; it becomes current.
    QTreeWidgetItem *addReplacement();
    // The command above, for a menu of the window.
    QAction *replacementCommand() const { return replacementAction; }
    // "Eliminar": removes the alternative, flow or replacement analysis
    // `node` with everything under it; false for any other node.
    bool removeNode(QTreeWidgetItem *node);
    // "Duplicar alternativa": a copy of the alternative `node` with its flows
    // and every cell, named with " (copia)" appended, right after it; it
    // becomes the current node. Null when `node` is no alternative.
    QTreeWidgetItem *duplicateAlternative(QTreeWidgetItem *node);
    // Row `row` of the node at `place` was edited from `before` to `after`.
    void commitCell(const NodePlace &place, int row, const QString &before, const QString &after);

    // The commands with their dialogs, as the menus of the main window call
    // them: the title of a new alternative; the kind of a new flow of the
    // group `group` (0 "Ingresos", 1 "Egresos") of the alternative that holds
    // `node`, or is `node`.
    void askAlternative();
    void askFlowUnder(QTreeWidgetItem *node, int group);
    // The group `group` of the alternative that holds `node`, or is
    // `node`; null when `node` is in no alternative.
    static QTreeWidgetItem *groupOf(QTreeWidgetItem *node, int group);

private:
    void askFlow();
    void askFlowIn(QTreeWidgetItem *group);
    void makeCurrent(QTreeWidgetItem *node);
    // The node the context menu was opened on, or else the current node.
    QTreeWidgetItem *targetNode() const;

    QWidget *window;
    ProjectDocument *document;
    ProjectTree *projectTree;
    PropertyPanel *panel;
    QUndoStack *steps;
    QAction *flowAction;
    QAction *alternativeAction;
    QAction *removeAction;
    QAction *duplicateAction;
    QAction *replacementAction;
    // The node on which the context menu was opened; a new flow goes there.
    QTreeWidgetItem *menuNode = nullptr;
};

#endif // TREECOMMANDS_H
