#include "projectitem.h"

#include "figurereader.h"
#include "itemtypes.h"
#include "nodedescription.h"
#include "projectdocument.h"
#include "propertytable.h"
#include "reportmarkup.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QVariant>

int ProjectItem::alternativeCounter = 0;

namespace {

void paintRow(QTreeWidgetItem *item, const char *colour)
{
    const QBrush brush(QColor(colour), Qt::SolidPattern);
    item->setBackground(0, brush);
    item->setBackground(1, brush);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("ProjectItem", text);
}

} // namespace

ProjectItem::ProjectItem(int type)
    : QTreeWidgetItem(type)
{
    paintRow(this, ReportMarkup::AlternativeColour);
    setData(0, Qt::DisplayRole, nextDefaultName());

    incomeGroup = new QTreeWidgetItem(this, IncomeGroupType);
    expenseGroup = new QTreeWidgetItem(this, ExpenseGroupType);
    paintRow(incomeGroup, ReportMarkup::IncomeColour);
    incomeGroup->setText(0, tr("Ingresos"));
    paintRow(expenseGroup, ReportMarkup::ExpenseColour);
    expenseGroup->setText(0, tr("Egresos"));

    ++alternativeCounter;
}

ProjectItem::~ProjectItem() = default;

QString ProjectItem::nextDefaultName()
{
    return tr("Proyecto %1").arg(alternativeCounter);
}

void ProjectItem::expand()
{
    setExpanded(true);
    incomeGroup->setExpanded(true);
    expenseGroup->setExpanded(true);
}

void ProjectItem::show(const AlternativeSnapshot &alternative)
{
    using Reading = FigureReader::Kind;
    setData(0, Qt::DisplayRole, alternative.name);
    const FigureReader::Reading horizon = FigureReader::read(alternative.horizon, Reading::Count);
    const FigureReader::Reading rate = FigureReader::read(alternative.rate, Reading::Rate);
    PropertyTable::markNode(this, FigureReader::isUnread(horizon) || FigureReader::isUnread(rate));
    const QString description =
        NodeDescription::alternative(static_cast<int>(horizon.value), rate.value, horizon.perpetual);
    setText(1, description);
    setToolTip(1, description);
}
