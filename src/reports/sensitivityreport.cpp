#include "sensitivityreport.h"

#include "breakeven.h"
#include "decisionrule.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "reportnotice.h"
#include "risksection.h"
#include "sensitivity.h"
#include "spiderplot.h"
#include "spiderseries.h"
#include "tornadochart.h"

#include <cmath>

namespace {

const QString dash = QStringLiteral("\u2014");

QString pictureName(const char *kind, int alternative)
{
    return QStringLiteral("quintavo:%1-%2").arg(QLatin1String(kind)).arg(alternative);
}

} // namespace

Estimates SensitivityReport::estimatesOf(const AlternativeFigures &alternative)
{
    Estimates figures;
    figures.horizon = alternative.horizon;
    figures.perpetual = alternative.perpetual;
    figures.rate = alternative.rate;
    figures.income = AlternativeFigures::figuresOf(alternative.income);
    figures.expenses = AlternativeFigures::figuresOf(alternative.expenses);
    if (alternative.afterTax()) {
        // The decision flow above is varied through what it is made of.
        figures.afterTax = true;
        figures.typed.taxRate = alternative.taxRate;
        figures.typed.income = AlternativeFigures::figuresOf(alternative.typedIncome);
        figures.typed.expenses = AlternativeFigures::figuresOf(alternative.typedExpenses);
        for (const AlternativeFigures::Asset &asset : alternative.assets)
            figures.typed.assets.push_back(asset.terms);
        for (const AlternativeFigures::Loan &loan : alternative.loans)
            figures.typed.loans.push_back(loan.terms);
    }
    return figures;
}

std::vector<Estimates> SensitivityReport::estimatesOf(const ProjectFigures &project)
{
    std::vector<Estimates> all;
    for (const AlternativeFigures &alternative : project.alternatives)
        all.push_back(estimatesOf(alternative));
    return all;
}

MonteCarlo SensitivityReport::simulation(const ProjectFigures &project, double variation)
{
    return MonteCarlo(estimatesOf(project), variation);
}

QString SensitivityReport::plainLabel(const AlternativeFigures &alternative,
                                      const Estimate &estimate)
{
    switch (estimate.field) {
    case Estimate::Rate:
        return tr("Interés de Oportunidad");
    case Estimate::TaxRate:
        return tr("Tasa de Impuestos");
    case Estimate::AssetCost:
        return tr("%1: costo").arg(ReportFormat::shortened(alternative.assets.at(estimate.flow).name));
    case Estimate::AssetSale:
        return tr("%1: valor de venta")
            .arg(ReportFormat::shortened(alternative.assets.at(estimate.flow).name));
    case Estimate::LoanRate:
        return tr("%1: tasa").arg(ReportFormat::shortened(alternative.loans.at(estimate.flow).name));
    case Estimate::Amount:
    case Estimate::Change:
        break;
    }
    // After taxes the typed flows come first in the decision flow, in order.
    const auto &flows = estimate.expense ? alternative.expenses : alternative.income;
    const AlternativeFigures::Flow &flow = flows.at(estimate.flow);
    const QString name = QStringLiteral("«%1»").arg(ReportFormat::shortened(flow.name));
    if (estimate.field == Estimate::Amount)
        return name;
    return flow.figures.kind == CashFlow::Geometric ? tr("Crecimiento de %1").arg(name)
                                                    : tr("Gradiente de %1").arg(name);
}

QString SensitivityReport::label(const AlternativeFigures &alternative, const Estimate &estimate)
{
    return plainLabel(alternative, estimate).toHtmlEscaped();
}

QString SensitivityReport::value(const Estimates &figures, const Estimate &estimate, double value)
{
    return estimate.isRate(figures) ? ReportFormat::rate(value) : ReportFormat::amount(value);
}

QString SensitivityReport::change(double fraction)
{
    if (!std::isfinite(fraction))
        return dash;
    const QString sign = fraction < 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    return sign + ReportFormat::percent(std::fabs(fraction), 1);
}

ReportDocument SensitivityReport::document(const ProjectFigures &project, const Settings &settings,
                                           const MonteCarlo::Outcome *outcome, int pictureWidth)
{
    using M = ReportMarkup;
    ReportDocument document;
    const std::vector<Estimates> all = estimatesOf(project);
    std::vector<long long> horizons;
    for (const Estimates &figures : all)
        horizons.push_back(figures.horizonKey());
    const bool annual = DecisionRule::byAnnualWorth(horizons);
    std::vector<double> measures;
    for (const Estimates &figures : all)
        measures.push_back(figures.measure(annual));
    const int best = DecisionRule::best(measures);

    const QString percent = ReportFormat::percent(settings.variation, 0);
    QString html = M::documentStart() + ReportNotice::unreadCells(project.unread);
    html += M::paragraph(tr("Cada cifra varía sola un %1 por debajo y por encima de su valor; "
                            "las demás quedan como se escribieron.")
                             .arg(percent));
    for (int a = 0; a < project.alternatives.size(); ++a) {
        html += alternativeSection(project, a, all, best, annual, settings, pictureWidth, &document);
        if (outcome)
            html += RiskSection::alternativePart(a, *outcome, pictureWidth, &document);
    }
    if (outcome)
        html += RiskSection::projectPart(project, *outcome, settings, annual);
    else if (settings.outOfMemory)
        html += M::warningParagraph(tr("Las %1 simulaciones no caben en la memoria: pruebe con "
                                       "menos.")
                                        .arg(ReportFormat::count(settings.draws)));
    html += M::documentEnd();
    document.html = html;
    return document;
}

