#include "perpetualnotice.h"

#include "annualworth.h"
#include "perpetualworth.h"
#include "reportformat.h"

#include <cmath>

QStringList PerpetualNotice::divergent(const AlternativeFigures &alternative)
{
    const double i = alternative.rate;
    QStringList sentences;
    if (std::isnan(i))
        return sentences;
    for (const auto *flows : {&alternative.income, &alternative.expenses}) {
        for (const AlternativeFigures::Flow &flow : *flows) {
            const CashFlow &f = flow.figures;
            if (!f.perpetual || f.kind == CashFlow::Single || perpetualConverges(f, i))
                continue;
            const QString name = ReportFormat::name(flow.name);
            if (f.kind == CashFlow::Geometric && f.change >= i) {
                // One multi-argument call: a name holding %2 stays as typed.
                sentences << tr("La serie perpetua «%1» no converge: su crecimiento %2 no es "
                                "menor que el interés de oportunidad %3.")
                                 .arg(name, ReportFormat::rate(f.change), ReportFormat::rate(i));
            } else if (f.kind == CashFlow::Geometric && i > -1.0) {
                sentences << tr("La serie perpetua «%1» no converge: con su crecimiento %2 los "
                                "pagos cambian de signo sin menguar.")
                                 .arg(name, ReportFormat::rate(f.change));
            } else {
                sentences << tr("La serie perpetua «%1» no converge con un interés de oportunidad "
                                "de 0 o menos.")
                                 .arg(name);
            }
        }
    }
    return sentences;
}

double PerpetualNotice::annualWorth(const AlternativeFigures &alternative, double vpn)
{
    if (alternative.perpetual)
        return perpetualAnnualWorth(vpn, alternative.rate);
    return ::annualWorth(vpn, alternative.rate, alternative.horizon);
}

bool PerpetualNotice::noAnnualWorth(const AlternativeFigures &alternative)
{
    return alternative.perpetual ? !(alternative.rate > 0.0) : alternative.horizon <= 0;
}
