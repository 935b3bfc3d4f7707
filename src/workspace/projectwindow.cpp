#include "projectwindow.h"

#include "ui_projectwindow.h"

#include "anualidaditem.h"
#include "comparisonreport.h"
#include "aritmeticoitem.h"
#include "cashflowreport.h"
#include "dialogs.h"
#include "flowitem.h"
#include "geometricoitem.h"
#include "itemtypes.h"
#include "projectfile.h"
#include "projectitem.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

QString cellText(const QTableWidget *table, int row)
{
    const QTableWidgetItem *cell = table ? table->item(row, 0) : nullptr;
    return cell ? cell->data(Qt::DisplayRole).toString() : QString();
}

// Puts `text` into cell (row, 0); an empty text into a cell that has no
// item leaves it so, as a cell nobody typed into.
void setCellText(QTableWidget *table, int row, const QString &text)
{
    if (QTableWidgetItem *cell = table->item(row, 0))
        cell->setData(Qt::DisplayRole, text);
    else if (!text.isEmpty())
        table->setItem(row, 0, new QTableWidgetItem(text));
}

QTreeWidgetItem *groupOf(QTreeWidgetItem *alternative, int groupType)
{
    for (int g = 0; g < alternative->childCount(); ++g) {
        if (alternative->child(g)->type() == groupType)
            return alternative->child(g);
    }
    return nullptr;
}

QVector<FlowSnapshot> flowsOf(const QTreeWidgetItem *group)
{
    QVector<FlowSnapshot> flows;
    for (int f = 0; group && f < group->childCount(); ++f) {
        const FlowItem *flow = FlowItem::fromTreeItem(group->child(f));
        if (!flow)
            continue;
        const QTableWidget *table = flow->propertyTable();
        FlowSnapshot snapshot;
        snapshot.name = cellText(table, AnualidadItem::NameRow);
        snapshot.amount = cellText(table, AnualidadItem::PaymentRow);
        if (dynamic_cast<const AnualidadItem *>(flow)) {
            snapshot.payments = cellText(table, AnualidadItem::CountRow);
            snapshot.start = cellText(table, AnualidadItem::StartRow);
        } else {
            // Arithmetic and geometric flows share their rows.
            snapshot.kind = dynamic_cast<const GeometricoItem *>(flow)
                ? FlowSnapshot::Kind::Geometric
                : FlowSnapshot::Kind::Arithmetic;
            snapshot.change = cellText(table, AritmeticoItem::GradientRow);
            snapshot.payments = cellText(table, AritmeticoItem::CountRow);
            snapshot.start = cellText(table, AritmeticoItem::StartRow);
        }
        flows.append(snapshot);
    }
    return flows;
}

void fillFlow(QTableWidget *table, const FlowSnapshot &flow)
{
    setCellText(table, AnualidadItem::NameRow, flow.name);
    setCellText(table, AnualidadItem::PaymentRow, flow.amount);
    if (flow.kind == FlowSnapshot::Kind::Uniform) {
        setCellText(table, AnualidadItem::CountRow, flow.payments);
        setCellText(table, AnualidadItem::StartRow, flow.start);
    } else {
        setCellText(table, AritmeticoItem::GradientRow, flow.change);
        setCellText(table, AritmeticoItem::CountRow, flow.payments);
        setCellText(table, AritmeticoItem::StartRow, flow.start);
    }
}

} // namespace

ProjectWindow::ProjectWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ProjectWindow)
{
    setUp(nullptr);
}

ProjectWindow::ProjectWindow(const ProjectSnapshot &project, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ProjectWindow)
{
    setUp(&project);
}

