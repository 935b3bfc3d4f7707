#include "aftertaxrows.h"

#include "aftertaxfigures.h"
#include "rateofreturn.h"
#include "reportformat.h"
#include "reportmarkup.h"

#include <QStringList>

#include <algorithm>

namespace {

bool anyAfterTax(const QVector<AlternativeFigures> &alternatives)
{
    return std::any_of(alternatives.cbegin(), alternatives.cend(),
                       [](const AlternativeFigures &a) { return a.afterTax(); });
}

} // namespace

QString AfterTaxRows::rows(const QVector<AlternativeFigures> &alternatives)
{
    if (!anyAfterTax(alternatives))
        return QString();
    using M = ReportMarkup;
    QString worths = M::figureRowStart(M::TotalColour) + M::labelCell(tr("VPN del proyecto"));
    QString rates =
        M::figureRowStart(M::RateOfReturnColour) + M::labelCell(tr("TIR del proyecto"));
    for (const AlternativeFigures &alternative : alternatives) {
        const AlternativeFigures project = AfterTaxFigures::project(alternative);
        const FlowValuation valuation = project.valuation();
        worths += M::valueCell(ReportFormat::worth(valuation.netWorth(project.rate)));
        QStringList found;
        for (const double tir : RateOfReturn::rates(valuation))
            found << ReportFormat::rate(tir);
        rates += M::valueCell(found.isEmpty() ? tr("no existe") : found.join(QStringLiteral("; ")));
    }
    return worths + M::rowEnd() + rates + M::rowEnd();
}

QString AfterTaxRows::decisionFlow(const AlternativeFigures &alternative)
{
    const bool taxed = alternative.taxRate != 0.0;
    if (!alternative.loans.isEmpty()) {
        return taxed ? tr("flujo de caja del inversionista, después de impuestos y con financiación")
                     : tr("flujo de caja del inversionista, con financiación");
    }
    if (taxed)
        return tr("flujo de caja del proyecto, después de impuestos");
    return alternative.assets.isEmpty() ? tr("flujo antes de impuestos")
                                        : tr("flujo de caja del proyecto, antes de impuestos");
}

QString AfterTaxRows::sentences(const QVector<AlternativeFigures> &alternatives)
{
    if (!anyAfterTax(alternatives))
        return QString();
    QStringList parts;
    for (const AlternativeFigures &alternative : alternatives) {
        parts << tr("«%1» con su %2")
                     .arg(ReportFormat::name(alternative.name), decisionFlow(alternative));
    }
    return ReportMarkup::paragraph(tr("Cifras y decisión: %1.").arg(parts.join(QStringLiteral("; "))));
}
