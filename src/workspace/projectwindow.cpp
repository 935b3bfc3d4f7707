#include "projectwindow.h"

#include "ui_projectwindow.h"

#include "anualidaditem.h"
#include "comparisonreport.h"
#include "aritmeticoitem.h"
#include "cashflowreport.h"
#include "cellcommand.h"
#include "dialogs.h"
#include "figuredelegate.h"
#include "figurereader.h"
#include "flowitem.h"
#include "geometricoitem.h"
#include "itemtypes.h"
#include "nodecommand.h"
#include "projectfile.h"
#include "projectitem.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

// The share of the window's width that the side panel takes.
const QString PanelShareKey = QStringLiteral("projectWindow/panelShare");
constexpr double DefaultPanelShare = 1.0 / 3.0;

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
    for (int g = 0; alternative && g < alternative->childCount(); ++g) {
        if (alternative->child(g)->type() == groupType)
            return alternative->child(g);
    }
    return nullptr;
}

const int GroupTypes[] = {IncomeGroupType, ExpenseGroupType};

FlowSnapshot flowSnapshotOf(const FlowItem *flow)
{
    const QTableWidget *table = flow->propertyTable();
    FlowSnapshot snapshot;
    snapshot.name = FigureReader::text(table, AnualidadItem::NameRow);
    snapshot.amount = FigureReader::text(table, AnualidadItem::PaymentRow);
    if (dynamic_cast<const AnualidadItem *>(flow)) {
        snapshot.payments = FigureReader::text(table, AnualidadItem::CountRow);
        snapshot.start = FigureReader::text(table, AnualidadItem::StartRow);
    } else {
        // Arithmetic and geometric flows share their rows.
        snapshot.kind = dynamic_cast<const GeometricoItem *>(flow)
            ? FlowSnapshot::Kind::Geometric
            : FlowSnapshot::Kind::Arithmetic;
        snapshot.change = FigureReader::text(table, AritmeticoItem::GradientRow);
        snapshot.payments = FigureReader::text(table, AritmeticoItem::CountRow);
        snapshot.start = FigureReader::text(table, AritmeticoItem::StartRow);
    }
    return snapshot;
}

QVector<FlowSnapshot> flowsOf(const QTreeWidgetItem *group)
{
    QVector<FlowSnapshot> flows;
    for (int f = 0; group && f < group->childCount(); ++f) {
        if (const FlowItem *flow = FlowItem::fromTreeItem(group->child(f)))
            flows.append(flowSnapshotOf(flow));
    }
    return flows;
}

QTableWidget *tableOf(QTreeWidgetItem *node)
{
    if (!node)
        return nullptr;
    if (node->type() == ProjectItemType) {
        auto *alternative = dynamic_cast<ProjectItem *>(node);
        return alternative ? alternative->propertyTable() : nullptr;
    }
    const FlowItem *flow = FlowItem::fromTreeItem(node);
    return flow ? flow->propertyTable() : nullptr;
}

// Closes the editors open on `table` without committing them: the table is
// about to go, and its edits with it.
void dropEditors(QTableWidget *table)
{
    if (!table)
        return;
    const auto editors =
        table->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors)
        emit table->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// Keeps a table's row labels as narrow as their texts: the header's own
// size reserves room that its labels never use.
void fitLabels(QTableWidget *table)
{
    QHeaderView *labels = table->verticalHeader();
    int widest = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (const QTableWidgetItem *label = table->verticalHeaderItem(row))
            widest = qMax(widest, labels->fontMetrics().horizontalAdvance(label->text()));
    }
    const int margin = labels->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, labels);
    labels->setMaximumWidth(widest + 3 * margin);
    // However narrow the panel, a value keeps room to be read.
    table->setMinimumWidth(labels->maximumWidth() + 120);
}

