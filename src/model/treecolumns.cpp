#include "treecolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

TreeColumns::TreeColumns(QTreeWidget *tree)
    : QObject(tree)
    , tree(tree)
    , later(new QTimer(this))
{
    later->setSingleShot(true);
    later->setInterval(0);
    connect(later, &QTimer::timeout, this, &TreeColumns::fit);
    QHeaderView *header = tree->header();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setStretchLastSection(true);
    tree->setTextElideMode(Qt::ElideRight);
    QAbstractItemModel *nodes = tree->model();
    const auto refit = [this]() { later->start(); };
    connect(nodes, &QAbstractItemModel::rowsInserted, this, refit);
    connect(nodes, &QAbstractItemModel::rowsRemoved, this, refit);
    connect(nodes, &QAbstractItemModel::dataChanged, this, refit);
    connect(nodes, &QAbstractItemModel::modelReset, this, refit);
    connect(tree, &QTreeWidget::itemExpanded, this, refit);
    viewport = tree->viewport();
    viewport->installEventFilter(this);
    later->start();
}

TreeColumns::~TreeColumns() = default;

void TreeColumns::fit()
{
    const int room = tree->viewport()->width();
    if (room <= 0)
        return;
    tree->resizeColumnToContents(0);
    const int most = static_cast<int>(room * MostNameShare);
    if (tree->header()->sectionSize(0) > most)
        tree->header()->resizeSection(0, std::max(1, most));
}

bool TreeColumns::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport && event->type() == QEvent::Resize)
        later->start();
    return QObject::eventFilter(watched, event);
}
