#ifndef GEOMETRICOITEM_H
#define GEOMETRICOITEM_H

#include "flowitem.h"

// A series whose payment grows by a fixed fraction g from one paying period
// to the next: A1, A1(1 + g), A1(1 + g)^2, ...
class GeometricoItem : public FlowItem
{
public:
    enum Row { NameRow = 0, PaymentRow = 1, GrowthRow = 2, CountRow = 3, StartRow = 4 };

    GeometricoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type);
    ~GeometricoItem() override;

    CashFlow figures(QVector<ProjectFigures::UnreadCell> *unread = nullptr) const override;
};

#endif // GEOMETRICOITEM_H
