#ifndef LISTFILL_H
#define LISTFILL_H

#include <QObject>
#include <QPoint>

class ProjectDocument;
class ProjectTree;
class QAction;
class QTableWidget;
class TreeCommands;

// "Llenar…" in the property panel's context menu on a list cell ("Valores
// de mercado", "Costos de operación" of a replacement analysis's asset):
// asks ListFillDialog and puts the list into the cell as one undo step.
class ListFill : public QObject
{
    Q_OBJECT

public:
    ListFill(QTableWidget *table, ProjectDocument *document, ProjectTree *tree,
             TreeCommands *commands);
    ~ListFill() override;

    // Acts on the panel's current cell; greyed out unless it holds a list.
    QAction *fillAction() const { return action; }
    // Asks for the list and fills the current cell; false when it is no
    // list cell or the dialog is cancelled.
    bool fill();

private:
    bool onListCell() const;
    void showMenu(const QPoint &pos);

    QTableWidget *table;
    ProjectDocument *document;
    ProjectTree *projectTree;
    TreeCommands *commands;
    QAction *action;
};

#endif // LISTFILL_H