void dropEditorsUnder(QTreeWidgetItem *node)
{
    dropEditors(tableOf(node));
    for (int c = 0; c < node->childCount(); ++c)
        dropEditorsUnder(node->child(c));
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

    steps = new QUndoStack(this);
    connect(steps, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });

    flowAction = new QAction(tr("Añadir Flujo"), ui->twProjectList);
    alternativeAction = new QAction(tr("Añadir Alternativa"), ui->twProjectList);
    removeAction = new QAction(tr("Eliminar"), ui->twProjectList);
    duplicateAction = new QAction(tr("Duplicar alternativa"), ui->twProjectList);
    connect(flowAction, SIGNAL(triggered()), this, SLOT(askFlow()));
    connect(alternativeAction, SIGNAL(triggered()), this, SLOT(askAlternative()));
    connect(removeAction, SIGNAL(triggered()), this, SLOT(askRemove()));
    connect(duplicateAction, SIGNAL(triggered()), this, SLOT(askDuplicate()));
    // Supr on the tree removes the current node.
    removeAction->setShortcut(QKeySequence::Delete);
    removeAction->setShortcutContext(Qt::WidgetShortcut);
    ui->twProjectList->addAction(removeAction);

    // The name takes the width it needs, the description the rest; a node's
    // tooltip gives its whole name.
    ui->twProjectList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->twProjectList->header()->setStretchLastSection(true);
    // The panel takes a third of a new window, or the share the user last
    // dragged it to, whatever the window's size.
    bool read = false;
    panelShare = QSettings().value(PanelShareKey).toDouble(&read);
    if (!read || !(panelShare > 0.0 && panelShare < 1.0))
        panelShare = DefaultPanelShare;
    connect(ui->splitter, &QSplitter::splitterMoved, this, &ProjectWindow::keepSplitter);

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

    // A new project's first alternative uses the form's table, shown in the
    // panel; like any other, the table goes with its node.
    if (!project) {
        auto *first = new ProjectItem(ui->twProjectList, ProjectItemType);
        first->setTable(ui->twProperty);
        first->connectTable();
        watch(ui->twProperty);
        panel = ui->twProperty;
        panel->horizontalHeader()->setStretchLastSection(true);
        fitLabels(panel);
        return;
    }
    delete ui->twProperty;
    ui->twProperty = nullptr;
    for (int i = 0; i < project->alternatives.size(); ++i)
        insertAlternative(i, project->alternatives.at(i));
    if (ProjectItem *first = static_cast<ProjectItem *>(nodeAt({0, -1, -1})))
        showPropertyTable(first->propertyTable());
}

ProjectWindow::~ProjectWindow()
{
    // The tree and the undo stack go with the window's children; they must
    // not call back into a window that is already half destroyed.
    ui->twProjectList->disconnect(this);
    steps->disconnect(this);
    delete ui;
}

ProjectSnapshot ProjectWindow::snapshot() const
{
    ProjectSnapshot project;
    for (int i = 0; i < ui->twProjectList->topLevelItemCount(); ++i)
        project.alternatives.append(alternativeSnapshot(i));
    return project;
}

AlternativeSnapshot ProjectWindow::alternativeSnapshot(int index) const
{
    AlternativeSnapshot alternative;
    QTreeWidgetItem *node = nodeAt({index, -1, -1});
    const QTableWidget *table = tableOf(node);
    alternative.name = FigureReader::text(table, ProjectItem::NameRow);
    alternative.horizon = FigureReader::text(table, ProjectItem::PeriodsRow);
    alternative.rate = FigureReader::text(table, ProjectItem::RateRow);
    alternative.income = flowsOf(groupOf(node, IncomeGroupType));
    alternative.expenses = flowsOf(groupOf(node, ExpenseGroupType));
    return alternative;
}

FlowSnapshot ProjectWindow::flowSnapshot(const NodePlace &place) const
{
    const FlowItem *flow = place.isFlow() ? FlowItem::fromTreeItem(nodeAt(place)) : nullptr;
    return flow ? flowSnapshotOf(flow) : FlowSnapshot();
}

