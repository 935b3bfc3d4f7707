#include "nodedescription.h"

#include "reportformat.h"

namespace {

// A rate or a growth as a plain fraction, whatever the locale.
QString fraction(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

QString NodeDescription::alternative(int horizon, double rate)
{
    return tr("N = %1, i = %2").arg(ReportFormat::wholeNumber(horizon), fraction(rate));
}

QString NodeDescription::flow(const CashFlow &flow)
{
    const QString series = tr("× %1 desde %2")
                               .arg(ReportFormat::wholeNumber(flow.payments),
                                    ReportFormat::wholeNumber(flow.start));
    const QString amount = ReportFormat::amount(flow.amount);
    switch (flow.kind) {
    case CashFlow::Uniform:
        break;
    case CashFlow::Arithmetic:
        return tr("Aritmético %1, G = %2 %3")
            .arg(amount, ReportFormat::amount(flow.change), series);
    case CashFlow::Geometric:
        return tr("Geométrico %1, g = %2 %3").arg(amount, fraction(flow.change), series);
    }
    return tr("Anualidad %1 %2").arg(amount, series);
}
