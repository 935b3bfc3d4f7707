#include "choicesentence.h"

#include "reportformat.h"

#include <QStringList>

#include <cmath>

namespace {

QString quoted(const QString &name)
{
    return QStringLiteral("«%1»").arg(ReportFormat::name(name));
}

} // namespace

QString ChoiceSentence::single(const QString &name, double vpn)
{
    const QString shown = ReportFormat::amount(vpn);
    // One multi-argument call: a name holding %1 or %2 stays as typed.
    if (shown == ReportFormat::amount(0.0))
        return tr("%1 rinde justo su interés de oportunidad: VPN %2.").arg(quoted(name), shown);
    if (vpn > 0)
        return tr("%1 rinde más que su interés de oportunidad: VPN %2.").arg(quoted(name), shown);
    return tr("%1 no rinde su interés de oportunidad: VPN %2.").arg(quoted(name), shown);
}

bool ChoiceSentence::isService(const AlternativeFigures &alternative)
{
    if (alternative.expenses.isEmpty())
        return false;
    for (const AlternativeFigures::Flow &flow : alternative.income) {
        if (flow.figures.kind != CashFlow::Single)
            return false;
    }
    return true;
}

QString ChoiceSentence::leastCost(const QVector<AlternativeFigures> &alternatives,
                                  const QVector<double> &figures, const QString &measure)
{
    int least = -1;
    for (int a = 0; a < alternatives.size(); ++a) {
        if (!isService(alternatives.at(a)))
            return QString();
        if (!std::isnan(figures.at(a)) && (least < 0 || figures.at(a) > figures.at(least)))
            least = a;
    }
    if (least < 0)
        return QString();
    // The least cost is the worth nearest to 0; alternatives shown alike share it.
    const QString shown = ReportFormat::amount(figures.at(least));
    QStringList names;
    for (int a = 0; a < alternatives.size(); ++a) {
        if (!std::isnan(figures.at(a)) && ReportFormat::amount(figures.at(a)) == shown)
            names << quoted(alternatives.at(a).name);
    }
    if (names.size() == 1) {
        return tr(" Si hay que elegir una, la de menor costo es %1 (%2 %3).")
            .arg(names.constFirst(), measure, shown);
    }
    const QString last = names.takeLast();
    return tr(" Si hay que elegir una, las de menor costo son %1 y %2, empatadas (%3 %4).")
        .arg(names.join(QStringLiteral(", ")), last, measure, shown);
}
