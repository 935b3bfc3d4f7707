#include "nodedescription.h"

#include "flowkind.h"
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
    return FlowKind::of(flow.kind).description(flow, {&ReportFormat::amount, &ReportFormat::wholeNumber});
}
