#ifndef REPLACEMENTROWS_H
#define REPLACEMENTROWS_H

#include "figurereader.h"
#include "replacementsnapshot.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

// The rows of a replacement analysis's nodes: the analysis ("Nombre",
// "Interés de Oportunidad"), its "Defensor" ("Nombre", "Valor de mercado
// hoy", "Valores de mercado", "Costos de operación") and its "Retador"
// ("Nombre", "Costo inicial", the same lists). `asset` is -1 for the
// analysis, 0 for the defender, 1 for the challenger.
class ReplacementRows
{
    Q_DECLARE_TR_FUNCTIONS(ReplacementRows)

public:
    enum AssetRow { NameRow = 0, FirstRow = 1, MarketValuesRow = 2, OperatingCostsRow = 3 };
    enum AnalysisRow { AnalysisNameRow = 0, RateRow = 1 };

    static QStringList labels(int asset);
    static QVector<FigureReader::Kind> readings(int asset);
    // The text of row `row`; null for no such row.
    static QString text(const ReplacementSnapshot &analysis, int asset, int row);
    // False for no such row.
    static bool setText(ReplacementSnapshot *analysis, int asset, int row, const QString &text);
    static bool holdsUnread(const ReplacementSnapshot &analysis, int asset);
    // Whether both lists of an asset hold the same number of items, at least one.
    static bool listsAgree(const AssetSnapshot &asset);
    // "Defensor", "Retador".
    static QString assetTitle(int asset);
};

#endif // REPLACEMENTROWS_H
