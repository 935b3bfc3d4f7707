#include "flowitem.h"

#include "flowkind.h"
#include "itemtypes.h"
#include "nodedescription.h"
#include "propertytable.h"

#include <QCoreApplication>

FlowItem::FlowItem(int type)
    : QTreeWidgetItem(type)
{
}

FlowItem::~FlowItem() = default;

void FlowItem::show(const FlowSnapshot &flow, bool expense)
{
    const FlowKind &kind = FlowKind::of(flow.kind);
    setData(0, Qt::DisplayRole, flow.name);
    PropertyTable::markNode(this, kind.holdsUnread(flow, expense));
    const QString description = NodeDescription::flow(kind.figures(flow, expense));
    setText(1, description);
    setToolTip(1, description);
}

FlowItem *FlowItem::fromTreeItem(QTreeWidgetItem *item)
{
    if (!item || item->type() != FlowItemType)
        return nullptr;
    return static_cast<FlowItem *>(item);
}

const FlowItem *FlowItem::fromTreeItem(const QTreeWidgetItem *item)
{
    return fromTreeItem(const_cast<QTreeWidgetItem *>(item));
}

QString FlowItem::defaultName()
{
    return QCoreApplication::translate("FlowItem", "Pago");
}

QString FlowItem::name() const
{
    return data(0, Qt::DisplayRole).toString();
}
