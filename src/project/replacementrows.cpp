#include "replacementrows.h"

#include <QVariant>

namespace {

QString *field(ReplacementSnapshot *analysis, int asset, int row)
{
    if (asset < 0) {
        switch (row) {
        case ReplacementRows::AnalysisNameRow: return &analysis->name;
        case ReplacementRows::RateRow: return &analysis->rate;
        default: return nullptr;
        }
    }
    if (asset > 1)
        return nullptr;
    AssetSnapshot &typed = analysis->asset(asset);
    switch (row) {
    case ReplacementRows::NameRow: return &typed.name;
    case ReplacementRows::FirstRow: return &typed.first;
    case ReplacementRows::MarketValuesRow: return &typed.marketValues;
    case ReplacementRows::OperatingCostsRow: return &typed.operatingCosts;
    default: return nullptr;
    }
}

} // namespace

QStringList ReplacementRows::labels(int asset)
{
    if (asset < 0)
        return {tr("Nombre"), tr("Interés de Oportunidad")};
    if (asset > 1)
        return {};
    return {tr("Nombre"), asset == 0 ? tr("Valor de mercado hoy") : tr("Costo inicial"),
            tr("Valores de mercado"), tr("Costos de operación")};
}

QVector<FigureReader::Kind> ReplacementRows::readings(int asset)
{
    using K = FigureReader::Kind;
    if (asset < 0)
        return {K::Text, K::Rate};
    if (asset > 1)
        return {};
    return {K::Text, K::Amount, K::ValueList, K::AmountList};
}

QString ReplacementRows::text(const ReplacementSnapshot &analysis, int asset, int row)
{
    const QString *typed = field(const_cast<ReplacementSnapshot *>(&analysis), asset, row);
    return typed ? *typed : QString();
}

bool ReplacementRows::setText(ReplacementSnapshot *analysis, int asset, int row, const QString &text)
{
    QString *typed = field(analysis, asset, row);
    if (!typed)
        return false;
    *typed = text;
    return true;
}

bool ReplacementRows::holdsUnread(const ReplacementSnapshot &analysis, int asset)
{
    const QVector<FigureReader::Kind> kinds = readings(asset);
    for (int row = 0; row < kinds.size(); ++row) {
        const FigureReader::Reading reading = FigureReader::read(text(analysis, asset, row), kinds.at(row));
        if (FigureReader::isUnread(reading) || reading.problem == FigureReader::Problem::NegativeValue)
            return true;
    }
    return false;
}

QString ReplacementRows::assetTitle(int asset)
{
    return asset == 0 ? tr("Defensor") : tr("Retador");
}

bool ReplacementRows::listsAgree(const AssetSnapshot &asset)
{
    const int values = FigureReader::listItems(asset.marketValues).size();
    return values > 0 && values == FigureReader::listItems(asset.operatingCosts).size();
}
