#ifndef PROPERTYTABLE_H
#define PROPERTYTABLE_H

#include "figurereader.h"

#include <QVector>

class QTableWidget;
class QTreeWidgetItem;

// The look of the one-column property table and of the tree nodes whose
// cells are flagged.
class PropertyTable
{
public:
    // Lets the cells of `table` flag figures that are not read as typed,
    // each row read as its kind.
    static void flagFigures(QTableWidget *table, const QVector<FigureReader::Kind> &rowKinds);

    // Keeps the table's row labels as narrow as their texts and the value
    // column as wide as the panel.
    static void fitLabels(QTableWidget *table);

    // Marks `node` in the tree, with a warning icon, red text and a line of
    // its tooltip, while one of its cells reads as 0 although something is
    // typed in it. The tooltip starts with the node's whole name.
    static void markNode(QTreeWidgetItem *node, bool holdsUnread);
};

#endif // PROPERTYTABLE_H
