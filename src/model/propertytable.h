#ifndef PROPERTYTABLE_H
#define PROPERTYTABLE_H

#include "figurereader.h"

#include <QPointer>
#include <QStringList>
#include <QVector>

#include <QTableWidget>

class QTreeWidgetItem;

// Builds the one-column property tables of alternatives and flows, marks
// the tree node whose table holds a figure read as 0, and deletes a node's
// table with its node.
class PropertyTable
{
public:
    // A table with one row per label, the labels in the vertical header, the
    // horizontal header hidden. It has no parent until the panel shows it.
    // With `rowKinds` its cells flag figures that are not read as typed.
    static QTableWidget *create(const QStringList &rowLabels,
                                const QVector<FigureReader::Kind> &rowKinds = {});

    // Lets the cells of `table` flag figures that are not read as typed,
    // each row read as its kind.
    static void flagFigures(QTableWidget *table, const QVector<FigureReader::Kind> &rowKinds);

    // Marks `node` in the tree, with a warning icon, red text and a line of
    // its tooltip, while its table holds a cell read as 0 although something
    // is typed in it. The tooltip starts with the node's whole name.
    static void markNode(QTreeWidgetItem *node, bool holdsUnread);

    // A node owns its table, shown in the panel or not: the table goes with
    // the node, so that nothing can use it afterwards.
    static void release(QPointer<QTableWidget> &table);
};

#endif // PROPERTYTABLE_H
