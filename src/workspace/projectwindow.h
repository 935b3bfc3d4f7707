#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include "cashflowreport.h"
#include "projectfigures.h"
#include "reportdocument.h"
#include "projectsnapshot.h"

#include <QPoint>
#include <QString>
#include <QWidget>

class FlowItem;
class ProjectItem;
class QAction;
class QCloseEvent;
class QTableWidget;
class QTimer;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class Ui_ProjectWindow;

// One open project: the report area on the left; on the right the buttons
// "Visualizar" and "Comparar", the tree of alternatives and flows, and the
// property panel that shows the table of the current node.
//
// The window's title is its file's name ("Proyecto" until first saved) with
// the modified marker: editing a cell or adding a node sets it, saving
// clears it, and closing a modified window asks what to do with it.
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

    // Puts `table` into the property panel; the window owns it from then on.
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

private slots:
    void refreshReport();
    void markModified();
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void askFlow();
    void askAlternative();
    void on_twProjectList_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_pbVisualizar_clicked();
    void on_pbComparar_clicked();

private:
    void showReport(Report report);
    void setUp(const ProjectSnapshot *project);
    // Appends an alternative node with a table of its own, unshown.
    ProjectItem *appendAlternative();
    // Marks the project modified whenever a cell of `table` changes.
    void watch(QTableWidget *table);

    Ui_ProjectWindow *ui;
    QString m_filePath;
    QTimer *refreshTimer = nullptr;
    Report shown = Report::None;
    ProjectFigures m_shownFigures;
    qint64 lastBuildMs = 0;
    int refreshLimitMs = DefaultRefreshLimitMs;
    long long cellLimit = CashFlowReport::MostShownCells;
    QAction *flowAction;
    QAction *alternativeAction;
    // The group on which the context menu was opened; the new flow goes there.
    QTreeWidgetItem *flowGroup = nullptr;
};

#endif // PROJECTWINDOW_H
