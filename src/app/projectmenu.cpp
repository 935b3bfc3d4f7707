#include "projectmenu.h"

#include "itemtypes.h"
#include "projectdocument.h"
#include "projectwindow.h"
#include "treecommands.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QTreeWidgetItem *currentNode(ProjectWindow *project)
{
    return project->tree()->currentItem();
}

bool isAlternative(ProjectWindow *project)
{
    const QTreeWidgetItem *node = currentNode(project);
    return node && node->type() == ProjectItemType;
}

bool inAlternative(ProjectWindow *project)
{
    return TreeCommands::groupOf(currentNode(project), 0) != nullptr;
}

bool removable(ProjectWindow *project)
{
    const QTreeWidgetItem *node = currentNode(project);
    return node && (node->type() == ProjectItemType || node->type() == FlowItemType
                    || node->type() == ReplacementItemType);
}

} // namespace

ProjectMenu::ProjectMenu(QMenu *menu, QToolBar *toolBar, const QList<QAction *> &fileActions,
                         QWidget *parent)
    : QObject(parent)
    , menu(menu)
{
    QAction *alternative =
        add(QStringLiteral("action_Anadir_alternativa"), tr("Añadir &alternativa"), {},
            [](ProjectWindow *w) { w->commands()->askAlternative(); });
    add(QStringLiteral("action_Anadir_reemplazo"), tr("Añadir análisis de &reemplazo"), {},
        [](ProjectWindow *w) { w->commands()->addReplacement(); });
    QAction *income = add(QStringLiteral("action_Anadir_ingreso"), tr("Añadir &ingreso…"), {},
                          [](ProjectWindow *w) { w->commands()->askFlowUnder(currentNode(w), 0); },
                          inAlternative);
    QAction *expense = add(QStringLiteral("action_Anadir_egreso"), tr("Añadir &egreso…"), {},
                           [](ProjectWindow *w) { w->commands()->askFlowUnder(currentNode(w), 1); },
                           inAlternative);
    add(QStringLiteral("action_Duplicar_alternativa"), tr("&Duplicar alternativa"), {},
        [](ProjectWindow *w) { w->commands()->duplicateAlternative(currentNode(w)); }, isAlternative);
    QAction *remove = add(QStringLiteral("action_Eliminar"), tr("E&liminar"),
                          QKeySequence::Delete,
                          [](ProjectWindow *w) { w->commands()->removeNode(currentNode(w)); },
                          removable);
    // Supr removes a node where the tree has the focus (TreeCommands); here
    // it is only shown, so that it never takes the key from a cell or the report.
    remove->setShortcutContext(Qt::WidgetShortcut);
    menu->addSeparator();
    QAction *cashFlows = add(QStringLiteral("action_Visualizar"), tr("&Visualizar"),
                             QKeySequence(tr("Ctrl+1")),
                             [](ProjectWindow *w) { w->showCashFlows(); });
    QAction *comparison = add(QStringLiteral("action_Comparar"), tr("&Comparar"),
                              QKeySequence(tr("Ctrl+2")),
                              [](ProjectWindow *w) { w->showComparison(); });
    add(QStringLiteral("action_Detallar"), tr("De&tallar"), QKeySequence(tr("Ctrl+3")),
        [](ProjectWindow *w) { w->showWorkedSolution(); });
    add(QStringLiteral("action_Sensibilidad"), tr("&Sensibilidad"), QKeySequence(tr("Ctrl+4")),
        [](ProjectWindow *w) { w->showSensitivity(); });

    if (fileActions.size() == 3) {
        fileActions.at(0)->setIcon(icon(QStringLiteral("document-new"), QStyle::SP_FileIcon));
        fileActions.at(1)->setIcon(icon(QStringLiteral("document-open"), QStyle::SP_DialogOpenButton));
        fileActions.at(2)->setIcon(icon(QStringLiteral("document-save"), QStyle::SP_DialogSaveButton));
    }
    alternative->setIcon(icon(QStringLiteral("list-add"), QStyle::SP_FileDialogNewFolder));
    income->setIcon(icon(QStringLiteral("go-up"), QStyle::SP_ArrowUp));
    expense->setIcon(icon(QStringLiteral("go-down"), QStyle::SP_ArrowDown));
    remove->setIcon(icon(QStringLiteral("edit-delete"), QStyle::SP_TrashIcon));
    cashFlows->setIcon(icon(QStringLiteral("x-office-spreadsheet"), QStyle::SP_FileDialogDetailedView));
    comparison->setIcon(icon(QStringLiteral("view-list-details"), QStyle::SP_FileDialogContentsView));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addActions(fileActions);
    toolBar->addSeparator();
    toolBar->addActions({alternative, income, expense, remove});
    toolBar->addSeparator();
    toolBar->addActions({cashFlows, comparison});
    connect(menu, &QMenu::aboutToShow, this, &ProjectMenu::update);
    update();
}

ProjectMenu::~ProjectMenu() = default;

QIcon ProjectMenu::icon(const QString &themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(themeName, QApplication::style()->standardIcon(fallback));
}

QAction *ProjectMenu::add(const QString &name, const QString &text, const QKeySequence &keys,
                          const Operation &operation, const Applies &applies)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, operation]() {
        if (project)
            operation(project);
        update();
    });
    menu->addAction(action);
    entries.append({action, applies});
    return action;
}

QAction *ProjectMenu::action(const QString &objectName) const
{
    for (const auto &entry : entries) {
        if (entry.first->objectName() == objectName)
            return entry.first;
    }
    return nullptr;
}

void ProjectMenu::setProject(ProjectWindow *active)
{
    if (active == project && !followed.isEmpty())
        return;
    for (const QMetaObject::Connection &connection : qAsConst(followed))
        disconnect(connection);
    followed.clear();
    project = active;
    if (active) {
        followed << connect(active->tree(), &QTreeWidget::currentItemChanged, this,
                            &ProjectMenu::update);
        followed << connect(active->document(), &ProjectDocument::changed, this,
                            &ProjectMenu::update);
    }
    update();
}

void ProjectMenu::update()
{
    for (const auto &entry : qAsConst(entries))
        entry.first->setEnabled(project && (!entry.second || entry.second(project)));
}
