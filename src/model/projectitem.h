#ifndef PROJECTITEM_H
#define PROJECTITEM_H

#include "alternativesnapshot.h"

#include <QString>
#include <QTreeWidgetItem>

// One investment alternative: a top-level node of the project tree with its
// groups "Ingresos" and "Egresos". It shows the alternative's name, in red
// with a warning icon while one of its cells reads as 0 although something is
// typed there, and its description (horizon and rate). The alternative
// itself is in the project document.
class ProjectItem : public QTreeWidgetItem
{
public:
    // An alternative with its two groups, not yet in a tree. Each one made
    // advances the process-wide count that numbers the default names.
    explicit ProjectItem(int type);
    ~ProjectItem() override;

    // Shows `alternative`'s name and figures.
    void show(const AlternativeSnapshot &alternative);
    // Opens the node and its groups; a node taken out of a tree and put
    // back forgets that it was open.
    void expand();

    QTreeWidgetItem *group(int index) const { return index == 0 ? incomeGroup : expenseGroup; }

    // "Proyecto %1" with the number the next alternative made will take.
    static QString nextDefaultName();

private:
    QTreeWidgetItem *incomeGroup = nullptr;
    QTreeWidgetItem *expenseGroup = nullptr;

    static int alternativeCounter;
};

#endif // PROJECTITEM_H