QString SensitivityReport::alternativeSection(const ProjectFigures &project, int index,
                                              const std::vector<Estimates> &all, int best,
                                              bool annual, const Settings &settings,
                                              int pictureWidth, ReportDocument *document)
{
    using M = ReportMarkup;
    const AlternativeFigures &alternative = project.alternatives.at(index);
    const Estimates &figures = all[static_cast<size_t>(index)];
    const double vpn = figures.netWorth();
    const std::vector<Sensitivity::Line> lines = Sensitivity::of(figures, settings.variation);
    const QString name = ReportFormat::name(alternative.name);
    const QString percent = ReportFormat::percent(settings.variation, 0);

    // 1. Each figure varied alone.
    QString html = M::tableStart() + M::bandRow(M::AlternativeColour, 6, name);
    html += M::rowStart(M::HeaderColour) + M::headerCell(tr("Cifra")) + M::headerCell(tr("Valor"))
        + M::headerCell(tr("VPN con \u2212%1").arg(percent)) + M::headerCell(tr("VPN"))
        + M::headerCell(tr("VPN con +%1").arg(percent)) + M::headerCell(tr("Amplitud"))
        + M::rowEnd();
    QVector<TornadoChart::Bar> bars;
    for (const Sensitivity::Line &line : lines) {
        html += M::figureRowStart() + M::labelCell(label(alternative, line.estimate))
            + M::valueCell(value(figures, line.estimate, line.typed))
            + M::valueCell(ReportFormat::amount(line.vpnLow))
            + M::valueCell(ReportFormat::amount(vpn))
            + M::valueCell(ReportFormat::amount(line.vpnHigh))
            + M::valueCell(ReportFormat::amount(line.swing)) + M::rowEnd();
        bars.append({plainLabel(alternative, line.estimate), line.vpnLow, line.vpnHigh});
    }
    if (lines.empty())
        html += M::noticeRow(6, tr("Ninguna cifra distinta de 0 que variar."));
    html += M::tableEnd();
    if (!lines.empty()) {
        const QImage tornado = TornadoChart::render(bars, vpn, settings.variation, pictureWidth);
        document->images.append({pictureName("tornado", index), tornado});
        html += M::image(pictureName("tornado", index), tornado.size());
    }

    // 2. Where the VPN is zero, and where the best stops being the best.
    if (!lines.empty()) {
        html += M::tableStart()
            + M::bandRow(M::HeaderColour, 4, tr("Punto de equilibrio de %1").arg(name))
            + M::rowStart(M::HeaderColour) + M::headerCell(tr("Cifra"))
            + M::headerCell(tr("Valor")) + M::headerCell(tr("VPN = 0 con"))
            + M::headerCell(tr("Cambio")) + M::rowEnd();
        for (const Sensitivity::Line &line : lines) {
            const std::optional<double> zero = BreakEven::ofNetWorth(figures, line.estimate);
            html += M::figureRowStart() + M::labelCell(label(alternative, line.estimate))
                + M::valueCell(value(figures, line.estimate, line.typed))
                + M::valueCell(zero ? value(figures, line.estimate, *zero) : dash)
                + M::valueCell(zero ? change(*zero / line.typed - 1.0) : dash) + M::rowEnd();
        }
        html += M::tableEnd();
    }
    if (index == best && all.size() > 1) {
        for (const Sensitivity::Line &line : lines) {
            const std::optional<double> lead = BreakEven::ofLead(all, best, line.estimate, annual);
            if (!lead)
                continue;
            const QString sentence = *lead < line.typed
                ? tr("%1 deja de ser la mejor si %2 baja a %3 (%4).")
                : tr("%1 deja de ser la mejor si %2 sube a %3 (%4).");
            html += M::paragraph(sentence.arg(QStringLiteral("«%1»").arg(name),
                                              label(alternative, line.estimate),
                                              value(figures, line.estimate, *lead),
                                              change(*lead / line.typed - 1.0)));
        }
    }

    // 3. The spider plot of the largest swings.
    if (!lines.empty()) {
        std::vector<Estimate> largest;
        for (const Sensitivity::Line &line : lines) {
            if (static_cast<int>(largest.size()) < SpiderSeries::MostLines)
                largest.push_back(line.estimate);
        }
        std::vector<double> changes;
        for (int k = 0; k <= SpiderSeries::Steps; ++k)
            changes.push_back(SpiderSeries::change(k));
        QVector<SpiderPlot::Line> spider;
        for (const SpiderSeries::Line &line : SpiderSeries::of(figures, largest))
            spider.append({plainLabel(alternative, line.estimate), line.vpn});
        const QImage plot = SpiderPlot::render(changes, spider, pictureWidth);
        document->images.append({pictureName("spider", index), plot});
        html += M::image(pictureName("spider", index), plot.size());
    }
    return html;
}
