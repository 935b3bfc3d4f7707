#include "anualidaditem.h"

#include "figurereader.h"
#include "flowworth.h"

AnualidadItem::AnualidadItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Número Períodos"), tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

AnualidadItem::~AnualidadItem() = default;

double AnualidadItem::presentValue() const
{
    const QTableWidget *table = propertyTable();
    return uniformFlowWorth(rate(), FigureReader::amount(table, PaymentRow),
                            FigureReader::wholeNumber(table, CountRow),
                            FigureReader::wholeNumber(table, StartRow));
}

QString AnualidadItem::cashFlowRow(QList<double> *amounts) const
{
    const QTableWidget *table = propertyTable();
    const CashFlowSchedule schedule(CashFlowSchedule::Uniform,
                                    FigureReader::amount(table, PaymentRow), 0.0,
                                    FigureReader::wholeNumber(table, CountRow),
                                    FigureReader::wholeNumber(table, StartRow), horizon());
    return scheduleRow(schedule, amounts);
}