NodePlace ProjectWindow::placeOf(const QTreeWidgetItem *node) const
{
    NodePlace place;
    if (!node)
        return place;
    if (node->type() == ProjectItemType) {
        place.alternative = ui->twProjectList->indexOfTopLevelItem(
            const_cast<QTreeWidgetItem *>(node));
        return place;
    }
    const QTreeWidgetItem *group = node->parent();
    if (node->type() != FlowItemType || !group || !group->parent())
        return place;
    place.alternative = ui->twProjectList->indexOfTopLevelItem(group->parent());
    place.group = group->type() == IncomeGroupType ? 0 : 1;
    place.flow = group->indexOfChild(const_cast<QTreeWidgetItem *>(node));
    return place;
}

QTreeWidgetItem *ProjectWindow::nodeAt(const NodePlace &place) const
{
    if (!place.isValid() || place.group > 1)
        return nullptr;
    QTreeWidgetItem *alternative = ui->twProjectList->topLevelItem(place.alternative);
    if (!place.isFlow() || !alternative)
        return alternative;
    QTreeWidgetItem *group = groupOf(alternative, GroupTypes[place.group]);
    return group ? group->child(place.flow) : nullptr;
}

QUndoStack *ProjectWindow::undoStack() const
{
    return steps;
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
    steps->setClean();
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

void ProjectWindow::watch(QTableWidget *table)
{
    if (!table)
        return;
    connect(table, &QTableWidget::cellChanged, this, &ProjectWindow::projectChanged);
    // The delegate goes with its table, and the connection with it.
    if (auto *delegate = qobject_cast<FigureDelegate *>(table->itemDelegate())) {
        connect(delegate, &FigureDelegate::committed, this,
                [this, table](int row, const QString &before, const QString &after) {
                    cellCommitted(table, row, before, after);
                });
    }
}

void ProjectWindow::cellCommitted(QTableWidget *table, int row, const QString &before,
                                  const QString &after)
{
    QTreeWidgetItem *node = nodeOfTable(table);
    if (!node)
        return;
    const QTableWidgetItem *label = table->verticalHeaderItem(row);
    const QString text = tr("Editar %1 de «%2»")
                             .arg(label ? label->text() : QString::number(row), node->text(0));
    steps->push(new CellCommand(this, placeOf(node), row, before, after, text));
}

QTreeWidgetItem *ProjectWindow::nodeOfTable(const QTableWidget *table) const
{
    for (int a = 0; table && a < ui->twProjectList->topLevelItemCount(); ++a) {
        QTreeWidgetItem *alternative = ui->twProjectList->topLevelItem(a);
        if (tableOf(alternative) == table)
            return alternative;
        for (int g = 0; g < alternative->childCount(); ++g) {
            for (int f = 0; f < alternative->child(g)->childCount(); ++f) {
                if (tableOf(alternative->child(g)->child(f)) == table)
                    return alternative->child(g)->child(f);
            }
        }
    }
    return nullptr;
}

void ProjectWindow::setCellText(const NodePlace &place, int row, const QString &text)
{
    QTableWidget *table = tableOf(nodeAt(place));
    if (!table || FigureReader::text(table, row) == text)
        return;
    // An editor left open on the table would later commit what it showed
    // before this change, as a new step.
    dropEditors(table);
    ::setCellText(table, row, text);
}

void ProjectWindow::showPropertyTable(QTableWidget *table)
{
    if (!table || table == panel)
        return;
    if (panel) {
        panel->hide();
        ui->projectLayout->removeWidget(panel);
    }
    panel = table;
    // The value column takes the width the panel has; the labels no more
    // than they need.
    table->horizontalHeader()->setStretchLastSection(true);
    fitLabels(table);
    ui->projectLayout->addWidget(table);
    table->show();
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
    const int panel = int(total * panelShare + 0.5);
    ui->splitter->setSizes({total - panel, panel});
}

void ProjectWindow::on_twProjectList_customContextMenuRequested(QPoint pos)
{
    QTreeWidgetItem *node = ui->twProjectList->itemAt(pos);
    const QList<QAction *> actions = contextActions(node);
    menuNode = node;
    if (!actions.isEmpty())
        QMenu::exec(actions, ui->twProjectList->viewport()->mapToGlobal(pos), nullptr, nullptr);
    menuNode = nullptr;
}

QTreeWidgetItem *ProjectWindow::targetNode() const
{
    // Without a menu (an action triggered otherwise) the current node.
    return menuNode ? menuNode : ui->twProjectList->currentItem();
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
        if (!node)
            return {alternativeAction};
        return {alternativeAction, duplicateAction, removeAction};
    case FlowItemType:
        return {removeAction};
    default:
        return {};
    }
}

