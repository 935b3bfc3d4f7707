#include "anualidaditem.h"

AnualidadItem::AnualidadItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Número Períodos"), tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

AnualidadItem::~AnualidadItem() = default;

CashFlow AnualidadItem::figures(QVector<ProjectFigures::UnreadCell> *unread) const
{
    CashFlow flow;
    flow.kind = CashFlow::Uniform;
    flow.amount = figure(PaymentRow, unread);
    flow.payments = wholeFigure(CountRow, unread);
    flow.start = wholeFigure(StartRow, unread);
    return flow;
}
