#include "projectitem.h"

#include "figurereader.h"
#include "flowitem.h"
#include "itemtypes.h"
#include "nodedescription.h"
#include "propertytable.h"

#include <QBrush>
#include <QColor>
#include <QTableWidget>

int ProjectItem::alternativeCounter = 0;

namespace {

// Name, horizon ("Total Períodos"), opportunity rate.
const QVector<FigureReader::Kind> rowKinds = {FigureReader::Kind::Text,
                                              FigureReader::Kind::WholeNumber,
                                              FigureReader::Kind::Rate};

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
    PropertyTable::release(m_propertyTable);
}

void ProjectItem::createTable()
{
    m_propertyTable = PropertyTable::create({tr("Nombre"), tr("Total Períodos"),
                                             tr("Interés de Oportunidad")},
                                            rowKinds);
    m_propertyTable->setItem(NameRow, 0, new QTableWidgetItem(text(0)));
    connectTable();
}

void ProjectItem::setTable(QTableWidget *table)
{
    m_propertyTable = table;
    if (table) {
        table->setItem(NameRow, 0, new QTableWidgetItem(text(0)));
        PropertyTable::flagFigures(table, rowKinds);
    }
}

void ProjectItem::connectTable()
{
    if (!m_propertyTable)
        return;
    connect(m_propertyTable, SIGNAL(cellChanged(int, int)), this,
            SLOT(tableCellChanged(int, int)));
    tableCellChanged(NameRow, 0);
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

void ProjectItem::tableCellChanged(int row, int column)
{
    if (!m_propertyTable)
        return;
    if (row == NameRow) {
        const QTableWidgetItem *cell = m_propertyTable->item(row, column);
        setData(0, Qt::DisplayRole, cell ? cell->data(Qt::DisplayRole) : QVariant());
    }
    PropertyTable::markNode(this, FigureReader::holdsUnread(m_propertyTable, rowKinds));
    const QString description = NodeDescription::alternative(
        FigureReader::wholeNumber(m_propertyTable, PeriodsRow),
        FigureReader::amount(m_propertyTable, RateRow));
    setText(1, description);
    setToolTip(1, description);
}

AlternativeFigures ProjectItem::figures(QVector<ProjectFigures::UnreadCell> *unread) const
{
    AlternativeFigures alternative;
    alternative.name = text(0);
    const QTableWidget *table = m_propertyTable;
    alternative.horizon = static_cast<int>(
        FigureReader::figure(table, PeriodsRow, rowKinds.at(PeriodsRow), alternative.name, unread));
    alternative.rate =
        FigureReader::figure(table, RateRow, rowKinds.at(RateRow), alternative.name, unread);
    for (int g = 0; g < childCount(); ++g) {
        const QTreeWidgetItem *group = child(g);
        if (group->type() != IncomeGroupType && group->type() != ExpenseGroupType)
            continue;
        auto &flows = group->type() == IncomeGroupType ? alternative.income : alternative.expenses;
        for (int f = 0; f < group->childCount(); ++f) {
            if (const auto *flow = FlowItem::fromTreeItem(group->child(f)))
                flows.append({flow->name(), flow->figures(unread)});
        }
    }
    return alternative;
}

double ProjectItem::incomePresentValue() const
{
    const AlternativeFigures alternative = figures();
    return flowsWorth(AlternativeFigures::figuresOf(alternative.income), alternative.rate);
}

double ProjectItem::expensePresentValue() const
{
    const AlternativeFigures alternative = figures();
    return flowsWorth(AlternativeFigures::figuresOf(alternative.expenses), alternative.rate);
}
