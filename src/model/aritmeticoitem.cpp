#include "aritmeticoitem.h"

AritmeticoItem::AritmeticoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Gradiente Aritmético"), tr("Número Períodos"),
                tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

AritmeticoItem::~AritmeticoItem() = default;

CashFlow AritmeticoItem::figures(QVector<ProjectFigures::UnreadCell> *unread) const
{
    CashFlow flow;
    flow.kind = CashFlow::Arithmetic;
    flow.amount = figure(PaymentRow, unread);
    flow.change = figure(GradientRow, unread);
    flow.payments = wholeFigure(CountRow, unread);
    flow.start = wholeFigure(StartRow, unread);
    return flow;
}
