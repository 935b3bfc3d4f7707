#include "propertypanel.h"

#include "figuredelegate.h"
#include "itemtypes.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "propertytable.h"

#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>

PropertyPanel::PropertyPanel(QTableWidget *table, ProjectDocument *document, ProjectTree *tree,
                             QObject *parent)
    : QObject(parent)
    , m_table(table)
    , document(document)
    , projectTree(tree)
{
    PropertyTable::flagFigures(table, {});
    // A text longer than its cell ends in "…" on one line, as the tree's do.
    table->setWordWrap(false);
    auto *delegate = static_cast<FigureDelegate *>(table->itemDelegate());
    connect(delegate, &FigureDelegate::committed, this,
            [this](int row, const QString &before, const QString &after) {
                if (shown)
                    emit committed(projectTree->placeOf(shown), row, before, after);
            });
    connect(document, &ProjectDocument::cellChanged, this, &PropertyPanel::cellChanged);
    connect(document, &ProjectDocument::projectReset, this, [this]() {
        shown = nullptr;
        nodeRemoved();
    });
    connect(tree, &ProjectTree::nodeRemoving, this, &PropertyPanel::nodeRemoving);
    connect(tree, &ProjectTree::nodeRemoved, this, &PropertyPanel::nodeRemoved);
    m_table->hide();
}

PropertyPanel::~PropertyPanel() = default;

void PropertyPanel::show(QTreeWidgetItem *node)
{
    if (!node || (node->type() != ProjectItemType && node->type() != FlowItemType
                  && node->type() != ReplacementItemType && node->type() != AssetItemType))
        return;
    if (node == shown)
        return;
    dropEditors();
    shown = node;
    fill();
}

void PropertyPanel::fill()
{
    const NodePlace place = projectTree->placeOf(shown);
    const QStringList labels = document->rowLabels(place);
    const QStringList help = document->rowHelp(place);
    const QSignalBlocker quiet(m_table);
    m_table->setRowCount(labels.size());
    for (int row = 0; row < labels.size(); ++row) {
        QTableWidgetItem *label = m_table->verticalHeaderItem(row);
        if (!label)
            m_table->setVerticalHeaderItem(row, new QTableWidgetItem(labels.at(row)));
        else if (label->text() != labels.at(row))
            label->setText(labels.at(row));
        m_table->verticalHeaderItem(row)->setToolTip(help.value(row));
        setCell(row, document->cellText(place, row));
    }
    PropertyTable::flagFigures(m_table, document->readings(place));
    PropertyTable::fitLabels(m_table);
    m_table->setVisible(shown != nullptr);
    m_table->viewport()->update();
}

void PropertyPanel::setCell(int row, const QString &text)
{
    // A cell nobody typed into stays without an item.
    if (QTableWidgetItem *cell = m_table->item(row, 0))
        cell->setData(Qt::DisplayRole, text);
    else if (!text.isEmpty())
        m_table->setItem(row, 0, new QTableWidgetItem(text));
}

void PropertyPanel::cellChanged(const NodePlace &place, int row)
{
    if (!shown || projectTree->nodeAt(place) != shown)
        return;
    const QString text = document->cellText(place, row);
    const QTableWidgetItem *cell = m_table->item(row, 0);
    if ((cell ? cell->data(Qt::DisplayRole).toString() : QString()) == text)
        return;
    // An editor left open would later commit what it showed before.
    dropEditors();
    setCell(row, text);
}

void PropertyPanel::nodeRemoving(QTreeWidgetItem *node)
{
    for (QTreeWidgetItem *under = shown; under; under = under->parent()) {
        if (under == node) {
            dropEditors();
            shown = nullptr;
            return;
        }
    }
}

void PropertyPanel::nodeRemoved()
{
    if (shown)
        return;
    // The panel showed a node that went: it shows the current node, or else
    // the first alternative.
    QTreeWidget *tree = projectTree->tree();
    QTreeWidgetItem *node = tree->currentItem();
    if (node && node->type() != ProjectItemType && node->type() != FlowItemType)
        node = node->parent();
    if (!node)
        node = tree->topLevelItem(0);
    if (node) {
        show(node);
        return;
    }
    m_table->hide();
}

void PropertyPanel::dropEditors()
{
    const auto editors =
        m_table->viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors)
        emit m_table->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
}
