#include "propertytable.h"

#include "figuredelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidgetItem>

QTableWidget *PropertyTable::create(const QStringList &rowLabels,
                                    const QVector<FigureReader::Kind> &rowKinds)
{
    auto *table = new QTableWidget(rowLabels.size(), 1);
    table->horizontalHeader()->setVisible(false);
    for (int row = 0; row < rowLabels.size(); ++row)
        table->setVerticalHeaderItem(row, new QTableWidgetItem(rowLabels.at(row)));
    table->setMinimumSize(128, 0);
    table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    if (!rowKinds.isEmpty())
        flagFigures(table, rowKinds);
    return table;
}

void PropertyTable::flagFigures(QTableWidget *table, const QVector<FigureReader::Kind> &rowKinds)
{
    if (!table)
        return;
    if (auto *flags = qobject_cast<FigureDelegate *>(table->itemDelegate())) {
        flags->setRowKinds(rowKinds);
        return;
    }
    table->setItemDelegate(new FigureDelegate(rowKinds, table));
}

void PropertyTable::markNode(QTreeWidgetItem *node, bool holdsUnread)
{
    if (!node)
        return;
    const QString name = node->text(0);
    if (!holdsUnread) {
        node->setData(0, Qt::ForegroundRole, QVariant());
        node->setData(0, Qt::DecorationRole, QVariant());
        node->setToolTip(0, name);
        return;
    }
    node->setForeground(0, QColor(FigureDelegate::UnreadableHighlight));
    node->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
    node->setToolTip(0, name + QLatin1Char('\n')
                           + QCoreApplication::translate("PropertyTable",
                                                         "Hay cifras que se leen como 0"));
}

void PropertyTable::release(QPointer<QTableWidget> &table)
{
    delete table.data();
    table = nullptr;
}
