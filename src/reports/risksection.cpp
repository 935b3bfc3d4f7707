#include "risksection.h"

#include "drawstatistics.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "vpnhistogram.h"

#include <cmath>

namespace {

QString probability(double share)
{
    return std::isnan(share) ? QStringLiteral("\u2014") : QString::number(share, 'f', 3);
}

} // namespace

QString RiskSection::positiveShare(double share)
{
    return tr("P(VPN > 0) = %1").arg(probability(share));
}

QString RiskSection::alternativePart(int index, const MonteCarlo::Outcome &outcome,
                                     int pictureWidth, ReportDocument *document)
{
    using M = ReportMarkup;
    if (index < 0 || static_cast<size_t>(index) >= outcome.vpn.size())
        return QString();
    const std::vector<double> &values = outcome.vpn[static_cast<size_t>(index)];
    const DrawStatistics statistics = DrawStatistics::of(values);
    QString html = M::tableStart() + M::bandRow(M::HeaderColour, 2, tr("Riesgo: VPN simulado"));
    const QVector<QPair<QString, QString>> rows = {
        {tr("Media"), ReportFormat::amount(statistics.mean)},
        {tr("Desviación estándar"), ReportFormat::amount(statistics.deviation)},
        {tr("Percentil 5"), ReportFormat::amount(statistics.p5)},
        {tr("Percentil 50"), ReportFormat::amount(statistics.p50)},
        {tr("Percentil 95"), ReportFormat::amount(statistics.p95)},
        {tr("P(VPN > 0)"), probability(statistics.positive)},
    };
    for (const auto &row : rows)
        html += M::figureRowStart() + M::labelCell(row.first) + M::valueCell(row.second) + M::rowEnd();
    html += M::tableEnd();
    html += M::boldParagraph(positiveShare(statistics.positive));
    const QString name = QStringLiteral("quintavo:histogram-%1").arg(index);
    const QImage histogram = VpnHistogram::render(values, pictureWidth);
    document->images.append({name, histogram});
    html += M::image(name, histogram.size());
    return html;
}

QString RiskSection::projectPart(const ProjectFigures &project, const MonteCarlo::Outcome &outcome,
                                 const SensitivityReport::Settings &settings, bool annual)
{
    using M = ReportMarkup;
    const QString percent = ReportFormat::percent(settings.variation, 0);
    QString html = M::paragraph(
        tr("Semilla %1: %2 simulaciones; en cada una, cada cifra distinta de 0 se toma de una "
           "distribución triangular entre \u2212%3 y +%3 de su valor, con su valor como moda.")
            .arg(QString::number(settings.seed), ReportFormat::count(outcome.draws), percent));
    if (project.alternatives.size() < 2 || outcome.draws <= 0)
        return html;
    html += M::tableStart()
        + M::bandRow(M::AlternativeColour, 2,
                     annual ? tr("Probabilidad de ser la mejor (por VAE: horizontes distintos)")
                            : tr("Probabilidad de ser la mejor (por VPN)"));
    for (int a = 0; a < project.alternatives.size(); ++a) {
        const long long wins =
            static_cast<size_t>(a) < outcome.wins.size() ? outcome.wins[static_cast<size_t>(a)] : 0;
        html += M::figureRowStart() + M::labelCell(ReportFormat::name(project.alternatives.at(a).name))
            + M::valueCell(probability(static_cast<double>(wins) / outcome.draws)) + M::rowEnd();
    }
    html += M::tableEnd();
    return html;
}
