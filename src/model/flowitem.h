#ifndef FLOWITEM_H
#define FLOWITEM_H

#include "flowsnapshot.h"

#include <QString>
#include <QTreeWidgetItem>

// A cash flow of an alternative in the project tree: income under
// "Ingresos", expense under "Egresos". It shows the flow's name, in red with
// a warning icon while a cell of the flow reads as 0 although something is
// typed there, and its description (kind and figures). The flow itself is in
// the project document.
class FlowItem : public QTreeWidgetItem
{
public:
    explicit FlowItem(int type);
    ~FlowItem() override;

    // Shows `flow`, an expense when `expense`.
    void show(const FlowSnapshot &flow, bool expense);
    QString name() const;

    // The name a new flow has: "Pago".
    static QString defaultName();

    // The flow behind a tree node, or null if the node is not a flow.
    static FlowItem *fromTreeItem(QTreeWidgetItem *item);
    static const FlowItem *fromTreeItem(const QTreeWidgetItem *item);
};

#endif // FLOWITEM_H
