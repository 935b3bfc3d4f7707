#ifndef PROJECTWINDOW_H
#define PROJECTWINDOW_H

#include "projectfigures.h"
#include "projectsnapshot.h"
#include "reportdocument.h"
#include "reportpane.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class FileState;
class ProjectDocument;
class ProjectTree;
class PropertyPanel;
class QAction;
class QCloseEvent;
class QResizeEvent;
class QTableWidget;
class QTextEdit;
class ListFill;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;
class SensitivityControls;
class QPushButton;
class TreeCommands;
class Ui_ProjectWindow;

// One open project: the report area on the left; on the right, past a
// splitter the user can drag, the buttons "Visualizar" and "Comparar", the
// controls of "Sensibilidad" (SensitivityControls), the
// tree of alternatives and flows, and the property panel that shows the
// cells of the current node.
//
// The project itself is the window's ProjectDocument; the tree
// (ProjectTree), the panel (PropertyPanel) and the report area (ReportPane)
// show it. Every change the user makes is a step of the window's undo stack
// (TreeCommands) that changes the document: a committed cell edit, adding,
// duplicating or removing a node. The file and the modified marker are
// FileState's.
class ProjectWindow : public QWidget
{
    Q_OBJECT

public:
    using Report = ReportPane::Report;

    // A new project with one alternative.
    explicit ProjectWindow(QWidget *parent = nullptr);
    // The project `project` describes, unmodified; with no alternative the
    // tree starts empty.
    explicit ProjectWindow(const ProjectSnapshot &project, QWidget *parent = nullptr);
    ~ProjectWindow() override;

    ProjectDocument *document() const { return m_document; }
    // Every alternative and flow in tree order, with the cell texts as typed.
    const ProjectSnapshot &snapshot() const;

    // The file: see FileState.
    QString filePath() const;
    void setFilePath(const QString &path);
    QString displayName() const;
    QString projectName() const;
    bool save();
    bool saveAs();
    bool saveTo(const QString &path);
    bool maySaveChanges();
    void discardChanges();
    void markModified();

    // The tree's commands, each one step of the undo stack.
    TreeCommands *commands() const { return m_commands; }
    QList<QAction *> contextActions(QTreeWidgetItem *node);
    QUndoStack *undoStack() const { return steps; }
    // "Llenar…" on a list cell of the panel.
    ListFill *listFill() const { return m_listFill; }

    // The reports: see ReportPane.
    ReportPane *reports() const { return pane; }
    ProjectFigures figures() const;
    ReportDocument cashFlowDocument() const;
    ReportDocument comparisonDocument() const;
    void showCashFlows();
    void showComparison();
    // "Detallar": how each figure of "Comparar" comes out.
    void showWorkedSolution();
    ReportDocument workedSolutionDocument() const;
    QPushButton *workedSolutionButton() const { return detail; }
    // "Sensibilidad" with the settings of its controls; a long simulation
    // goes on in the background and shows the report when it ends.
    void showSensitivity();
    ReportDocument sensitivityDocument() const;
    SensitivityControls *sensitivityControls() const { return sensitivity; }
    Report shownReport() const;
    const ProjectFigures &shownFigures() const;
    void setRefreshLimit(int milliseconds);
    void setCellLimit(long long cells);
    long long cellsLimit() const;
    bool reportOutOfDate() const;

    QTreeWidget *tree() const;
    ProjectTree *projectTree() const { return m_tree; }
    PropertyPanel *propertyPanel() const { return panel; }
    QTextEdit *report() const;
    // The property panel's table; it shows whichever node is current.
    QTableWidget *panelTable() const;

signals:
    // The project was written to `path`.
    void saved(const QString &path);
    // A report was put into the report area (built or built again).
    void reportShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_twProjectList_customContextMenuRequested(QPoint pos);
    void on_twProjectList_currentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void on_pbVisualizar_clicked();
    void on_pbComparar_clicked();

private:
    void setUp(const ProjectSnapshot &project);
    void keepSplitter();
    void connectSensitivity();

    Ui_ProjectWindow *ui;
    ProjectDocument *m_document = nullptr;
    QUndoStack *steps = nullptr;
    ProjectTree *m_tree = nullptr;
    PropertyPanel *panel = nullptr;
    TreeCommands *m_commands = nullptr;
    ListFill *m_listFill = nullptr;
    ReportPane *pane = nullptr;
    SensitivityControls *sensitivity = nullptr;
    QPushButton *detail = nullptr;
    FileState *file = nullptr;
    double panelShare = 1.0 / 3.0;
};

#endif // PROJECTWINDOW_H
