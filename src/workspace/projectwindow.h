#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include <QPoint>
#include <QWidget>

class FlowItem;
class ProjectItem;
class QAction;
class QTableWidget;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class Ui_ProjectWindow;

// One open project: the report area on the left; on the right the buttons
// "Visualizar" and "Comparar", the tree of alternatives and flows, and the
// property panel that shows the table of the current node.
class ProjectWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectWindow(QWidget *parent = nullptr);
    ~ProjectWindow() override;

    // Puts `table` into the property panel; the window owns it from then on.
    void showPropertyTable(QTableWidget *table);

    // The documents that "Visualizar" and "Comparar" show, built afresh
    // from the tree and the property tables.
    QString cashFlowDocument() const;
    QString comparisonDocument() const;

    // What the commands of the window do once the user has answered their
    // dialogs; tests and other windows call them directly.
    // Appends an alternative titled `title`; null for an empty title.
    ProjectItem *addAlternative(const QString &title);
    // Appends a flow of `kind` (0 uniform, 1 arithmetic, 2 geometric) to the
    // group "Ingresos" or "Egresos" `group`; null when `group` is no group.
    FlowItem *addFlow(QTreeWidgetItem *group, int kind);
    // The commands the tree's context menu offers on `node`, or on empty
    // space when `node` is null; the flow command is named after the group.
    QList<QAction *> contextActions(QTreeWidgetItem *node);
    // "Visualizar" and "Comparar".
    void showCashFlows();
    void showComparison();

    QTreeWidget *tree() const;
    QTextEdit *report() const;
    QTableWidget *panelTable() const;

private slots:
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void askFlow();
    void askAlternative();
    void on_twProjectList_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_pbVisualizar_clicked();
    void on_pbComparar_clicked();

private:
    Ui_ProjectWindow *ui;
    QAction *flowAction;
    QAction *alternativeAction;
    // The group on which the context menu was opened; the new flow goes there.
    QTreeWidgetItem *flowGroup = nullptr;
};

#endif // PROJECTWINDOW_H
