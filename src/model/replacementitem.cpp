#include "replacementitem.h"

#include "figurereader.h"
#include "itemtypes.h"
#include "nodedescription.h"
#include "propertytable.h"
#include "replacementrows.h"
#include "reportformat.h"
#include "reportmarkup.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QVariant>

namespace {

void paintRow(QTreeWidgetItem *item, const char *colour)
{
    const QBrush brush(QColor(colour), Qt::SolidPattern);
    item->setBackground(0, brush);
    item->setBackground(1, brush);
}

void describe(QTreeWidgetItem *node, bool flagged, const QString &description)
{
    PropertyTable::markNode(node, flagged);
    node->setText(1, description);
    node->setToolTip(1, description);
}

} // namespace

ReplacementItem::ReplacementItem()
    : QTreeWidgetItem(ReplacementItemType)
{
    paintRow(this, ReportMarkup::RateOfReturnColour);
    for (int a = 0; a < 2; ++a)
        paintRow(new QTreeWidgetItem(this, AssetItemType), ReportMarkup::PaybackColour);
}

ReplacementItem::~ReplacementItem() = default;

void ReplacementItem::show(const ReplacementSnapshot &analysis)
{
    setData(0, Qt::DisplayRole, analysis.name);
    const FigureReader::Reading rate = FigureReader::read(analysis.rate, FigureReader::Kind::Rate);
    describe(this, FigureReader::isUnread(rate),
             QCoreApplication::translate("ReplacementItem", "i = %1").arg(ReportFormat::rate(rate.value)));
    for (int a = 0; a < 2; ++a) {
        const AssetSnapshot &typed = analysis.asset(a);
        QTreeWidgetItem *node = asset(a);
        const QString title = ReplacementRows::assetTitle(a);
        node->setData(0, Qt::DisplayRole,
                      typed.name.isEmpty() ? title : title + QStringLiteral(": ") + typed.name);
        const FigureReader::Reading first = FigureReader::read(typed.first, FigureReader::Kind::Amount);
        const int years = std::min(FigureReader::listItems(typed.marketValues).size(),
                                   FigureReader::listItems(typed.operatingCosts).size());
        describe(node, ReplacementRows::holdsUnread(analysis, a) || !ReplacementRows::listsAgree(typed),
                 QCoreApplication::translate("ReplacementItem", "P %1, %2 años")
                     .arg(ReportFormat::amount(first.value)).arg(years));
    }
}
