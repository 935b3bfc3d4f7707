#ifndef GUIDRIVER_H
#define GUIDRIVER_H

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QMdiArea;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class MainWindow;
class ProjectWindow;

// Drives the real widgets of Quintavo as a user would: triggers actions,
// right-clicks tree nodes, picks menu entries, answers dialogs and types
// into property cells.
namespace GuiDriver {

// Polls for the next modal dialog from a fresh single-shot timer each time
// (a nested event loop never re-enters a running timer handler) and hands it
// to `answer`. Gives up after `timeoutMs`.
void whenModalOpens(std::function<void(QWidget *)> answer, int timeoutMs = 5000);

// Answers the next "Añadir Alternativa" text dialog with `title`, or cancels it.
void answerText(const QString &title);
void cancelNextDialog();
// Answers the next "Añadir Flujo" choice dialog with the entry `choice`.
void answerChoice(const QString &choice);

// Right-clicks at `pos` (viewport coordinates) of the tree and returns the
// texts of the menu that opens (empty when none), closing it unanswered.
QStringList contextMenuAt(QTreeWidget *tree, QPoint pos);
// Right-clicks at `pos` and picks the menu entry `entry`.
void chooseFromContextMenu(QTreeWidget *tree, QPoint pos, const QString &entry);
QPoint centreOf(QTreeWidget *tree, QTreeWidgetItem *item);
// A point below the last node, where no node is; (-1, -1) when the
// nodes fill the whole view.
QPoint emptySpot(QTreeWidget *tree);

// Clicks a node with the left button, making it the current node.
void clickNode(QTreeWidget *tree, QTreeWidgetItem *item);

// Types `text` into cell (row, 0) through the cell's editor, as a user does:
// starts editing, replaces the editor's text, presses Return.
void typeIntoCell(QTableWidget *table, int row, const QString &text);

// Clicks `node` and types `cells` into its property table from row 0 on,
// leaving the cells given as null strings untouched.
void fillCells(ProjectWindow *project, QTreeWidgetItem *node, const QStringList &cells);

// Opens one more project window through "&Nuevo" and returns it.
ProjectWindow *newProject(MainWindow *main);

// The widgets of a project window, by object name.
QTreeWidget *tree(ProjectWindow *project);
QTableWidget *panelTable(ProjectWindow *project);
QString reportHtml(ProjectWindow *project);
// The text of every cell of every table of the shown report, row by row; a
// cell that spans several columns appears once.
QList<QList<QStringList>> reportTables(ProjectWindow *project);
void click(ProjectWindow *project, const char *buttonName);

// Adds an alternative titled `title` through the tree's context menu.
void addAlternative(ProjectWindow *project, const QString &title);
// Adds a flow of the kind `choice` under `group` through the context menu;
// returns the new node.
QTreeWidgetItem *addFlow(ProjectWindow *project, QTreeWidgetItem *group, const QString &choice);

// Base of the GUI test classes: before each test function a shown main
// window with one project window, `project`; after it, neither.
class ProjectTest : public QObject
{
    Q_OBJECT

protected:
    MainWindow *main = nullptr;
    ProjectWindow *project = nullptr;

private slots:
    void init();
    void cleanup();
};

} // namespace GuiDriver

#endif // GUIDRIVER_H
