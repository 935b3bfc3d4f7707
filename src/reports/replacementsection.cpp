#include "replacementsection.h"

#include "replacementchart.h"
#include "replacementdecision.h"
#include "replacementsentence.h"
#include "reportformat.h"
#include "reportmarkup.h"

const QString ReplacementSection::ImagePrefix = QStringLiteral("quintavo:replacement");

namespace {

using M = ReportMarkup;

// A figure aligned by its cell: Qt lays out a cell holding a paragraph of its
// own (M::valueCell) far slower, and these tables run to thousands of cells.
QString figure(const QString &text)
{
    return QStringLiteral("<td align=\"right\">%1</td>").arg(text);
}

QString lifeTable(const std::vector<LifeRow> &rows, int best, const std::vector<double> *marginal)
{
    const auto tr = [](const char *text) { return ReplacementSection::tr(text); };
    QString html = M::tableStart() + M::rowStart(M::HeaderColour);
    // Two lines each, so that the table fits beside the tree.
    for (const char *label : {QT_TRANSLATE_NOOP("ReplacementSection", "Años<br>(k)"),
                              QT_TRANSLATE_NOOP("ReplacementSection", "Valor de<br>mercado"),
                              QT_TRANSLATE_NOOP("ReplacementSection", "Costo de<br>operación"),
                              QT_TRANSLATE_NOOP("ReplacementSection", "Recuperación<br>de capital"),
                              QT_TRANSLATE_NOOP("ReplacementSection", "Costo de operación<br>equivalente"),
                              QT_TRANSLATE_NOOP("ReplacementSection", "CAUE(k)")})
        html += M::headerCell(tr(label));
    if (marginal)
        html += M::headerCell(tr("Costo marginal<br>del año"));
    html += M::rowEnd();
    html.reserve(html.size() + int(rows.size()) * 400);
    for (int k = 0; k < int(rows.size()); ++k) {
        if (k >= ReplacementSection::MostRows && k != best)
            continue;
        const LifeRow &row = rows[k];
        html += k == best ? M::figureRowStart(M::AnnualWorthColour) : M::figureRowStart();
        html += figure(ReportFormat::wholeNumber(row.years))
            + figure(ReportFormat::amount(row.marketValue))
            + figure(ReportFormat::amount(row.operatingCost))
            + figure(ReportFormat::amount(row.capitalRecovery))
            + figure(ReportFormat::amount(row.operatingAnnual));
        html += k == best ? figure(QStringLiteral("<b>%1</b>")
                                       .arg(ReportFormat::amount(row.annualCost) + tr(" ◀ mínimo")))
                          : figure(ReportFormat::amount(row.annualCost));
        if (marginal)
            html += figure(ReportFormat::amount((*marginal)[k]));
        html += M::rowEnd();
    }
    html += M::tableEnd();
    if (int(rows.size()) > ReplacementSection::MostRows)
        html += M::paragraph(tr("Se muestran las primeras %1 vidas de %2 y la de menor costo.")
                                 .arg(ReplacementSection::MostRows)
                                 .arg(rows.size()));
    return html;
}

} // namespace

QString ReplacementSection::assetName(const ReplacementFigures &analysis, int index)
{
    const QString &name = analysis.assetNames[index];
    return name.isEmpty() ? (index == 0 ? tr("Defensor") : tr("Retador")) : name;
}

void ReplacementSection::append(ReportDocument *document,
                                const QVector<ReplacementFigures> &analyses, int pictureWidth)
{
    QString &html = document->html;
    const QString end = M::documentEnd();
    const bool closed = html.endsWith(end);
    if (closed)
        html.chop(end.size());
    for (int a = 0; a < analyses.size(); ++a) {
        const ReplacementFigures &analysis = analyses.at(a);
        const QString names[2] = {assetName(analysis, 0), assetName(analysis, 1)};
        html += M::boldParagraph(tr("Análisis de reemplazo «%1», i = %2")
                                     .arg(ReportFormat::name(analysis.name),
                                          ReportFormat::rate(analysis.rate)));
        for (const QString &problem : analysis.problems)
            html += M::warningParagraph(problem);
        const ReplacementDecision d =
            ReplacementDecision::decide(analysis.assets[0], analysis.assets[1], analysis.rate);
        const std::vector<LifeRow> *tables[2] = {&d.defender, &d.challenger};
        const int best[2] = {d.defenderBest, d.challengerBest};
        for (int k = 0; k < 2; ++k) {
            html += M::paragraph((k == 0 ? tr("Defensor «%1», valor de mercado hoy %2:")
                                         : tr("Retador «%1», costo inicial %2:"))
                                     .arg(ReportFormat::name(names[k]),
                                          ReportFormat::amount(analysis.assets[k].first)));
            if (tables[k]->empty()) {
                html += M::warningParagraph(tr("Sin años que evaluar: escriba sus valores de mercado "
                                               "y costos de operación."));
                continue;
            }
            html += lifeTable(*tables[k], best[k], k == 0 ? &d.marginal : nullptr);
            const LifeRow &least = (*tables[k])[best[k]];
            html += M::paragraph(tr("Vida económica de «%1»: %2, con un costo anual de %3.")
                                     .arg(ReportFormat::name(names[k]),
                                          ReplacementSentence::years(least.years),
                                          ReportFormat::amount(least.annualCost)));
        }
        const QString sentence =
            ReplacementSentence::of(d, names[0], names[1], QStringLiteral("<br>"));
        if (!sentence.isEmpty()) {
            html += M::boldParagraph(sentence);
            const QImage picture = ReplacementChart::render(d, names[0], names[1], pictureWidth);
            const QString name = ImagePrefix + QString::number(a + 1);
            document->images.append({name, picture});
            html += M::image(name, picture.size());
        }
    }
    if (closed)
        html += end;
}
