#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include "projectfigures.h"

#include <QPoint>
#include <QWidget>

class FlowItem;
class ProjectItem;
class QAction;
class QTableWidget;
class QTimer;
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

    // Every alternative's figures, read once from the tree and the property
    // tables, and the cells read as 0 although something is typed in them.
    ProjectFigures figures() const;

    // The documents that "Visualizar" and "Comparar" show, built afresh
    // from figures().
    QString cashFlowDocument() const;
    QString comparisonDocument() const;

    // What the commands of the window do once the user has answered their
    // dialogs; tests and other windows call them directly.
    // Appends an alternative titled `title`; null for an empty title.
    ProjectItem *addAlternative(const QString &title);
    // Appends a flow of `kind` (0 uniform, 1 arithmetic, 2 geometric) to the
    // group "Ingresos" or "Egresos" `group`; null when `group` is no group.
    FlowItem *addFlow(QTreeWidgetItem *group, int kind);
    // "Visualizar" and "Comparar".
    void showCashFlows();
    void showComparison();

    // A report that took at least this long to build is not built again
    // after a change: it is marked out of date until its button is clicked.
    static constexpr int DefaultRefreshLimitMs = 300;
    void setRefreshLimit(int milliseconds);
    // Whether the report shown is marked out of date.
    bool reportOutOfDate() const;

    QTreeWidget *tree() const;
    QTextEdit *report() const;
    QTableWidget *panelTable() const;

public slots:
    // Something in the project changed (a committed cell edit, a node added):
    // the report shown follows, built again once the burst of changes is
    // over, or marked out of date when it is slow to build.
    void projectChanged();

private slots:
    void refreshReport();
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void askFlow();
    void askAlternative();
    void on_twProjectList_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_pbVisualizar_clicked();
    void on_pbComparar_clicked();

private:
    enum class Report { None, CashFlows, Comparison };
    void showReport(Report report);

    Ui_ProjectWindow *ui;
    QTimer *refreshTimer;
    Report shown = Report::None;
    qint64 lastBuildMs = 0;
    int refreshLimitMs = DefaultRefreshLimitMs;
    QAction *flowAction;
    QAction *alternativeAction;
    // The group on which the context menu was opened; the new flow goes there.
    QTreeWidgetItem *flowGroup = nullptr;
};

#endif // PROJECTWINDOW_H