void ProjectWindow::askFlow()
{
    QTreeWidgetItem *group = targetNode();
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType))
        return;
    int kind = 0;
    if (Dialogs::instance()->flowKind(this, &kind))
        addFlow(group, kind);
}

void ProjectWindow::askRemove()
{
    removeNode(targetNode());
}

void ProjectWindow::askDuplicate()
{
    duplicateAlternative(targetNode());
}

FlowItem *ProjectWindow::addFlow(QTreeWidgetItem *group, int kind)
{
    if (!group || (group->type() != IncomeGroupType && group->type() != ExpenseGroupType)
        || kind < 0 || kind > 2)
        return nullptr;
    NodePlace place = placeOf(group->parent());
    if (!place.isValid())
        return nullptr;
    place.group = group->type() == IncomeGroupType ? 0 : 1;
    place.flow = group->childCount();
    FlowSnapshot flow;
    flow.kind = FlowSnapshot::Kind(kind);
    flow.name = FlowItem::defaultName();
    const QString text = group->type() == IncomeGroupType ? tr("Añadir ingreso a «%1»")
                                                          : tr("Añadir egreso a «%1»");
    steps->push(new NodeCommand(this, NodeCommand::Action::Insert, place, flow,
                                text.arg(group->parent()->text(0))));
    return FlowItem::fromTreeItem(nodeAt(place));
}

bool ProjectWindow::removeNode(QTreeWidgetItem *node)
{
    const NodePlace place = placeOf(node);
    if (!place.isValid())
        return false;
    const QString text = tr("Eliminar «%1»").arg(node->text(0));
    if (place.isFlow()) {
        steps->push(new NodeCommand(this, NodeCommand::Action::Remove, place, flowSnapshot(place),
                                    text));
    } else {
        steps->push(new NodeCommand(this, NodeCommand::Action::Remove, place,
                                    alternativeSnapshot(place.alternative), text));
    }
    return true;
}

ProjectItem *ProjectWindow::duplicateAlternative(QTreeWidgetItem *node)
{
    NodePlace place = placeOf(node);
    if (!place.isValid() || place.isFlow())
        return nullptr;
    AlternativeSnapshot copy = alternativeSnapshot(place.alternative);
    copy.name += tr(" (copia)");
    ++place.alternative;
    steps->push(new NodeCommand(this, NodeCommand::Action::Insert, place, copy,
                                tr("Duplicar «%1»").arg(node->text(0))));
    auto *added = static_cast<ProjectItem *>(nodeAt(place));
    ui->twProjectList->setCurrentItem(added);
    return added;
}

FlowItem *ProjectWindow::insertFlow(const NodePlace &place, const FlowSnapshot &snapshot)
{
    QTreeWidgetItem *group =
        place.isFlow() ? groupOf(nodeAt({place.alternative, -1, -1}), GroupTypes[place.group])
                       : nullptr;
    FlowItem *flow = group ? appendFlow(group, int(snapshot.kind)) : nullptr;
    if (!flow)
        return nullptr;
    if (place.flow < group->childCount() - 1)
        group->insertChild(place.flow, group->takeChild(group->childCount() - 1));
    fillFlow(flow->propertyTable(), snapshot);
    projectChanged();
    return flow;
}