void ProjectWindow::setUp(const ProjectSnapshot *project)
{
    ui->setupUi(this);
    setFilePath(QString());

    flowAction = new QAction(tr("Añadir Flujo"), ui->twProjectList);
    alternativeAction = new QAction(tr("Añadir Alternativa"), ui->twProjectList);
    connect(flowAction, SIGNAL(triggered()), this, SLOT(askFlow()));
    connect(alternativeAction, SIGNAL(triggered()), this, SLOT(askAlternative()));

    ui->lbOutOfDate->hide();
    // A report taller than the area would otherwise bring the scroll bar in
    // while it is laid out, narrowing the page, and Qt would lay the whole
    // report out a second time; the pictures are drawn to the page's width.
    ui->teReporte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One rebuild for a burst of changes: the timer fires once the event
    // loop has handled them all.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(0);
    connect(refreshTimer, &QTimer::timeout, this, &ProjectWindow::refreshReport);

    // The first alternative uses the form's table, shown in the panel.
    if (!project || !project->alternatives.isEmpty()) {
        auto *first = new ProjectItem(ui->twProjectList, ProjectItemType);
        first->setTable(ui->twProperty);
        first->connectTable();
        watch(ui->twProperty);
    } else {
        ui->twProperty->hide();
    }
    if (!project)
        return;

    for (int i = 0; i < project->alternatives.size(); ++i) {
        const AlternativeSnapshot &alternative = project->alternatives.at(i);
        auto *item = i == 0 ? static_cast<ProjectItem *>(ui->twProjectList->topLevelItem(0))
                            : appendAlternative();
        QTableWidget *table = item->propertyTable();
        item->setName(alternative.name);
        setCellText(table, ProjectItem::PeriodsRow, alternative.horizon);
        setCellText(table, ProjectItem::RateRow, alternative.rate);
        const QPair<int, const QVector<FlowSnapshot> *> groups[] = {
            {IncomeGroupType, &alternative.income}, {ExpenseGroupType, &alternative.expenses}};
        for (const auto &group : groups) {
            QTreeWidgetItem *node = groupOf(item, group.first);
            for (const FlowSnapshot &flow : *group.second) {
                if (FlowItem *added = addFlow(node, int(flow.kind)))
                    fillFlow(added->propertyTable(), flow);
            }
        }
    }
    setWindowModified(false);
}

ProjectWindow::~ProjectWindow()
{
    // The tree goes with the window's children; it must not call back into a
    // window that is already half destroyed.
    ui->twProjectList->disconnect(this);
    delete ui;
}

ProjectSnapshot ProjectWindow::snapshot() const
{
    ProjectSnapshot project;
    for (int i = 0; i < ui->twProjectList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *node = ui->twProjectList->topLevelItem(i);
        const auto *item = node->type() == ProjectItemType ? dynamic_cast<ProjectItem *>(node)
                                                            : nullptr;
        if (!item)
            continue;
        AlternativeSnapshot alternative;
        alternative.name = cellText(item->propertyTable(), ProjectItem::NameRow);
        alternative.horizon = cellText(item->propertyTable(), ProjectItem::PeriodsRow);
        alternative.rate = cellText(item->propertyTable(), ProjectItem::RateRow);
        alternative.income = flowsOf(groupOf(node, IncomeGroupType));
        alternative.expenses = flowsOf(groupOf(node, ExpenseGroupType));
        project.alternatives.append(alternative);
    }
    return project;
}

void ProjectWindow::setFilePath(const QString &path)
{
    m_filePath = path;
    setWindowTitle(displayName() + QStringLiteral("[*]"));
}

QString ProjectWindow::displayName() const
{
    return m_filePath.isEmpty() ? tr("Proyecto") : QFileInfo(m_filePath).fileName();
}

bool ProjectWindow::save()
{
    return m_filePath.isEmpty() ? saveAs() : saveTo(m_filePath);
}

bool ProjectWindow::saveAs()
{
    QString proposed = m_filePath;
    if (proposed.isEmpty()) {
        const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        proposed = folder.filePath(tr("proyecto") + QStringLiteral(".quintavo"));
    }
    const QString path = Dialogs::instance()->saveFileName(this, proposed);
    return !path.isEmpty() && saveTo(path);
}

bool ProjectWindow::saveTo(const QString &path)
{
    QString error;
    if (!ProjectFile::write(path, snapshot(), &error)) {
        Dialogs::instance()->error(this, error);
        return false;
    }
    setFilePath(path);
    setWindowModified(false);
    emit saved(path);
    return true;
}

