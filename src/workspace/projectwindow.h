#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include "cashflowreport.h"
#include "nodeplace.h"
#include "projectfigures.h"
#include "reportdocument.h"
#include "projectsnapshot.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class FlowItem;
class ProjectItem;
class QAction;
class QCloseEvent;
class QResizeEvent;
class QTableWidget;
class QTimer;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;
class Ui_ProjectWindow;

// One open project: the report area on the left; on the right, past a
// splitter the user can drag, the buttons "Visualizar" and "Comparar", the
// tree of alternatives and flows, and the property panel that shows the
// table of the current node.
//
// Every change the user makes is a step of the window's undo stack: a
// committed cell edit, adding, duplicating or removing a node. The steps
// name their nodes by position (NodePlace) and keep what they remove as a
// snapshot, so that undoing any sequence gives the project back as it was.
//
// The window's title is its file's name ("Proyecto" until first saved) with
// the modified marker, which is the stack's clean state: a step sets it,
// saving clears it, undoing back to the state saved clears it too, and
// closing a modified window asks what to do with it.
class ProjectWindow : public QWidget
{
    Q_OBJECT

public:
    // A new project with one alternative.
    explicit ProjectWindow(QWidget *parent = nullptr);
    // The project `project` describes, unmodified; with no alternative the
    // tree starts empty.
    explicit ProjectWindow(const ProjectSnapshot &project, QWidget *parent = nullptr);
    ~ProjectWindow() override;

    // Every alternative and flow in tree order, with the cell texts as typed.
    ProjectSnapshot snapshot() const;

    // The file the project was opened from or last saved to; empty if none.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path);
    // The title without the modified marker: the file's name, or "Proyecto".
    QString displayName() const;

    // "Guardar": to the project's file; a project never saved goes through
    // saveAs().
    // False when cancelled or failed (the user has been told why); the
    // project then stays modified and the previous file whole.
    bool save();
    // "Guardar como": asks for a file name, proposing the ".quintavo" one.
    bool saveAs();
    // Writes the project to `path`, which becomes its file; tells the user
    // why when it fails.
    bool saveTo(const QString &path);
    // Asks what to do with unsaved changes (Guardar, Descartar, Cancelar)
    // and saves on Guardar. True when the window may close; a Descartar
    // changes nothing yet (see discardChanges()).
    bool maySaveChanges();
    // Forgets the unsaved changes, so that closing asks nothing.
    void discardChanges();

    // Puts `table`, the table of one of the project's nodes, into the
    // property panel.
    void showPropertyTable(QTableWidget *table);

    // Every alternative's figures, read once from the tree and the property
    // tables, and the cells read as 0 although something is typed in them.
    ProjectFigures figures() const;

    // The documents that "Visualizar" and "Comparar" show, built afresh
    // from figures(), their pictures pictureWidth() wide.
    ReportDocument cashFlowDocument() const;
    ReportDocument comparisonDocument() const;
    // The width of the report area's page, at least MinPictureWidth.
    static constexpr int MinPictureWidth = 480;
    int pictureWidth() const;

    // What the commands of the window do once the user has answered their
    // dialogs; tests and other windows call them directly.
    // Each of them is one step of the undo stack.
    // Appends an alternative titled `title`; null for an empty title.
    ProjectItem *addAlternative(const QString &title);
    // Appends a flow of `kind` (0 uniform, 1 arithmetic, 2 geometric) to the
    // group "Ingresos" or "Egresos" `group`; null when `group` is no group.
    FlowItem *addFlow(QTreeWidgetItem *group, int kind);
    // "Eliminar": removes the alternative or flow `node` with everything
    // under it; false for any other node.
    bool removeNode(QTreeWidgetItem *node);
    // "Duplicar alternativa": a copy of the alternative `node` with its flows
    // and every cell, named with " (copia)" appended, right after it; it
    // becomes the current node. Null when `node` is no alternative.
    ProjectItem *duplicateAlternative(QTreeWidgetItem *node);

