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
    const auto note = [unread](const FigureReader::Reading &reading, const QString &typed,
                               FigureReader::Kind kind, const QString &row, const QString &node) {
        if (unread && (FigureReader::isUnread(reading) || FigureReader::isEmptyFigure(typed, kind)))
            unread->append({typed, row, node});
    };
    const auto read = [&note](const QString &typed, FigureReader::Kind kind, const QString &row,
                              const QString &node) {
        const FigureReader::Reading reading = FigureReader::read(typed, kind);
        note(reading, typed, kind, row, node);
        return reading;
    };
    // A list read once: its figures, and its reading noted as read() notes it.
    const auto readList = [&note](const QString &typed, FigureReader::Kind kind, const QString &row,
                                  const QString &node, std::vector<double> *figures,
                                  FigureReader::Reading *reading) {
        const QVector<double> values = FigureReader::listValues(typed, kind, reading);
        figures->assign(values.cbegin(), values.cend());
        note(*reading, typed, kind, row, node);
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
        FigureReader::Reading values, costs;
        readList(typed.marketValues, FigureReader::Kind::ValueList, rows.at(2), node,
                 &asset.marketValues, &values);
        readList(typed.operatingCosts, FigureReader::Kind::AmountList, rows.at(3), node,
                 &asset.operatingCosts, &costs);
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
