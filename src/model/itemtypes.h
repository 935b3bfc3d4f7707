#ifndef ITEMTYPES_H
#define ITEMTYPES_H

#include <QTreeWidgetItem>

// The type() of every node of a project tree, by which nodes are told apart.
enum ItemType {
    ProjectItemType = QTreeWidgetItem::UserType + 5,   // 1005, an alternative
    IncomeGroupType = QTreeWidgetItem::UserType + 7,   // 1007, group "Ingresos"
    ExpenseGroupType = QTreeWidgetItem::UserType + 12, // 1012, group "Egresos"
    FlowItemType = QTreeWidgetItem::UserType + 13,     // 1013, a flow of any kind
    ReplacementItemType = QTreeWidgetItem::UserType + 20, // 1020, a replacement analysis
    AssetItemType = QTreeWidgetItem::UserType + 21     // 1021, its "Defensor" or "Retador"
};

#endif // ITEMTYPES_H
