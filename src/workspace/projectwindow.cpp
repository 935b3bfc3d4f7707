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
#include "projectitem.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

ProjectWindow::ProjectWindow(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_ProjectWindow)
{
    ui->setupUi(this);

    auto *first = new ProjectItem(ui->twProjectList, ProjectItemType);
    first->setTable(ui->twProperty);

    flowAction = new QAction(tr("Añadir Flujo"), ui->twProjectList);
    alternativeAction = new QAction(tr("Añadir Alternativa"), ui->twProjectList);
    connect(flowAction, SIGNAL(triggered()), this, SLOT(askFlow()));
    connect(alternativeAction, SIGNAL(triggered()), this, SLOT(askAlternative()));

    first->connectTable();

    ui->lbOutOfDate->hide();
    // One rebuild for a burst of changes: the timer fires once the event
    // loop has handled them all.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(0);
    connect(refreshTimer, &QTimer::timeout, this, &ProjectWindow::refreshReport);
    connect(ui->twProperty, &QTableWidget::cellChanged, this, &ProjectWindow::projectChanged,
            Qt::UniqueConnection);
}

ProjectWindow::~ProjectWindow()
{
    // The tree goes with the window's children; it must not call back into a
    // window that is already half destroyed.
    ui->twProjectList->disconnect(this);
    delete ui;
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
    connect(table, &QTableWidget::cellChanged, this, &ProjectWindow::projectChanged,
            Qt::UniqueConnection);
}

void ProjectWindow::on_twProjectList_customContextMenuRequested(QPoint pos)
{
    QList<QAction *> actions;
    flowGroup = nullptr;
    if (QTreeWidgetItem *node = ui->twProjectList->itemAt(pos)) {
        switch (node->type()) {
        case IncomeGroupType:
            flowAction->setText(tr("Añadir Ingreso"));
            flowGroup = node;
            actions << flowAction;
            break;
        case ExpenseGroupType:
            flowAction->setText(tr("Añadir Egreso"));
            flowGroup = node;
            actions << flowAction;
            break;
        case ProjectItemType:
            actions << alternativeAction;
            break;
        default:
            break;
        }
    } else {
        actions << alternativeAction;
    }

    if (!actions.isEmpty())
        QMenu::exec(actions, ui->twProjectList->viewport()->mapToGlobal(pos), nullptr, nullptr);
    flowGroup = nullptr;
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
    auto *alternative = new ProjectItem(ui->twProjectList, ProjectItemType);
    alternative->createTable();
    alternative->setName(title);
    showPropertyTable(alternative->propertyTable());
    projectChanged();
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

QString ProjectWindow::cashFlowDocument() const
{
    return CashFlowReport::document(figures());
}

QString ProjectWindow::comparisonDocument() const
{
    return ComparisonReport::document(figures());
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
    const QString document =
        report == Report::CashFlows ? cashFlowDocument() : comparisonDocument();
    // A rebuild of the same report keeps the reader where they were.
    QScrollBar *across = ui->teReporte->horizontalScrollBar();
    QScrollBar *down = ui->teReporte->verticalScrollBar();
    const bool same = report == shown;
    const int x = across->value();
    const int y = down->value();
    ui->teReporte->setHtml(document);
    if (same) {
        across->setValue(x);
        down->setValue(y);
    }
    shown = report;
    lastBuildMs = clock.elapsed();
    ui->lbOutOfDate->hide();
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
