#include "nodedescription.h"

#include "flowkind.h"
#include "reportformat.h"

QString NodeDescription::alternative(int horizon, double rate, bool perpetual)
{
    const QString periods =
        perpetual ? QStringLiteral("\u221E") : ReportFormat::wholeNumber(horizon);
    return tr("N = %1, i = %2").arg(periods, ReportFormat::rate(rate));
}

QString NodeDescription::flow(const CashFlow &flow)
{
    return FlowKind::of(flow.kind).description(
        flow, {&ReportFormat::amount, &ReportFormat::wholeNumber, &ReportFormat::rate});
}
