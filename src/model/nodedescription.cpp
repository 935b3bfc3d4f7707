#include "nodedescription.h"

#include "reportformat.h"

QString NodeDescription::alternative(int horizon, double rate)
{
    return tr("N = %1, i = %2").arg(ReportFormat::wholeNumber(horizon), ReportFormat::rate(rate));
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
        return tr("Geométrico %1, g = %2 %3").arg(amount, ReportFormat::rate(flow.change), series);
    }
    return tr("Anualidad %1 %2").arg(amount, series);
}
