#include "projectitem.h"

#include "cashflowreport.h"
#include "figurereader.h"
#include "flowitem.h"
#include "itemtypes.h"
#include "propertytable.h"

#include <QBrush>
#include <QColor>
#include <QTableWidget>

int ProjectItem::alternativeCounter = 0;

namespace {

void paintRow(QTreeWidgetItem *item, const char *colour)
{
    const QBrush brush(QColor(colour), Qt::SolidPattern);
    item->setBackground(0, brush);
    item->setBackground(1, brush);
}

} // namespace

ProjectItem::ProjectItem(QTreeWidget *tree, int type)
    : QObject(nullptr)
    , QTreeWidgetItem(tree, type)
{
    setExpanded(true);
    paintRow(this, "#B89AFE");
    setData(0, Qt::DisplayRole, tr("Proyecto %1").arg(alternativeCounter));

    incomeGroup = new QTreeWidgetItem(this, IncomeGroupType);
    expenseGroup = new QTreeWidgetItem(this, ExpenseGroupType);

    incomeGroup->setExpanded(true);
    paintRow(incomeGroup, "#86BCFF");
    incomeGroup->setText(0, tr("Ingresos"));

    expenseGroup->setExpanded(true);
    paintRow(expenseGroup, "#FF8A8A");
    expenseGroup->setText(0, tr("Egresos"));

    ++alternativeCounter;
}

ProjectItem::~ProjectItem()
{
    PropertyTable::releaseIfUnshown(m_propertyTable);
}

void ProjectItem::createTable()
{
    m_propertyTable = PropertyTable::create({tr("Nombre"), tr("Total Períodos"),
                                             tr("Interés de Oportunidad")});
    m_propertyTable->setItem(NameRow, 0, new QTableWidgetItem(text(0)));
    connectTable();
}

void ProjectItem::setTable(QTableWidget *table)
{
    m_propertyTable = table;
    if (table)
        table->setItem(NameRow, 0, new QTableWidgetItem(text(0)));
}

void ProjectItem::connectTable()
{
    if (m_propertyTable)
        connect(m_propertyTable, SIGNAL(cellChanged(int, int)), this, SLOT(nameChanged(int, int)));
}

void ProjectItem::setName(const QString &name)
{
    if (!m_propertyTable) {
        setData(0, Qt::DisplayRole, name);
        return;
    }
    QTableWidgetItem *cell = m_propertyTable->item(NameRow, 0);
    if (cell)
        cell->setData(Qt::DisplayRole, name);
    else
        m_propertyTable->setItem(NameRow, 0, new QTableWidgetItem(name));
}

void ProjectItem::nameChanged(int row, int column)
{
    if (row != NameRow || !m_propertyTable)
        return;
    const QTableWidgetItem *cell = m_propertyTable->item(row, column);
    setData(0, Qt::DisplayRole, cell ? cell->data(Qt::DisplayRole) : QVariant());
}

double ProjectItem::incomePresentValue() const
{
    return groupPresentValue(IncomeGroupType);
}

double ProjectItem::expensePresentValue() const
{
    return groupPresentValue(ExpenseGroupType);
}

double ProjectItem::groupPresentValue(int groupType) const
{
    double sum = 0.0;
    for (int g = 0; g < childCount(); ++g) {
        const QTreeWidgetItem *group = child(g);
        if (group->type() != groupType)
            continue;
        for (int f = 0; f < group->childCount(); ++f) {
            if (const auto *flow = FlowItem::fromTreeItem(group->child(f)))
                sum += flow->presentValue();
        }
    }
    return sum;
}

QString ProjectItem::cashFlowTable() const
{
    QString table = CashFlowReport::tableStart();
    const QString name = text(0);
    const int horizon = FigureReader::wholeNumber(m_propertyTable, PeriodsRow);
    if (!CashFlowReport::showsPeriodByPeriod(horizon))
        return table + CashFlowReport::tooLongNotice(name, horizon) + CashFlowReport::tableEnd();

    table += CashFlowReport::titleRow(name, horizon);
    table += CashFlowReport::headerRow(horizon);
    // Every flow's amounts, kept in the order the rows are shown, for the totals.
    QList<QList<double>> flows;
    for (int g = 0; g < childCount(); ++g) {
        const QTreeWidgetItem *group = child(g);
        if (group->type() == IncomeGroupType)
            table += CashFlowReport::incomeSectionRow(horizon);
        else if (group->type() == ExpenseGroupType)
            table += CashFlowReport::expenseSectionRow(horizon);
        else
            continue;
        for (int f = 0; f < group->childCount(); ++f) {
            if (const auto *flow = FlowItem::fromTreeItem(group->child(f))) {
                QList<double> amounts;
                table += flow->cashFlowRow(&amounts);
                flows.append(amounts);
            }
        }
    }
    table += CashFlowReport::totalRow(flows, horizon);
    return table + CashFlowReport::tableEnd();
}
