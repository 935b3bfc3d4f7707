#ifndef FLOWITEM_H
#define FLOWITEM_H

#include "cashflow.h"
#include "figurereader.h"
#include "projectfigures.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTreeWidgetItem>
#include <QVector>

#include <QTableWidget>

// A cash flow of an alternative: income under "Ingresos", expense under
// "Egresos". Its name and figures live as text in its own property table;
// the rate is read from the alternative's table. The node's text turns red
// while its table holds a figure read as 0 although something is typed there;
// its description gives its kind and figures. The node owns its table.
class FlowItem : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    FlowItem(QTreeWidgetItem *parent, QTableWidget *projectTable, int type);
    ~FlowItem() override;

    // The flow's figures, read once from its table. Cells read as 0 although
    // something is typed into them are appended to `unread`, if given.
    virtual CashFlow figures(QVector<ProjectFigures::UnreadCell> *unread = nullptr) const = 0;

    // Worth of the flow at period 0, at the alternative's rate.
    double presentValue() const;
    // The name shown in the tree and in the reports.
    QString name() const;
    // Whether the flow is under "Egresos".
    bool isExpense() const;

    QTableWidget *propertyTable() const { return m_propertyTable; }
    // The name a new flow has: "Pago".
    static QString defaultName();

    // The flow behind a tree node, or null if the node is not a flow.
    static FlowItem *fromTreeItem(QTreeWidgetItem *item);
    static const FlowItem *fromTreeItem(const QTreeWidgetItem *item);

protected slots:
    void tableItemChanged(int row, int column);

protected:
    // Every kind has its name in row 0 and its first payment in row 1.
    static constexpr int FirstPaymentRow = 1;

    // Builds the flow's property table with the kind's rows, read as
    // `rowKinds`, the name "Pago" in row 0, then connects it. An expense
    // reads its first payment so that a negative one is flagged.
    void buildTable(const QStringList &rowLabels, QVector<FigureReader::Kind> rowKinds);
    void connectTable();

    // Cell `row` of the flow's table, read as its row's kind.
    double figure(int row, QVector<ProjectFigures::UnreadCell> *unread) const;
    int wholeFigure(int row, QVector<ProjectFigures::UnreadCell> *unread) const;

    QPointer<QTableWidget> projectTable;
    QPointer<QTableWidget> m_propertyTable;

private:
    QVector<FigureReader::Kind> m_rowKinds;
};

#endif // FLOWITEM_H
