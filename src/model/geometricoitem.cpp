#include "geometricoitem.h"

#include "figurereader.h"
#include "flowworth.h"

GeometricoItem::GeometricoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Gradiente Geométrico"), tr("Número Períodos"),
                tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

GeometricoItem::~GeometricoItem() = default;

double GeometricoItem::presentValue() const
{
    const QTableWidget *table = propertyTable();
    return geometricFlowWorth(rate(), FigureReader::amount(table, PaymentRow),
                              FigureReader::amount(table, GrowthRow),
                              FigureReader::wholeNumber(table, CountRow),
                              FigureReader::wholeNumber(table, StartRow));
}

QString GeometricoItem::cashFlowRow(QList<double> *amounts) const
{
    const QTableWidget *table = propertyTable();
    const CashFlowSchedule schedule(CashFlowSchedule::Geometric,
                                    FigureReader::amount(table, PaymentRow),
                                    FigureReader::amount(table, GrowthRow),
                                    FigureReader::wholeNumber(table, CountRow),
                                    FigureReader::wholeNumber(table, StartRow), horizon());
    return scheduleRow(schedule, amounts);
}
