#include "projectwindow.h"

#include "listfill.h"

#include "ui_projectwindow.h"

#include "filestate.h"
#include "projectdocument.h"
#include "projectitem.h"
#include "projecttree.h"
#include "propertypanel.h"
#include "reportkey.h"
#include "sensitivitycontrols.h"
#include "sensitivityrun.h"
#include "treecolumns.h"
#include "treecommands.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QSettings>
#include <QUndoStack>

namespace {

// The share of the window's width that the side panel takes.
const QString PanelShareKey = QStringLiteral("projectWindow/panelShare");
constexpr double DefaultPanelShare = 1.0 / 3.0;

// A new project: one alternative with the next default name.
ProjectSnapshot newProject()
{
    ProjectSnapshot project;
    project.alternatives.append(AlternativeSnapshot());
    project.alternatives.first().name = ProjectItem::nextDefaultName();
    return project;
}

} // namespace

ProjectWindow::ProjectWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ProjectWindow)
{
    setUp(newProject());
}

ProjectWindow::ProjectWindow(const ProjectSnapshot &project, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ProjectWindow)
{
    setUp(project);
}

void ProjectWindow::setUp(const ProjectSnapshot &project)
{
    ui->setupUi(this);
    m_document = new ProjectDocument(this);
    m_document->setProject(project);
    steps = new QUndoStack(this);
    file = new FileState(this, m_document, steps);
    connect(file, &FileState::saved, this, &ProjectWindow::saved);
    file->setExtraKeys([this]() { return ReportKey::of(this); });

    new TreeColumns(ui->twProjectList);
    m_tree = new ProjectTree(ui->twProjectList, m_document, this);
    panel = new PropertyPanel(ui->twProperty, m_document, m_tree, this);
    m_commands = new TreeCommands(this, m_document, m_tree, panel, steps);
    connect(panel, &PropertyPanel::committed, m_commands, &TreeCommands::commitCell);
    m_listFill = new ListFill(ui->twProperty, m_document, m_tree, m_commands);
    // A click shows the node clicked, also the one already current.
    connect(ui->twProjectList, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *node) { panel->show(node); });

    sensitivity = new SensitivityControls(this);
    ui->projectLayout->insertWidget(ui->projectLayout->indexOf(ui->pbComparar) + 1, sensitivity);
    detail = new QPushButton(tr("Detallar"), this);
    detail->setObjectName(QStringLiteral("pbDetallar"));
    ui->projectLayout->insertWidget(ui->projectLayout->indexOf(ui->pbComparar) + 1, detail);
    connect(detail, &QPushButton::clicked, this, &ProjectWindow::showWorkedSolution);
    pane = new ReportPane(ui->teReporte, ui->lbOutOfDate, m_document,
                          [this](Report report) {
                              if (report == Report::Sensitivity)
                                  return sensitivity->button()->text();
                              if (report == Report::WorkedSolution)
                                  return detail->text();
                              return report == Report::CashFlows ? ui->pbVisualizar->text()
                                                                 : ui->pbComparar->text();
                          },
                          this);
    connect(pane, &ReportPane::reportShown, this, &ProjectWindow::reportShown);
    connectSensitivity();
    connect(m_document, &ProjectDocument::changed, pane, &ReportPane::projectChanged);

    // The panel takes a third of a new window, or the share the user last
    // dragged it to, whatever the window's size.
    bool read = false;
    panelShare = QSettings().value(PanelShareKey).toDouble(&read);
    if (!read || !(panelShare > 0.0 && panelShare < 1.0))
        panelShare = DefaultPanelShare;
    connect(ui->splitter, &QSplitter::splitterMoved, this, &ProjectWindow::keepSplitter);

    // The panel starts on the first alternative.
    panel->show(ui->twProjectList->topLevelItem(0));
}

ProjectWindow::~ProjectWindow()
{
    // The tree and the undo stack go with the window's children; they must
    // not call back into a window that is already half destroyed.
    ui->twProjectList->disconnect(this);
    steps->disconnect(this);
    m_document->disconnect();
    delete ui;
}

const ProjectSnapshot &ProjectWindow::snapshot() const
{
    return m_document->project();
}

QString ProjectWindow::filePath() const
{
    return file->filePath();
}

void ProjectWindow::setFilePath(const QString &path)
{
    file->setFilePath(path);
}

QString ProjectWindow::displayName() const
{
    return file->displayName();
}

QString ProjectWindow::projectName() const
{
    return file->projectName();
}

bool ProjectWindow::save()
{
    return file->save();
}

bool ProjectWindow::saveAs()
{
    return file->saveAs();
}

