#ifndef PROJECTITEM_H
#define PROJECTITEM_H

#include "alternativefigures.h"
#include "projectfigures.h"

#include <QObject>
#include <QPointer>
#include <QTreeWidgetItem>

#include <QTableWidget>
class QTreeWidget;

// One investment alternative: a top-level node of the project tree with its
// groups "Ingresos" and "Egresos". Its name, horizon ("Total Períodos") and
// opportunity rate ("Interés de Oportunidad") live as text in its property
// table, rows 0, 1 and 2, and are read from there whenever they are needed.
// The node's text turns red while its table holds a figure read as 0; its
// description gives the horizon and the rate. The node owns its table.
class ProjectItem : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    enum Row { NameRow = 0, PeriodsRow = 1, RateRow = 2 };

    ProjectItem(QTreeWidget *tree, int type);
    ~ProjectItem() override;

    // Gives the alternative a new property table of its own and connects it.
    void createTable();
    // Adopts an existing table (the window's form table), lets it flag the
    // figures that are not read as typed, and writes the name into it;
    // connectTable() is called afterwards by the caller.
    void setTable(QTableWidget *table);
    void connectTable();
    void setName(const QString &name);

    QTableWidget *propertyTable() const { return m_propertyTable; }

    // The alternative's name, horizon, rate and flows, read once from the
    // property tables. Cells read as 0 although something is typed into them
    // are appended to `unread`, if given: the alternative's, then its flows'.
    AlternativeFigures figures(QVector<ProjectFigures::UnreadCell> *unread = nullptr) const;
    // Present worths of the flows under "Ingresos" and under "Egresos".
    double incomePresentValue() const;
    double expensePresentValue() const;

private slots:
    // Follows the name and the figures into the tree and marks the node
    // while its table holds a figure read as 0.
    void tableCellChanged(int row, int column);

private:
    QTreeWidgetItem *incomeGroup = nullptr;
    QTreeWidgetItem *expenseGroup = nullptr;
    QPointer<QTableWidget> m_propertyTable;

    static int alternativeCounter;
};

#endif // PROJECTITEM_H
