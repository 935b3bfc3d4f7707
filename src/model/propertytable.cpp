#include "propertytable.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget *PropertyTable::create(const QStringList &rowLabels)
{
    auto *table = new QTableWidget(rowLabels.size(), 1);
    table->horizontalHeader()->setVisible(false);
    for (int row = 0; row < rowLabels.size(); ++row)
        table->setVerticalHeaderItem(row, new QTableWidgetItem(rowLabels.at(row)));
    table->setMinimumSize(128, 0);
    table->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    return table;
}

void PropertyTable::releaseIfUnshown(QPointer<QTableWidget> &table)
{
    if (table && !table->parent())
        delete table.data();
    table = nullptr;
}