ProjectItem *ProjectWindow::insertAlternative(int index, const AlternativeSnapshot &snapshot)
{
    QTreeWidget *tree = ui->twProjectList;
    auto *alternative = new ProjectItem(tree, ProjectItemType);
    alternative->createTable();
    watch(alternative->propertyTable());
    index = qBound(0, index, tree->topLevelItemCount() - 1);
    if (index < tree->topLevelItemCount() - 1) {
        tree->insertTopLevelItem(index, tree->takeTopLevelItem(tree->topLevelItemCount() - 1));
        // A node taken out of the tree forgets that it was open.
        alternative->setExpanded(true);
        for (int g = 0; g < alternative->childCount(); ++g)
            alternative->child(g)->setExpanded(true);
    }
    QTableWidget *table = alternative->propertyTable();
    alternative->setName(snapshot.name);
    ::setCellText(table, ProjectItem::PeriodsRow, snapshot.horizon);
    ::setCellText(table, ProjectItem::RateRow, snapshot.rate);
    const QVector<FlowSnapshot> *groups[] = {&snapshot.income, &snapshot.expenses};
    for (int g = 0; g < 2; ++g) {
        for (int f = 0; f < groups[g]->size(); ++f)
            insertFlow({index, g, f}, groups[g]->at(f));
    }
    projectChanged();
    return alternative;
}

void ProjectWindow::removeAt(const NodePlace &place)
{
    QTreeWidgetItem *node = nodeAt(place);
    if (!node)
        return;
    // When the current node goes, the next one of its kind becomes current,
    // else the one before, else what holds it.
    QTreeWidget *tree = ui->twProjectList;
    QTreeWidgetItem *current = tree->currentItem();
    while (current && current != node)
        current = current->parent();
    if (current) {
        QTreeWidgetItem *holder = node->parent();
        const int index = holder ? holder->indexOfChild(node) : tree->indexOfTopLevelItem(node);
        const int count = holder ? holder->childCount() : tree->topLevelItemCount();
        const int other = index + 1 < count ? index + 1 : index - 1;
        QTreeWidgetItem *next = other < 0 ? nullptr
            : holder                      ? holder->child(other)
                                          : tree->topLevelItem(other);
        if (!next && holder)
            next = holder->parent();
        tree->setCurrentItem(next);
    }
    dropEditorsUnder(node);
    delete node;
    // The panel showed a table that went: it shows the current node's, or
    // else the first alternative's.
    if (!panel) {
        QTreeWidgetItem *shown = tree->currentItem();
        if (shown && shown->type() != ProjectItemType && shown->type() != FlowItemType)
            shown = shown->parent();
        if (!shown)
            shown = tree->topLevelItem(0);
        showPropertyTable(tableOf(shown));
    }
    projectChanged();
}

FlowItem *ProjectWindow::appendFlow(QTreeWidgetItem *group, int kind)
{
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
    const int index = ui->twProjectList->topLevelItemCount();
    AlternativeSnapshot alternative;
    alternative.name = title;
    steps->push(new NodeCommand(this, NodeCommand::Action::Insert, {index, -1, -1}, alternative,
                                tr("Añadir «%1»").arg(title)));
    auto *added = static_cast<ProjectItem *>(nodeAt({index, -1, -1}));
    if (added)
        showPropertyTable(added->propertyTable());
    return added;
}

void ProjectWindow::on_twProjectList_currentItemChanged(QTreeWidgetItem *current,
                                                        QTreeWidgetItem *previous)
{
    Q_UNUSED(previous)
    // A group leaves the panel as it is.
    showPropertyTable(tableOf(current));
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
    return document(Report::CashFlows, figures());
}

ReportDocument ProjectWindow::comparisonDocument() const
{
    return document(Report::Comparison, figures());
}

ReportDocument ProjectWindow::document(Report report, const ProjectFigures &project) const
{
    return report == Report::CashFlows
        ? CashFlowReport::document(project, pictureWidth(), cellLimit)
        : ComparisonReport::document(project, pictureWidth());
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
    const ReportDocument built = document(report, m_shownFigures);
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
    for (const auto &image : built.images)
        page->addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
    ui->teReporte->setHtml(built.html);
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
    return panel;
}
