#include "listfill.h"

#include "listfilldialog.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "treecommands.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

ListFill::ListFill(QTableWidget *table, ProjectDocument *document, ProjectTree *tree,
                   TreeCommands *commands)
    : QObject(table)
    , table(table)
    , document(document)
    , projectTree(tree)
    , commands(commands)
    , action(new QAction(tr("Llenar…"), table))
{
    connect(action, &QAction::triggered, this, &ListFill::fill);
    action->setEnabled(false);
    connect(table, &QTableWidget::currentCellChanged, this,
            [this]() { this->action->setEnabled(onListCell()); });
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, &ListFill::showMenu);
}

ListFill::~ListFill() = default;

bool ListFill::onListCell() const
{
    const NodePlace place = projectTree->placeOf(projectTree->tree()->currentItem());
    const QVector<FigureReader::Kind> kinds = document->readings(place);
    const FigureReader::Kind kind = kinds.value(table->currentRow(), FigureReader::Kind::Text);
    return place.isReplacement()
        && (kind == FigureReader::Kind::AmountList || kind == FigureReader::Kind::ValueList);
}

void ListFill::showMenu(const QPoint &pos)
{
    const QModelIndex index = table->indexAt(pos);
    if (!index.isValid())
        return;
    table->setCurrentIndex(index);
    // Shown on every cell, greyed out where there is no list to fill.
    action->setEnabled(onListCell());
    QMenu::exec({action}, table->viewport()->mapToGlobal(pos), nullptr, table);
}

bool ListFill::fill()
{
    if (!onListCell())
        return false;
    const NodePlace place = projectTree->placeOf(projectTree->tree()->currentItem());
    const int row = table->currentRow();
    ListFillDialog dialog(table->window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString before = document->cellText(place, row);
    const QString after = dialog.list();
    if (after.isEmpty() || after == before)
        return false;
    commands->commitCell(place, row, before, after);
    return true;
}
