#ifndef FLOWITEM_H
#define FLOWITEM_H

#include "cashflowschedule.h"
#include "figurereader.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTreeWidgetItem>

#include <QTableWidget>

// A cash flow of an alternative: income under "Ingresos", expense under
// "Egresos". Its name and figures live as text in its own property table;
// the horizon and the rate are read from the alternative's table.
class FlowItem : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    FlowItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type);
    ~FlowItem() override;

    // Worth of the flow at period 0, at the alternative's rate.
    virtual double presentValue() const;
    // Appends the flow's amount for each period 0..N to `amounts` and returns
    // the flow's row of the cash-flow report.
    virtual QString cashFlowRow(QList<double> *amounts) const;

    QTableWidget *propertyTable() const { return m_propertyTable; }

    // The flow behind a tree node, or null if the node is not a flow.
    static FlowItem *fromTreeItem(QTreeWidgetItem *item);
    static const FlowItem *fromTreeItem(const QTreeWidgetItem *item);

protected slots:
    void tableItemChanged(int row, int column);

protected:
    // Builds the flow's property table with the kind's rows, read as
    // `rowKinds`, the name "Pago" in row 0, then connects it.
    void buildTable(const QStringList &rowLabels,
                    const QVector<FigureReader::Kind> &rowKinds = {});
    void connectTable();

    // The alternative's horizon ("Total Períodos") and rate.
    int horizon() const;
    // The report row of payments laid out as `schedule` says, with their
    // amounts appended to `amounts`.
    QString scheduleRow(const CashFlowSchedule &schedule, QList<double> *amounts) const;
    double rate() const;
    QString name() const;

    QPointer<QTableWidget> projectTable;
    QPointer<QTableWidget> m_propertyTable;
};

#endif // FLOWITEM_H