    QUndoStack *undoStack() const;

    // Nodes by position; an invalid place for a group or no node, null for
    // a place where no alternative or flow is.
    NodePlace placeOf(const QTreeWidgetItem *node) const;
    QTreeWidgetItem *nodeAt(const NodePlace &place) const;
    AlternativeSnapshot alternativeSnapshot(int index) const;
    FlowSnapshot flowSnapshot(const NodePlace &place) const;

    // What the steps do and undo; none of them is a step itself. Each tells
    // the report shown to follow. A node inserted at an index beyond the
    // last goes last.
    ProjectItem *insertAlternative(int index, const AlternativeSnapshot &alternative);
    FlowItem *insertFlow(const NodePlace &place, const FlowSnapshot &flow);
    // Removes the node at `place` with its tables; the panel then shows the
    // table of the node that becomes current.
    void removeAt(const NodePlace &place);
    void setCellText(const NodePlace &place, int row, const QString &text);
    // The commands the tree's context menu offers on `node`, or on empty
    // space when `node` is null; the flow command is named after the group.
    // Chosen from the menu they act on its node; triggered otherwise, on the
    // current node.
    QList<QAction *> contextActions(QTreeWidgetItem *node);
    // "Visualizar" and "Comparar".
    void showCashFlows();
    void showComparison();

    // The report in the report area, and the figures it was built from
    // (as they were then, even when it is marked out of date).
    enum class Report { None, CashFlows, Comparison };
    Report shownReport() const { return shown; }
    const ProjectFigures &shownFigures() const { return m_shownFigures; }

    // A report that took at least this long to build is not built again
    // after a change: it is marked out of date until its button is clicked.
    static constexpr int DefaultRefreshLimitMs = 300;
    void setRefreshLimit(int milliseconds);
    // The most cells that "Visualizar" lays out period by period
    // (CashFlowReport::MostShownCells unless set).
    void setCellLimit(long long cells);
    long long cellsLimit() const { return cellLimit; }
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

signals:
    // The project was written to `path`.
    void saved(const QString &path);
    // A report was put into the report area (built or built again).
    void reportShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void refreshReport();
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void askFlow();
    void askAlternative();
    void askRemove();
    void askDuplicate();
    void keepSplitter();
    void on_twProjectList_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_pbVisualizar_clicked();
    void on_pbComparar_clicked();

private:
    void showReport(Report report);
    ReportDocument document(Report report, const ProjectFigures &project) const;
    void setUp(const ProjectSnapshot *project);
    // A flow of `kind` appended to `group`, its cells empty.
    FlowItem *appendFlow(QTreeWidgetItem *group, int kind);
    // Follows every change of `table` into the report and makes each edit
    // committed in it a step.
    void watch(QTableWidget *table);
    void cellCommitted(QTableWidget *table, int row, const QString &before, const QString &after);
    QTreeWidgetItem *nodeOfTable(const QTableWidget *table) const;
    // The node the context menu was opened on, or else the current node.
    QTreeWidgetItem *targetNode() const;

    Ui_ProjectWindow *ui;
    QString m_filePath;
    QTimer *refreshTimer = nullptr;
    Report shown = Report::None;
    ProjectFigures m_shownFigures;
    qint64 lastBuildMs = 0;
    int refreshLimitMs = DefaultRefreshLimitMs;
    double panelShare = 1.0 / 3.0;
    QUndoStack *steps = nullptr;
    // The table shown in the panel; it goes with its node.
    QPointer<QTableWidget> panel;
    long long cellLimit = CashFlowReport::MostShownCells;
    QAction *flowAction;
    QAction *alternativeAction;
    QAction *removeAction;
    QAction *duplicateAction;
    // The node on which the context menu was opened; a new flow goes there.
    QTreeWidgetItem *menuNode = nullptr;
};

#endif // PROJECTWINDOW_H
