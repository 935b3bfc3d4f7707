#ifndef PROPERTYPANEL_H
#define PROPERTYPANEL_H

#include "nodeplace.h"

#include <QObject>
#include <QPointer>
#include <QString>

class ProjectDocument;
class ProjectTree;
class QTableWidget;
class QTreeWidgetItem;

// The property panel: one table (the form's twProperty) that shows the
// cells of one node of the tree at a time, an alternative's or a flow's,
// with the node's row labels and flags. It follows the document's changes
// of the node shown; an edit committed in it is announced, and becomes a
// change of the document only through whoever listens (an undo step).
class PropertyPanel : public QObject
{
    Q_OBJECT

public:
    PropertyPanel(QTableWidget *table, ProjectDocument *document, ProjectTree *tree,
                  QObject *parent = nullptr);
    ~PropertyPanel() override;

    // Shows the cells of `node`, an alternative or a flow; anything else
    // leaves the panel as it is.
    void show(QTreeWidgetItem *node);
    QTreeWidgetItem *shownNode() const { return shown; }
    QTableWidget *table() const { return m_table; }

signals:
    // An edit of the panel changed row `row` of the node at `place`.
    void committed(const NodePlace &place, int row, const QString &before, const QString &after);

private:
    void fill();
    void cellChanged(const NodePlace &place, int row);
    void setCell(int row, const QString &text);
    void nodeRemoving(QTreeWidgetItem *node);
    void nodeRemoved();
    // Closes the editors open on the table without committing them.
    void dropEditors();

    QTableWidget *m_table;
    ProjectDocument *document;
    ProjectTree *projectTree;
    QTreeWidgetItem *shown = nullptr;
};

#endif // PROPERTYPANEL_H
