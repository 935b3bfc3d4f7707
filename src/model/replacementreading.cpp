#include "replacementreading.h"

#include "figurereader.h"
#include "replacementrows.h"
#include "reportformat.h"

#include <QVariant>

ReplacementFigures ReplacementReading::figures(const ReplacementSnapshot &analysis,
                                               QVector<ProjectFigures::UnreadCell> *unread)
{
    ReplacementFigures figures;
    figures.name = analysis.name;
    const auto read = [unread](const QString &typed, FigureReader::Kind kind, const QString &row,
                               const QString &node) {
        const FigureReader::Reading reading = FigureReader::read(typed, kind);
        if (unread && (FigureReader::isUnread(reading) || FigureReader::isEmptyFigure(typed, kind)))
            unread->append({typed, row, node});
        return reading;
    };
    const QStringList analysisRows = ReplacementRows::labels(-1);
    figures.rate = read(analysis.rate, FigureReader::Kind::Rate, analysisRows.at(1), analysis.name).value;
    for (int a = 0; a < 2; ++a) {
        const AssetSnapshot &typed = analysis.asset(a);
        const QStringList rows = ReplacementRows::labels(a);
        const QString node = typed.name.isEmpty() ? ReplacementRows::assetTitle(a) : typed.name;
        figures.assetNames[a] = typed.name;
        AssetFigures &asset = figures.assets[a];
        asset.first = read(typed.first, FigureReader::Kind::Amount, rows.at(1), node).value;
        const FigureReader::Reading values =
            read(typed.marketValues, FigureReader::Kind::ValueList, rows.at(2), node);
        read(typed.operatingCosts, FigureReader::Kind::AmountList, rows.at(3), node);
        for (const double v : FigureReader::listValues(typed.marketValues))
            asset.marketValues.push_back(v);
        for (const double c : FigureReader::listValues(typed.operatingCosts))
            asset.operatingCosts.push_back(c);
        const QString shown = ReportFormat::name(ReportFormat::shortened(node));
        if (asset.marketValues.size() != asset.operatingCosts.size()) {
            figures.problems << tr("«%1» tiene %2 valores de mercado y %3 costos de operación: "
                                   "se evalúan los primeros %4 años.")
                                    .arg(shown)
                                    .arg(asset.marketValues.size())
                                    .arg(asset.operatingCosts.size())
                                    .arg(asset.years());
        }
        if (values.problem == FigureReader::Problem::NegativeValue)
            figures.problems << tr("El valor de mercado %1 de «%2» es negativo.")
                                    .arg(values.item).arg(shown);
        if (asset.marketValues.empty() && asset.operatingCosts.empty())
            figures.problems << tr("«%1» no tiene listas de valores de mercado ni costos de operación.")
                                    .arg(shown);
    }
    return figures;
}
