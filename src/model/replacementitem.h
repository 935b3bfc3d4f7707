#ifndef REPLACEMENTITEM_H
#define REPLACEMENTITEM_H

#include "replacementsnapshot.h"

#include <QTreeWidgetItem>

// A replacement analysis in the project tree: a top-level node after the
// alternatives, with its children "Defensor" and "Retador". Each shows its
// name, in red with a warning icon while a cell cannot be read or its lists
// disagree, and its description ("P 9 500.00, 8 años").
class ReplacementItem : public QTreeWidgetItem
{
public:
    ReplacementItem();
    ~ReplacementItem() override;

    void show(const ReplacementSnapshot &analysis);
    QTreeWidgetItem *asset(int index) const { return child(index); }
};

#endif // REPLACEMENTITEM_H