bool ProjectWindow::saveTo(const QString &path)
{
    return file->saveTo(path);
}

bool ProjectWindow::maySaveChanges()
{
    return file->maySaveChanges();
}

void ProjectWindow::discardChanges()
{
    file->discardChanges();
}

void ProjectWindow::markModified()
{
    file->markModified();
}

void ProjectWindow::closeEvent(QCloseEvent *event)
{
    if (maySaveChanges())
        event->accept();
    else
        event->ignore();
}

void ProjectWindow::keepSplitter()
{
    const QList<int> sizes = ui->splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (total <= 0)
        return;
    panelShare = double(sizes.value(1)) / total;
    QSettings().setValue(PanelShareKey, panelShare);
}

void ProjectWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The layout has resized the splitter already.
    const int total = ui->splitter->width() - ui->splitter->handleWidth();
    const int side = int(total * panelShare + 0.5);
    ui->splitter->setSizes({total - side, side});
}

void ProjectWindow::on_twProjectList_customContextMenuRequested(QPoint pos)
{
    m_commands->showMenu(pos);
}

QList<QAction *> ProjectWindow::contextActions(QTreeWidgetItem *node)
{
    return m_commands->contextActions(node);
}

void ProjectWindow::on_twProjectList_currentItemChanged(QTreeWidgetItem *current,
                                                        QTreeWidgetItem *previous)
{
    Q_UNUSED(previous)
    // A group leaves the panel as it is.
    if (panel)
        panel->show(current);
}

ProjectFigures ProjectWindow::figures() const
{
    return pane->figures();
}

ReportDocument ProjectWindow::cashFlowDocument() const
{
    return pane->document(Report::CashFlows);
}

ReportDocument ProjectWindow::comparisonDocument() const
{
    return pane->document(Report::Comparison);
}

void ProjectWindow::showCashFlows()
{
    pane->show(Report::CashFlows);
}

void ProjectWindow::showComparison()
{
    pane->show(Report::Comparison);
}

void ProjectWindow::showWorkedSolution()
{
    pane->show(Report::WorkedSolution);
}

ReportDocument ProjectWindow::workedSolutionDocument() const
{
    return pane->document(Report::WorkedSolution);
}

ProjectWindow::Report ProjectWindow::shownReport() const
{
    return pane->shown();
}

const ProjectFigures &ProjectWindow::shownFigures() const
{
    return pane->shownFigures();
}

void ProjectWindow::setRefreshLimit(int milliseconds)
{
    pane->setRefreshLimit(milliseconds);
}

void ProjectWindow::setCellLimit(long long cells)
{
    pane->setCellLimit(cells);
}

long long ProjectWindow::cellsLimit() const
{
    return pane->cellsLimit();
}

bool ProjectWindow::reportOutOfDate() const
{
    return pane->outOfDate();
}

void ProjectWindow::connectSensitivity()
{
    SensitivityRun *run = pane->sensitivityRun();
    connect(sensitivity, &SensitivityControls::requested, this, &ProjectWindow::showSensitivity);
    // A new seed remakes the report it is shown in.
    connect(sensitivity, &SensitivityControls::seedChanged, this, [this] {
        if (pane->shown() == Report::Sensitivity)
            showSensitivity();
    });
    connect(sensitivity, &SensitivityControls::cancelRequested, pane, [this] {
        pane->cancelSensitivity();
        sensitivity->hideProgress();
    });
    connect(run, &SensitivityRun::progressed, sensitivity, &SensitivityControls::showProgress);
    connect(run, &SensitivityRun::finished, sensitivity, &SensitivityControls::hideProgress);
    // Another report shown cancels the simulation under way.
    connect(pane, &ReportPane::reportShown, sensitivity, &SensitivityControls::hideProgress);
}

void ProjectWindow::showSensitivity()
{
    pane->setSensitivitySettings(sensitivity->settings());
    sensitivity->hideProgress();
    pane->show(Report::Sensitivity);
}

ReportDocument ProjectWindow::sensitivityDocument() const
{
    pane->setSensitivitySettings(sensitivity->settings());
    return pane->document(Report::Sensitivity);
}

void ProjectWindow::on_pbVisualizar_clicked()
{
    showCashFlows();
}

void ProjectWindow::on_pbComparar_clicked()
{
    showComparison();
}

QTreeWidget *ProjectWindow::tree() const
{
    return ui->twProjectList;
}

QTextEdit *ProjectWindow::report() const
{
    return ui->teReporte;
}

QTableWidget *ProjectWindow::panelTable() const
{
    return ui->twProperty;
}
