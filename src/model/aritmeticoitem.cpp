#include "aritmeticoitem.h"

#include "figurereader.h"
#include "flowworth.h"

AritmeticoItem::AritmeticoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Gradiente Aritmético"), tr("Número Períodos"),
                tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

AritmeticoItem::~AritmeticoItem() = default;

double AritmeticoItem::presentValue() const
{
    const QTableWidget *table = propertyTable();
    return arithmeticFlowWorth(rate(), FigureReader::amount(table, PaymentRow),
                               FigureReader::amount(table, GradientRow),
                               FigureReader::wholeNumber(table, CountRow),
                               FigureReader::wholeNumber(table, StartRow));
}

QString AritmeticoItem::cashFlowRow(QList<double> *amounts) const
{
    const QTableWidget *table = propertyTable();
    const CashFlowSchedule schedule(CashFlowSchedule::Arithmetic,
                                    FigureReader::amount(table, PaymentRow),
                                    FigureReader::amount(table, GradientRow),
                                    FigureReader::wholeNumber(table, CountRow),
                                    FigureReader::wholeNumber(table, StartRow), horizon());
    return scheduleRow(schedule, amounts);
}
