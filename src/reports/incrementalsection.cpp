#include "incrementalsection.h"

#include "reportformat.h"
#include "reportmarkup.h"

#include <QStringList>

namespace {

const QString dash = QStringLiteral("\u2014");

} // namespace

IncrementalAnalysis::Result IncrementalSection::analyse(const QVector<AlternativeFigures> &alternatives)
{
    std::vector<IncrementalAnalysis::Alternative> plain;
    plain.reserve(static_cast<size_t>(alternatives.size()));
    for (const AlternativeFigures &a : alternatives) {
        plain.push_back({AlternativeFigures::figuresOf(a.income),
                         AlternativeFigures::figuresOf(a.expenses), a.horizon, a.perpetual, a.rate});
    }
    return IncrementalAnalysis::run(plain);
}

QString IncrementalSection::markup(const QVector<AlternativeFigures> &alternatives)
{
    using M = ReportMarkup;
    using Basis = IncrementalAnalysis::Basis;
    const IncrementalAnalysis::Result result = analyse(alternatives);
    if (result.basis == Basis::TooFew)
        return QString();
    const auto quoted = [&alternatives](int a) {
        return a == IncrementalAnalysis::Nothing
            ? tr("No hacer nada")
            : QStringLiteral("«%1»").arg(ReportFormat::name(alternatives.at(a).name));
    };

    QString html = M::boldParagraph(tr("Análisis incremental"));
    if (result.basis == Basis::DifferentRates) {
        const AlternativeFigures &a = alternatives.at(result.differentRates[0]);
        const AlternativeFigures &b = alternatives.at(result.differentRates[1]);
        // One multi-argument call: a name holding %1 or %2 stays as typed.
        return html
            + M::paragraph(tr("El análisis incremental necesita un mismo interés de oportunidad: "
                              "%1 tiene %2 y %3 %4.")
                               .arg(quoted(result.differentRates[0]), ReportFormat::rate(a.rate),
                                    quoted(result.differentRates[1]), ReportFormat::rate(b.rate)));
    }
    const bool annual = result.basis == Basis::AnnualWorth;
    if (annual) {
        html += M::paragraph(tr("Horizontes distintos: cada incremento se compara por su valor anual "
                                "equivalente (ΔVAE), lo mismo que repetir las alternativas hasta el "
                                "mínimo común múltiplo de sus horizontes."));
    }
    for (const int a : result.left) {
        html += M::paragraph(tr("%1 queda fuera: su %2 no es un número.")
                                 .arg(quoted(a), annual ? QStringLiteral("VAE") : QStringLiteral("VPN")));
    }
    html += M::tableStart() + M::rowStart(M::HeaderColour) + M::headerCell(tr("Incremento"))
        + M::headerCell(annual ? QStringLiteral("ΔVAE") : QStringLiteral("ΔVPN"))
        + M::headerCell(annual ? tr("VAE iguales en") : QStringLiteral("ΔTIR"))
        + M::headerCell(QStringLiteral("ΔB/C")) + M::headerCell(tr("Decisión")) + M::rowEnd();
    for (const IncrementalAnalysis::Step &step : result.steps) {
        QString rates;
        if (step.rates.empty()) {
            rates = tr("no existe");
        } else {
            QStringList each;
            for (const double r : step.rates)
                each << ReportFormat::rate(r);
            rates = each.join(QStringLiteral("; "));
            if (step.rates.size() > 1)
                rates += annual ? tr(" (varias: decide el ΔVAE)") : tr(" (varias: decide el ΔVPN)");
        }
        html += M::figureRowStart() + M::labelCell(QStringLiteral("%1 − %2").arg(quoted(step.challenger), quoted(step.defender)))
            + M::valueCell(ReportFormat::amount(step.delta)) + M::valueCell(rates)
            + M::valueCell(step.benefitCost ? ReportFormat::ratio(*step.benefitCost) : dash)
            + M::valueCell(step.challengerWins ? tr("gana %1").arg(quoted(step.challenger))
                                               : tr("se mantiene %1").arg(quoted(step.defender)))
            + M::rowEnd();
    }
    html += M::tableEnd();
    if (result.kept == IncrementalAnalysis::Nothing) {
        html += M::boldParagraph(tr("El análisis incremental se queda con No hacer nada: ninguna "
                                    "alternativa rinde su interés de oportunidad."));
    } else {
        html += M::boldParagraph(tr("El análisis incremental se queda con %1.").arg(quoted(result.kept)));
    }
    return html;
}
