#include "projectwindow.h"

#include "ui_projectwindow.h"

#include "anualidaditem.h"
#include "comparisonreport.h"
#include "figurereader.h"
#include "aritmeticoitem.h"
#include "cashflowreport.h"
#include "dialogs.h"
#include "flowitem.h"
#include "geometricoitem.h"
#include "itemtypes.h"
#include "projectitem.h"

#include <QAction>
#include <QMenu>

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
    switch (kind) {
    case 0:
        return new AnualidadItem(group, projectTable, FlowItemType);
    case 1:
        return new AritmeticoItem(group, projectTable, FlowItemType);
    case 2:
        return new GeometricoItem(group, projectTable, FlowItemType);
    default:
        return nullptr;
    }
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

QString ProjectWindow::cashFlowDocument() const
{
    QString document = CashFlowReport::documentStart();
    for (int i = 0; i < ui->twProjectList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *node = ui->twProjectList->topLevelItem(i);
        if (node->type() != ProjectItemType)
            continue;
        if (const auto *alternative = dynamic_cast<const ProjectItem *>(node))
            document += alternative->cashFlowTable();
    }
    return document + CashFlowReport::documentEnd();
}

QString ProjectWindow::comparisonDocument() const
{
    ComparisonReport report;
    for (int i = 0; i < ui->twProjectList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *node = ui->twProjectList->topLevelItem(i);
        if (node->type() != ProjectItemType)
            continue;
        const auto *alternative = dynamic_cast<const ProjectItem *>(node);
        if (!alternative)
            continue;
        const double income = alternative->incomePresentValue();
        const double expenses = alternative->expensePresentValue();
        report.addAlternative(FigureReader::text(alternative->propertyTable(), ProjectItem::NameRow),
                              income, expenses);
    }
    return report.document();
}

void ProjectWindow::showCashFlows()
{
    ui->teReporte->setHtml(cashFlowDocument());
}

void ProjectWindow::showComparison()
{
    ui->teReporte->setHtml(comparisonDocument());
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