bool ProjectWindow::maySaveChanges()
{
    if (!isWindowModified())
        return true;
    switch (Dialogs::instance()->unsavedChanges(this, displayName())) {
    case Dialogs::Answer::Save:
        return save();
    case Dialogs::Answer::Discard:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void ProjectWindow::discardChanges()
{
    setWindowModified(false);
}

void ProjectWindow::closeEvent(QCloseEvent *event)
{
    if (maySaveChanges())
        event->accept();
    else
        event->ignore();
}

void ProjectWindow::markModified()
{
    setWindowModified(true);
}

void ProjectWindow::watch(QTableWidget *table)
{
    if (!table)
        return;
    connect(table, &QTableWidget::cellChanged, this, &ProjectWindow::markModified);
    connect(table, &QTableWidget::cellChanged, this, &ProjectWindow::projectChanged);
}

void ProjectWindow::showPropertyTable(QTableWidget *table)
{
    if (!table)
        return;
    ui->twProperty->hide();
    ui->projectLayout->removeWidget(ui->twProperty);
    ui->twProperty = table;
    ui->projectLayout->addWidget(table);
    table->setParent(this);
    table->show();
}

void ProjectWindow::on_twProjectList_customContextMenuRequested(QPoint pos)
{
    QTreeWidgetItem *node = ui->twProjectList->itemAt(pos);
    const QList<QAction *> actions = contextActions(node);
    flowGroup = actions.contains(flowAction) ? node : nullptr;
    if (!actions.isEmpty())
        QMenu::exec(actions, ui->twProjectList->viewport()->mapToGlobal(pos), nullptr, nullptr);
    flowGroup = nullptr;
}

QList<QAction *> ProjectWindow::contextActions(QTreeWidgetItem *node)
{
    switch (node ? node->type() : ProjectItemType) {
    case IncomeGroupType:
        flowAction->setText(tr("Añadir Ingreso"));
        return {flowAction};
    case ExpenseGroupType:
        flowAction->setText(tr("Añadir Egreso"));
        return {flowAction};
    case ProjectItemType:
        return {alternativeAction};
    default:
        return {};
    }
}

void ProjectWindow::askFlow()
{
    // The group is the one the menu was opened on; without a menu (the action
    // triggered otherwise) it is the current node, if that is a group.
    QTreeWidgetItem *group = flowGroup;
    if (!group)
        group = ui->twProjectList->currentItem();
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return;
    int kind = 0;
    if (Dialogs::instance()->flowKind(this, &kind))
        addFlow(group, kind);
}

FlowItem *ProjectWindow::addFlow(QTreeWidgetItem *group, int kind)
{
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return nullptr;
    auto *alternative = dynamic_cast<ProjectItem *>(group->parent());
    if (!alternative)
        return nullptr;
    QTableWidget *projectTable = alternative->propertyTable();
    FlowItem *flow = nullptr;
    switch (kind) {
    case 0:
        flow = new AnualidadItem(group, projectTable, FlowItemType);
        break;
    case 1:
        flow = new AritmeticoItem(group, projectTable, FlowItemType);
        break;
    case 2:
        flow = new GeometricoItem(group, projectTable, FlowItemType);
        break;
    default:
        return nullptr;
    }
    watch(flow->propertyTable());
    setWindowModified(true);
    projectChanged();
    return flow;
}

void ProjectWindow::askAlternative()
{
    addAlternative(Dialogs::instance()->alternativeTitle(this));
}

ProjectItem *ProjectWindow::addAlternative(const QString &title)
{
    if (title.isEmpty())
        return nullptr;
    ProjectItem *alternative = appendAlternative();
    alternative->setName(title);
    showPropertyTable(alternative->propertyTable());
    setWindowModified(true);
    projectChanged();
    return alternative;
}

ProjectItem *ProjectWindow::appendAlternative()
{
    auto *alternative = new ProjectItem(ui->twProjectList, ProjectItemType);
    alternative->createTable();
    watch(alternative->propertyTable());
    return alternative;
}

void ProjectWindow::on_twProjectList_currentItemChanged(QTreeWidgetItem *current,
                                                        QTreeWidgetItem *previous)
{
    Q_UNUSED(previous)
    if (!current)
        return;
    if (current->type() == ProjectItemType) {
        if (auto *alternative = dynamic_cast<ProjectItem *>(current))
            showPropertyTable(alternative->propertyTable());
    } else if (FlowItem *flow = FlowItem::fromTreeItem(current)) {
        showPropertyTable(flow->propertyTable());
    }
}

ProjectFigures ProjectWindow::figures() const
{
    ProjectFigures project;
    for (int i = 0; i < ui->twProjectList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *node = ui->twProjectList->topLevelItem(i);
        if (node->type() != ProjectItemType)
            continue;
        if (const auto *alternative = dynamic_cast<const ProjectItem *>(node))
            project.alternatives.append(alternative->figures(&project.unread));
    }
    return project;
}

ReportDocument ProjectWindow::cashFlowDocument() const
{
    return CashFlowReport::document(figures(), pictureWidth(), cellLimit);
}

ReportDocument ProjectWindow::comparisonDocument() const
{
    return ComparisonReport::document(figures(), pictureWidth());
}

int ProjectWindow::pictureWidth() const
{
    // The page inside the document's margins, a few pixels short of the
    // viewport so that a picture never calls for a horizontal scroll bar.
    const int page = ui->teReporte->viewport()->width()
        - 2 * static_cast<int>(std::ceil(ui->teReporte->document()->documentMargin())) - 4;
    return std::max(page, MinPictureWidth);
}

void ProjectWindow::showCashFlows()
{
    showReport(Report::CashFlows);
}

void ProjectWindow::showComparison()
{
    showReport(Report::Comparison);
}

void ProjectWindow::showReport(Report report)
{
    refreshTimer->stop();
    QElapsedTimer clock;
    clock.start();
    m_shownFigures = figures();
    const ReportDocument document = report == Report::CashFlows
        ? CashFlowReport::document(m_shownFigures, pictureWidth(), cellLimit)
        : ComparisonReport::document(m_shownFigures, pictureWidth());
    // A rebuild of the same report keeps the reader where they were.
    QScrollBar *across = ui->teReporte->horizontalScrollBar();
    QScrollBar *down = ui->teReporte->verticalScrollBar();
    const bool same = report == shown;
    const int x = across->value();
    const int y = down->value();
    // setHtml() keeps the resources of the previous report; clear() drops
    // them, so that only this report's pictures are held.
    QTextDocument *page = ui->teReporte->document();
    {
        // One change for the reader: the new report.
        const QSignalBlocker quiet(ui->teReporte);
        page->clear();
    }
    for (const auto &image : document.images)
        page->addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
    ui->teReporte->setHtml(document.html);
    if (same) {
        across->setValue(x);
        down->setValue(y);
    }
    shown = report;
    lastBuildMs = clock.elapsed();
    ui->lbOutOfDate->hide();
    emit reportShown();
}

void ProjectWindow::projectChanged()
{
    if (shown == Report::None || ui->lbOutOfDate->isVisibleTo(this))
        return;
    if (lastBuildMs < refreshLimitMs) {
        refreshTimer->start();
        return;
    }
    const QString button = shown == Report::CashFlows ? ui->pbVisualizar->text()
                                                      : ui->pbComparar->text();
    ui->lbOutOfDate->setText(
        tr("Los datos cambiaron desde este informe: pulse «%1» para actualizarlo.").arg(button));
    ui->lbOutOfDate->show();
}

void ProjectWindow::refreshReport()
{
    if (shown != Report::None)
        showReport(shown);
}

void ProjectWindow::setRefreshLimit(int milliseconds)
{
    refreshLimitMs = milliseconds;
}

void ProjectWindow::setCellLimit(long long cells)
{
    cellLimit = cells;
}

bool ProjectWindow::reportOutOfDate() const
{
    return ui->lbOutOfDate->isVisibleTo(this);
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
