#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include <QPoint>
#include <QWidget>

class QAction;
class QTableWidget;
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

private slots:
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void addFlow();
    void addAlternative();
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
