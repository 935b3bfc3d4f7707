#include "replacementformula.h"

#include "replacementdecision.h"
#include "replacementsection.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "worthformula.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

using M = ReportMarkup;
using F = ReportFormat;

QString costLines(const AssetFigures &asset, const std::vector<LifeRow> &rows, double i)
{
    QStringList lines;
    const QString rate = WorthFormula::percent(i);
    double present = 0;
    for (const LifeRow &row : rows) {
        const int k = row.years;
        if (k > ReplacementSection::MostRows)
            break;
        const double grown = std::expm1(k * std::log1p(i));
        const double recovery = i == 0 ? 1.0 / k : i * (grown + 1) / grown;
        const double sinking = i == 0 ? 1.0 / k : i / grown;
        present += row.operatingCost / (grown + 1);
        const QString ap = QStringLiteral("(A/P, %1, %2)").arg(rate).arg(k);
        lines << ReplacementFormula::tr("CAUE(%1) = %2 × %3 − %4 × %5 + %6 × %3 = %2 × %7 − %4 × %8 + "
                                        "%6 × %7 = %9")
                     .arg(QString::number(k), F::amount(asset.first), ap, F::amount(row.marketValue),
                          QStringLiteral("(A/F, %1, %2)").arg(rate).arg(k), F::amount(present),
                          WorthFormula::factor(recovery), WorthFormula::factor(sinking),
                          F::amount(row.annualCost));
    }
    return lines.join(QStringLiteral("<br>"));
}

} // namespace

QString ReplacementFormula::markup(const QVector<ReplacementFigures> &analyses)
{
    QString html;
    for (const ReplacementFigures &analysis : analyses) {
        const ReplacementDecision d =
            ReplacementDecision::decide(analysis.assets[0], analysis.assets[1], analysis.rate);
        html += M::tableStart()
            + M::bandRow(M::RateOfReturnColour, 1,
                         tr("Análisis de reemplazo «%1», i = %2")
                             .arg(F::name(analysis.name), WorthFormula::percent(analysis.rate)))
            + M::tableEnd();
        const std::vector<LifeRow> *tables[2] = {&d.defender, &d.challenger};
        for (int a = 0; a < 2; ++a) {
            html += M::paragraph(tr("«%1»: VPk = c1 × (P/F, i, 1) + … + ck × (P/F, i, k)")
                                     .arg(F::name(ReplacementSection::assetName(analysis, a))));
            if (!tables[a]->empty())
                html += M::paragraph(costLines(analysis.assets[a], *tables[a], analysis.rate));
        }
        QStringList lines;
        double before = analysis.assets[0].first;
        for (int k = 0; k < std::min(int(d.marginal.size()), ReplacementSection::MostRows); ++k) {
            const LifeRow &row = d.defender[k];
            lines << tr("CM(%1) = (%2 − %3) + %4 × %2 + %5 = %6")
                         .arg(QString::number(k + 1), F::amount(before), F::amount(row.marketValue),
                              QString::number(analysis.rate, 'g', 6), F::amount(row.operatingCost),
                              F::amount(d.marginal[k]));
            before = row.marketValue;
        }
        if (!lines.isEmpty())
            html += M::paragraph(tr("Costo marginal del defensor, año k: CM(k) = (MV(k−1) − MVk) + i × "
                                    "MV(k−1) + ck")
                                 + QStringLiteral("<br>") + lines.join(QStringLiteral("<br>")));
    }
    return html;
}
