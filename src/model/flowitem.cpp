#include "flowitem.h"

#include "itemtypes.h"
#include "nodedescription.h"
#include "projectitem.h"
#include "propertytable.h"

#include <QTableWidget>

FlowItem::FlowItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : QObject(nullptr)
    , QTreeWidgetItem(parent, type)
    , projectTable(projectTable)
{
}

FlowItem::~FlowItem()
{
    PropertyTable::release(m_propertyTable);
}

double FlowItem::presentValue() const
{
    return flowWorth(figures(), FigureReader::amount(projectTable, ProjectItem::RateRow));
}

FlowItem *FlowItem::fromTreeItem(QTreeWidgetItem *item)
{
    if (!item || item->type() != FlowItemType)
        return nullptr;
    return dynamic_cast<FlowItem *>(item);
}

const FlowItem *FlowItem::fromTreeItem(const QTreeWidgetItem *item)
{
    return fromTreeItem(const_cast<QTreeWidgetItem *>(item));
}

bool FlowItem::isExpense() const
{
    const QTreeWidgetItem *group = QTreeWidgetItem::parent();
    return group && group->type() == ExpenseGroupType;
}

void FlowItem::buildTable(const QStringList &rowLabels, QVector<FigureReader::Kind> rowKinds)
{
    if (isExpense() && rowKinds.value(FirstPaymentRow) == FigureReader::Kind::Amount)
        rowKinds[FirstPaymentRow] = FigureReader::Kind::ExpenseAmount;
    m_rowKinds = rowKinds;
    m_propertyTable = PropertyTable::create(rowLabels, rowKinds);
    setData(0, Qt::DisplayRole, defaultName());
    m_propertyTable->setItem(0, 0, new QTableWidgetItem(text(0)));
    connectTable();
}

void FlowItem::connectTable()
{
    if (!m_propertyTable)
        return;
    connect(m_propertyTable, SIGNAL(cellChanged(int, int)), this,
            SLOT(tableItemChanged(int, int)));
    tableItemChanged(0, 0);
}

QString FlowItem::defaultName()
{
    return tr("Pago");
}

void FlowItem::tableItemChanged(int row, int column)
{
    if (!m_propertyTable)
        return;
    if (row == 0) {
        const QTableWidgetItem *cell = m_propertyTable->item(row, column);
        setData(0, Qt::DisplayRole, cell ? cell->data(Qt::DisplayRole) : QVariant());
    }
    PropertyTable::markNode(this, FigureReader::holdsUnread(m_propertyTable, m_rowKinds));
    const QString description = NodeDescription::flow(figures());
    setText(1, description);
    setToolTip(1, description);
}

QString FlowItem::name() const
{
    return data(0, Qt::DisplayRole).toString();
}

double FlowItem::figure(int row, QVector<ProjectFigures::UnreadCell> *unread) const
{
    return FigureReader::figure(m_propertyTable, row, m_rowKinds.value(row), name(), unread);
}

int FlowItem::wholeFigure(int row, QVector<ProjectFigures::UnreadCell> *unread) const
{
    // Whole-number rows read within the int range.
    return static_cast<int>(figure(row, unread));
}
