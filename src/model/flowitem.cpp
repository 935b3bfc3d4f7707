#include "flowitem.h"

#include "cashflowreport.h"
#include "figurereader.h"
#include "itemtypes.h"
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
    PropertyTable::releaseIfUnshown(m_propertyTable);
}

double FlowItem::presentValue() const
{
    return 0.0;
}

QString FlowItem::cashFlowRow(QList<double> *) const
{
    return QString();
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

void FlowItem::buildTable(const QStringList &rowLabels,
                          const QVector<FigureReader::Kind> &rowKinds)
{
    m_propertyTable = PropertyTable::create(rowLabels, rowKinds);
    setData(0, Qt::DisplayRole, tr("Pago"));
    m_propertyTable->setItem(0, 0, new QTableWidgetItem(text(0)));
    connectTable();
}

void FlowItem::connectTable()
{
    if (m_propertyTable)
        connect(m_propertyTable, SIGNAL(cellChanged(int, int)), this,
                SLOT(tableItemChanged(int, int)));
}

void FlowItem::tableItemChanged(int row, int column)
{
    if (row != 0 || !m_propertyTable)
        return;
    const QTableWidgetItem *cell = m_propertyTable->item(row, column);
    setData(0, Qt::DisplayRole, cell ? cell->data(Qt::DisplayRole) : QVariant());
}

int FlowItem::horizon() const
{
    return FigureReader::wholeNumber(projectTable, ProjectItem::PeriodsRow);
}

double FlowItem::rate() const
{
    return FigureReader::amount(projectTable, ProjectItem::RateRow);
}

QString FlowItem::name() const
{
    return data(0, Qt::DisplayRole).toString();
}

QString FlowItem::scheduleRow(const CashFlowSchedule &schedule, QList<double> *amounts) const
{
    const QList<double> own = schedule.amounts();
    if (amounts)
        amounts->append(own);
    return CashFlowReport::flowRow(name(), own, schedule.firstPaying(), schedule.endPaying());
}
