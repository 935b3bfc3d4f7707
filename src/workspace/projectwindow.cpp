#include "projectwindow.h"

#include "ui_projectwindow.h"

#include "anualidaditem.h"
#include "comparisonreport.h"
#include "figurereader.h"
#include "aritmeticoitem.h"
#include "cashflowreport.h"
#include "flowitem.h"
#include "geometricoitem.h"
#include "itemtypes.h"
#include "projectitem.h"

#include <QAction>
#include <QInputDialog>
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
    connect(flowAction, SIGNAL(triggered()), this, SLOT(addFlow()));
    connect(alternativeAction, SIGNAL(triggered()), this, SLOT(addAlternative()));

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

void ProjectWindow::addFlow()
{
    // The group is the one the menu was opened on; without a menu (the action
    // triggered otherwise) it is the current node, if that is a group.
    QTreeWidgetItem *group = flowGroup;
    if (!group)
        group = ui->twProjectList->currentItem();
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return;

    const QStringList kinds = {tr("Pago Anualidad"), tr("Pago con incremento Aritmético"),
                               tr("Pago con incremento geométrico")};
    bool ok = false;
    const QString kind = QInputDialog::getItem(this, tr("Añadir Flujo"), tr("Tipo de Pago:"),
                                               kinds, 0, false, &ok);
    if (!ok)
        return;

    auto *alternative = dynamic_cast<ProjectItem *>(group->parent());
    if (!alternative)
        return;
    QTableWidget *projectTable = alternative->propertyTable();
    if (kind == kinds.at(0))
        new AnualidadItem(group, projectTable, FlowItemType);
    else if (kind == kinds.at(1))
        new AritmeticoItem(group, projectTable, FlowItemType);
    else if (kind == kinds.at(2))
        new GeometricoItem(group, projectTable, FlowItemType);
}

void ProjectWindow::addAlternative()
{
    const QString title = QInputDialog::getText(this, tr("Añadir Alternativa"),
                                                tr("Título Alternativa"), QLineEdit::Normal,
                                                QString());
    if (title.isEmpty())
        return;

    auto *alternative = new ProjectItem(ui->twProjectList, ProjectItemType);
    alternative->createTable();
    alternative->setName(title);
    showPropertyTable(alternative->propertyTable());
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

void ProjectWindow::on_pbVisualizar_clicked()
{
    ui->teReporte->setHtml(cashFlowDocument());
}

void ProjectWindow::on_pbComparar_clicked()
{
    ui->teReporte->setHtml(comparisonDocument());
}
