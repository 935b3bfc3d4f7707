#ifndef ARITMETICOITEM_H
#define ARITMETICOITEM_H

#include "flowitem.h"

// A series whose payment grows by a fixed amount G from one paying period to
// the next: A, A + G, A + 2G, ...
class AritmeticoItem : public FlowItem
{
public:
    enum Row { NameRow = 0, PaymentRow = 1, GradientRow = 2, CountRow = 3, StartRow = 4 };

    AritmeticoItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type);
    ~AritmeticoItem() override;

    CashFlow figures(QVector<ProjectFigures::UnreadCell> *unread = nullptr) const override;
};

#endif // ARITMETICOITEM_H
