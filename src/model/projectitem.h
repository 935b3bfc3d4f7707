#ifndef PROJECTITEM_H
#define PROJECTITEM_H

#include <QObject>
#include <QPointer>
#include <QTreeWidgetItem>

#include <QTableWidget>
class QTreeWidget;

// One investment alternative: a top-level node of the project tree with its
// groups "Ingresos" and "Egresos". Its name, horizon ("Total Períodos") and
// opportunity rate ("Interés de Oportunidad") live as text in its property
// table, rows 0, 1 and 2, and are read from there whenever they are needed.
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

    // The alternative's table of the cash-flow report.
    QString cashFlowTable() const;
    // Present values of the flows under "Ingresos" and under "Egresos".
    double incomePresentValue() const;
    double expensePresentValue() const;

private slots:
    void nameChanged(int row, int column);

private:
    double groupPresentValue(int groupType) const;

    QTreeWidgetItem *incomeGroup = nullptr;
    QTreeWidgetItem *expenseGroup = nullptr;
    QPointer<QTableWidget> m_propertyTable;

    static int alternativeCounter;
};

#endif // PROJECTITEM_H
