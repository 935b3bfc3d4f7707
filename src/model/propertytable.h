#ifndef PROPERTYTABLE_H
#define PROPERTYTABLE_H

#include <QPointer>
#include <QStringList>

#include <QTableWidget>

// Builds the one-column property tables of alternatives and flows, and
// releases the ones that never reached the property panel.
class PropertyTable
{
public:
    // A table with one row per label, the labels in the vertical header, the
    // horizontal header hidden. It has no parent until the panel shows it.
    static QTableWidget *create(const QStringList &rowLabels);

    // A table that the panel showed belongs to the project window; one that
    // was never shown has no parent and is deleted here with its node.
    static void releaseIfUnshown(QPointer<QTableWidget> &table);
};

#endif // PROPERTYTABLE_H
