#ifndef ANUALIDADITEM_H
#define ANUALIDADITEM_H

#include "flowitem.h"

// A uniform series: the same payment A in each of n periods from period s.
class AnualidadItem : public FlowItem
{
public:
    enum Row { NameRow = 0, PaymentRow = 1, CountRow = 2, StartRow = 3 };

    AnualidadItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type);
    ~AnualidadItem() override;

    CashFlow figures(QVector<ProjectFigures::UnreadCell> *unread = nullptr) const override;
};

#endif // ANUALIDADITEM_H
