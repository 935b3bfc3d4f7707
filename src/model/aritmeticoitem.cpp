#include "aritmeticoitem.h"

#include "cashflowreport.h"
#include "cashflowschedule.h"
#include "figurereader.h"
#include "flowworth.h"

AritmeticoItem::AritmeticoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Gradiente Aritmético"), tr("Número Períodos"),
                tr("Inicia en")});
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
    const QList<double> own = schedule.amounts();
    if (amounts)
        amounts->append(own);
    return CashFlowReport::flowRow(name(), own, schedule.firstPaying(), schedule.endPaying());
}
