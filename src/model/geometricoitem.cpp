#include "geometricoitem.h"

GeometricoItem::GeometricoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type)
    : FlowItem(parent, projectTable, type)
{
    using Kind = FigureReader::Kind;
    buildTable({tr("Nombre"), tr("Anualidad"), tr("Gradiente Geométrico"), tr("Número Períodos"),
                tr("Inicia en")},
               {Kind::Text, Kind::Amount, Kind::Amount, Kind::WholeNumber, Kind::WholeNumber});
}

GeometricoItem::~GeometricoItem() = default;

CashFlow GeometricoItem::figures(QVector<ProjectFigures::UnreadCell> *unread) const
{
    CashFlow flow;
    flow.kind = CashFlow::Geometric;
    flow.amount = figure(PaymentRow, unread);
    flow.change = figure(GrowthRow, unread);
    flow.payments = wholeFigure(CountRow, unread);
    flow.start = wholeFigure(StartRow, unread);
    return flow;
}
