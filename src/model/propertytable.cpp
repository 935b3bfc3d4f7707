#include "propertytable.h"

#include "figuredelegate.h"
#include "flowkind.h"
#include "projectdocument.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>
#include <QTreeWidgetItem>

void PropertyTable::flagFigures(QTableWidget *table, const QVector<FigureReader::Kind> &rowKinds)
{
    if (!table)
        return;
    if (auto *flags = qobject_cast<FigureDelegate *>(table->itemDelegate())) {
        flags->setRowKinds(rowKinds);
        return;
    }
    table->setItemDelegate(new FigureDelegate(rowKinds, table));
}

void PropertyTable::fitLabels(QTableWidget *table)
{
    table->horizontalHeader()->setStretchLastSection(true);
    // The header's own size reserves room that its labels never use.
    // The label of the current row is drawn in bold: measured so, none is clipped.
    QHeaderView *labels = table->verticalHeader();
    QFont bold = labels->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (const QTableWidgetItem *label = table->verticalHeaderItem(row))
            widest = qMax(widest, metrics.horizontalAdvance(label->text()));
    }
    const int margin = labels->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, labels);
    labels->setMinimumWidth(widest + 3 * margin);
    labels->setMaximumWidth(widest + 3 * margin);
    // However narrow the panel, a value keeps room to be read; the same
    // room whichever node it shows, so that the report beside it keeps its width.
    int anyWidest = 0;
    for (const FlowKind *kind : FlowKind::all()) {
        for (int row = 0; row < kind->rowCount(); ++row)
            anyWidest = qMax(anyWidest, metrics.horizontalAdvance(kind->rowLabel(row)));
    }
    for (int row = 0; !ProjectDocument::alternativeRowLabel(row).isEmpty(); ++row)
        anyWidest = qMax(anyWidest, metrics.horizontalAdvance(ProjectDocument::alternativeRowLabel(row)));
    table->setMinimumWidth(qMax(widest, anyWidest) + 3 * margin + 120);
}

void PropertyTable::markNode(QTreeWidgetItem *node, bool holdsUnread)
{
    if (!node)
        return;
    const QString name = node->text(0);
    if (!holdsUnread) {
        node->setData(0, Qt::ForegroundRole, QVariant());
        node->setData(0, Qt::DecorationRole, QVariant());
        node->setToolTip(0, name);
        return;
    }
    node->setForeground(0, QColor(FigureDelegate::UnreadableHighlight));
    node->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
    node->setToolTip(0, name + QLatin1Char('\n')
                           + QCoreApplication::translate("PropertyTable",
                                                         "Hay cifras que se leen como 0"));
}
