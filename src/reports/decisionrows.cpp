#include "decisionrows.h"

#include "modifiedrate.h"
#include "netpayments.h"
#include "payback.h"
#include "reportformat.h"
#include "reportmarkup.h"

#include <algorithm>
#include <cmath>

namespace {

const QString dash = QStringLiteral("\u2014");

} // namespace

std::vector<double> DecisionRows::netPayments(const AlternativeFigures &alternative)
{
    const std::vector<CashFlow> income = AlternativeFigures::figuresOf(alternative.income);
    const std::vector<CashFlow> expenses = AlternativeFigures::figuresOf(alternative.expenses);
    const long long end = NetPayments::end(income, expenses);
    const long long periods = alternative.perpetual
        ? NetPayments::MostPeriods
        : std::max(end, static_cast<long long>(alternative.horizon) + 1);
    return NetPayments::layOut(income, expenses, periods);
}

double DecisionRows::modifiedRate(const AlternativeFigures &alternative)
{
    const std::vector<double> net = netPayments(alternative);
    return modifiedRateOf(alternative, net);
}

QString DecisionRows::modifiedRateText(const AlternativeFigures &alternative,
                                       const std::vector<double> &net)
{
    const double tirm = modifiedRateOf(alternative, net);
    return std::isnan(tirm) ? dash : ReportFormat::rate(tirm);
}

double DecisionRows::modifiedRateOf(const AlternativeFigures &alternative,
                                    const std::vector<double> &net)
{
    // Over a horizon that never ends, or payments that cannot all be laid
    // out, the figure has no N.
    if (alternative.perpetual
        || NetPayments::end(AlternativeFigures::figuresOf(alternative.income),
                            AlternativeFigures::figuresOf(alternative.expenses))
            > static_cast<long long>(net.size())) {
        return std::nan("");
    }
    return modifiedRateOfReturn(net, alternative.rate, alternative.horizon);
}

QString DecisionRows::paybackText(double period)
{
    if (std::isnan(period))
        return dash;
    if (period == PaybackNever)
        return tr("no se recupera");
    return QString::number(period, 'f', 2);
}

QString DecisionRows::rows(const QVector<AlternativeFigures> &alternatives)
{
    using M = ReportMarkup;
    QString tirm = M::figureRowStart(M::RateOfReturnColour) + M::labelCell(QStringLiteral("TIRM"));
    QString simple = M::figureRowStart(M::PaybackColour) + M::labelCell(QStringLiteral("PR"));
    QString discounted = M::figureRowStart(M::PaybackColour) + M::labelCell(QStringLiteral("PRD"));
    for (const AlternativeFigures &alternative : alternatives) {
        const std::vector<double> net = netPayments(alternative);
        tirm += M::valueCell(modifiedRateText(alternative, net));
        simple += M::valueCell(paybackText(paybackPeriod(net, 0.0)));
        discounted += M::valueCell(paybackText(paybackPeriod(net, alternative.rate)));
    }
    return tirm + M::rowEnd() + simple + M::rowEnd() + discounted + M::rowEnd();
}
