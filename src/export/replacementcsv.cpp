#include "replacementcsv.h"

#include "flowscsv.h"
#include "replacementdecision.h"
#include "replacementsection.h"
#include "reportformat.h"

#include <QStringList>

QString ReplacementCsv::lines(const QVector<ReplacementFigures> &analyses, const QString &end)
{
    if (analyses.isEmpty())
        return QString();
    const QString comma = QStringLiteral(",");
    QStringList header;
    for (const char *label :
         {QT_TR_NOOP("Análisis de reemplazo"), QT_TR_NOOP("Interés de Oportunidad"),
          QT_TR_NOOP("Activo"), QT_TR_NOOP("Nombre"), QT_TR_NOOP("Años (k)"),
          QT_TR_NOOP("Valor de mercado"), QT_TR_NOOP("Costo de operación"),
          QT_TR_NOOP("Recuperación de capital"), QT_TR_NOOP("Costo de operación equivalente"),
          QT_TR_NOOP("CAUE(k)"), QT_TR_NOOP("Mínimo"), QT_TR_NOOP("Costo marginal del año")})
        header << FlowsCsv::textField(tr(label));
    QString csv = end + header.join(comma) + end;
    const auto number = [](double value) { return ReportFormat::exact(0.0 + value); };
    for (const ReplacementFigures &analysis : analyses) {
        const ReplacementDecision d =
            ReplacementDecision::decide(analysis.assets[0], analysis.assets[1], analysis.rate);
        const std::vector<LifeRow> *tables[2] = {&d.defender, &d.challenger};
        const int best[2] = {d.defenderBest, d.challengerBest};
        for (int asset = 0; asset < 2; ++asset) {
            const QString lead = FlowsCsv::textField(analysis.name) + comma
                + number(analysis.rate) + comma
                + FlowsCsv::textField(asset == 0 ? tr("Defensor") : tr("Retador")) + comma
                + FlowsCsv::textField(ReplacementSection::assetName(analysis, asset)) + comma;
            const std::vector<LifeRow> &rows = *tables[asset];
            for (int k = 0; k < int(rows.size()); ++k) {
                const LifeRow &row = rows[k];
                QStringList fields{ReportFormat::exact(row.years), number(row.marketValue),
                                   number(row.operatingCost), number(row.capitalRecovery),
                                   number(row.operatingAnnual), number(row.annualCost),
                                   k == best[asset] ? FlowsCsv::textField(tr("mínimo")) : QString()};
                fields << (asset == 0 && k < int(d.marginal.size()) ? number(d.marginal[k])
                                                                     : QString());
                csv += lead + fields.join(comma) + end;
            }
        }
    }
    return csv;
}
