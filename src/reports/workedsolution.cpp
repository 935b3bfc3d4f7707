#include "workedsolution.h"

#include "annualworth.h"
#include "benefitcost.h"
#include "cashflowtable.h"
#include "decisionrows.h"
#include "incrementalsection.h"
#include "interestfactors.h"
#include "payback.h"
#include "perpetualnotice.h"
#include "rateofreturn.h"
#include "replacementformula.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "reportnotice.h"
#include "worthformula.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

using M = ReportMarkup;

const QString dash = QStringLiteral("\u2014");
const QString infinity = QStringLiteral("\u221E");
const QString times = QStringLiteral(" \u00D7 ");

QString money(double value)
{
    return ReportFormat::worth(value);
}

// A figure of the report's tables, aligned by its cell: a paragraph of its
// own in each cell, as M::valueCell() writes, doubles Qt's layout of these
// long tables.
QString number(const QString &text)
{
    return QStringLiteral("<td align=\"right\">%1</td>").arg(text);
}

QString kindOf(const CashFlow &flow)
{
    switch (flow.kind) {
    case CashFlow::Arithmetic:
        return WorkedSolution::tr("Pago con incremento Aritmético");
    case CashFlow::Geometric:
        return WorkedSolution::tr("Pago con incremento geométrico");
    case CashFlow::Single:
    case CashFlow::Asset:
    case CashFlow::Loan:
        return WorkedSolution::tr("Pago único");
    case CashFlow::Uniform:
        break;
    }
    return WorkedSolution::tr("Pago Anualidad");
}

// The kind and the figures as read: "Pago Anualidad: A = 3 500.00, n = 5, inicio = 1".
QString figuresOf(const CashFlow &flow)
{
    if (flow.kind == CashFlow::Single) {
        return WorkedSolution::tr("%1: F = %2, período = %3")
            .arg(kindOf(flow), money(flow.amount), ReportFormat::wholeNumber(flow.start));
    }
    QString text = kindOf(flow) + QStringLiteral(": ")
        + (flow.kind == CashFlow::Geometric ? QStringLiteral("A1 = ") : QStringLiteral("A = "))
        + money(flow.amount);
    if (flow.kind == CashFlow::Arithmetic)
        text += QStringLiteral(", G = ") + money(flow.change);
    if (flow.kind == CashFlow::Geometric)
        text += QStringLiteral(", g = ") + ReportFormat::rate(flow.change);
    return text
        + WorkedSolution::tr(", n = %1, inicio = %2")
              .arg(flow.perpetual ? infinity : ReportFormat::wholeNumber(flow.payments),
                   ReportFormat::wholeNumber(flow.start));
}

QString flowsPart(const QVector<AlternativeFigures::Flow> &flows, double rate, const QString &title,
                  const char *colour, QStringList *worths)
{
    // Paragraphs under a band: a table cell costs Qt's layout far more.
    QString html = M::tableStart() + M::bandRow(colour, 1, title) + M::tableEnd();
    for (const AlternativeFigures::Flow &flow : flows) {
        const WorthFormula formula = WorthFormula::of(flow.figures, rate);
        *worths << money(formula.worth);
        html += M::paragraph(QStringLiteral("<b>%1</b><br>%2<br>%3")
                                 .arg(ReportFormat::name(flow.name), figuresOf(flow.figures), formula.line()));
    }
    if (flows.isEmpty())
        html += M::paragraph(WorkedSolution::tr("Ninguno."));
    return html;
}

// "VPI = 1.00 + 2.00 = 3.00".
QString sumLine(const QString &label, const QStringList &terms, double sum)
{
    QString text = label + QStringLiteral(" = ");
    if (terms.size() > 1)
        text += terms.join(QStringLiteral(" + ")) + QStringLiteral(" = ");
    return text + money(sum);
}

// The table of net flows PR and PRD come from, periods 0..shown.
QString paybackTable(const std::vector<double> &net, double rate, int shown)
{
    const long long last = std::min<long long>(shown, static_cast<long long>(net.size()) - 1);
    QString html = M::tableStart() + M::rowStart(M::HeaderColour);
    for (const QString &label : {WorkedSolution::tr("Período"), WorkedSolution::tr("Flujo neto"),
                                 WorkedSolution::tr("Flujo neto descontado"),
                                 WorkedSolution::tr("Acumulado"),
                                 WorkedSolution::tr("Acumulado descontado")})
        html += M::headerCell(label);
    html += M::rowEnd();
    double cumulative = 0.0;
    double discountedCumulative = 0.0;
    for (long long k = 0; k <= last; ++k) {
        const double flow = net[static_cast<size_t>(k)];
        const double discounted = discountToPresent(rate, static_cast<int>(k), flow);
        cumulative += flow;
        discountedCumulative += discounted;
        html += M::figureRowStart() + number(ReportFormat::wholeNumber(k)) + number(money(flow))
            + number(money(discounted)) + number(money(cumulative))
            + number(money(discountedCumulative)) + M::rowEnd();
    }
    html += M::tableEnd();
    if (last + 1 < static_cast<long long>(net.size())) {
        html += M::paragraph(WorkedSolution::tr("Se muestran los períodos 0 a %1, como en «Visualizar».")
                                 .arg(ReportFormat::wholeNumber(std::max(last, 0LL))));
    }
    return html;
}

QString modifiedRateLine(const AlternativeFigures &a, const std::vector<double> &net)
{
    const QString shown = DecisionRows::modifiedRateText(a, net);
    if (shown == dash)
        return QStringLiteral("TIRM: ") + dash;
    double future = 0.0;  // the positive flows carried to N at i
    double present = 0.0; // the negative ones brought to 0 at i
    const int N = a.horizon;
    for (size_t k = 0; k < net.size(); ++k) {
        const int period = static_cast<int>(k);
        if (net[k] > 0)
            future += net[k] * compoundFactor(a.rate, N - period);
        else if (net[k] < 0)
            present -= discountToPresent(a.rate, period, net[k]);
    }
    return WorkedSolution::tr("TIRM = (VF\u207A / VP\u207B)^(1/N) \u2212 1, con VF\u207A = \u03A3 Fk&gt;0 (1 + i)^(N \u2212 k) "
                              "y VP\u207B = \u03A3 \u2212Fk&lt;0 (1 + i)^\u2212k: (%1 / %2)^(1/%3) \u2212 1 = %4")
        .arg(money(future), money(present), ReportFormat::wholeNumber(N), shown);
}

// Each increment's net flows, the challenger's less the defender's: one
// table, a row per increment, over the periods the pair shows.
QString incrementFlows(const QVector<AlternativeFigures> &alternatives, const QVector<int> &shown)
{
    const IncrementalAnalysis::Result result = IncrementalSection::analyse(alternatives);
    using Basis = IncrementalAnalysis::Basis;
    if (result.steps.empty()
        || (result.basis != Basis::PresentWorth && result.basis != Basis::AnnualWorth))
        return QString();
    QStringList names;
    QVector<std::vector<double>> rows;
    long long periods = 1;
    for (const IncrementalAnalysis::Step &step : result.steps) {
        std::vector<double> delta = DecisionRows::netPayments(alternatives.at(step.challenger));
        int last = shown.at(step.challenger);
        QString name = QStringLiteral("«%1»").arg(ReportFormat::name(alternatives.at(step.challenger).name));
        if (step.defender != IncrementalAnalysis::Nothing) {
            const std::vector<double> defender = DecisionRows::netPayments(alternatives.at(step.defender));
            delta.resize(std::max(delta.size(), defender.size()), 0.0);
            for (size_t k = 0; k < defender.size(); ++k)
                delta[k] -= defender[k];
            last = std::max(last, shown.at(step.defender));
            name += QStringLiteral(" \u2212 «%1»").arg(ReportFormat::name(alternatives.at(step.defender).name));
        }
        delta.resize(static_cast<size_t>(std::min<long long>(last + 1LL, static_cast<long long>(delta.size()))));
        periods = std::max(periods, static_cast<long long>(delta.size()));
        names << name;
        rows << delta;
    }
    QString html = M::paragraph(WorkedSolution::tr("Flujos netos de los incrementos, \u0394 Fk:"))
        + M::tableStart() + M::rowStart(M::HeaderColour) + M::headerCell(WorkedSolution::tr("Período"));
    for (long long k = 0; k < periods; ++k)
        html += M::headerCell(ReportFormat::wholeNumber(k));
    html += M::rowEnd();
    for (int r = 0; r < rows.size(); ++r) {
        html += M::figureRowStart() + M::flowNameCell(names.at(r));
        for (const double value : rows.at(r))
            html += number(money(value));
        html += M::rowEnd();
    }
    return html + M::tableEnd();
}

} // namespace

QString WorkedSolution::alternative(const AlternativeFigures &a, int shown)
{
    QString html = M::tableStart() + M::bandRow(M::AlternativeColour, 1, ReportFormat::name(a.name))
        + M::figureRowStart() + M::labelCell(tr("N = %1, i = %2 (%3)")
                                                 .arg(a.perpetual ? infinity : ReportFormat::wholeNumber(a.horizon),
                                                      ReportFormat::rate(a.rate), WorthFormula::percent(a.rate)))
        + M::rowEnd() + M::tableEnd();
    QStringList incomeTerms;
    QStringList expenseTerms;
    html += flowsPart(a.income, a.rate, tr("Ingresos"), M::IncomeColour, &incomeTerms);
    html += flowsPart(a.expenses, a.rate, tr("Egresos"), M::ExpenseColour, &expenseTerms);

    // The figures of "Comparar", computed as it computes them.
    const FlowValuation valuation = a.valuation();
    const double vpi = valuation.incomeWorth(a.rate);
    const double vpe = valuation.expenseWorth(a.rate);
    const double vpn = vpi - vpe;
    QStringList lines;
    lines << sumLine(QStringLiteral("VPI"), incomeTerms, vpi)
          << sumLine(QStringLiteral("VPE"), expenseTerms, vpe)
          << QStringLiteral("VPN = VPI \u2212 VPE = %1 \u2212 %2 = %3").arg(money(vpi), money(vpe), money(vpn));
    if (PerpetualNotice::noAnnualWorth(a)) {
        lines << QStringLiteral("VAE: ") + dash;
    } else if (a.perpetual) {
        lines << QStringLiteral("VAE = VPN \u00D7 i = %1 \u00D7 %2 = %3")
                     .arg(money(vpn), ReportFormat::rate(a.rate), money(PerpetualNotice::annualWorth(a, vpn)));
    } else {
        lines << QStringLiteral("VAE = VPN \u00D7 (A/P, %1, %2) = %3 \u00D7 %4 = %5")
                     .arg(WorthFormula::percent(a.rate), ReportFormat::wholeNumber(a.horizon), money(vpn),
                          WorthFormula::factor(annualWorth(1.0, a.rate, a.horizon)),
                          money(PerpetualNotice::annualWorth(a, vpn)));
    }
    const std::optional<double> bc = benefitCost(vpi, vpe);
    lines << (bc ? QStringLiteral("B/C = VPI / VPE = %1 / %2 = %3").arg(money(vpi), money(vpe), ReportFormat::ratio(*bc))
                 : QStringLiteral("B/C: ") + dash);
    const std::vector<double> tirs = RateOfReturn::rates(valuation);
    lines << tr("TIR: las tasas r con \u03A3 Fk (1 + r)^\u2212k = 0, Fk el flujo neto del período k%1")
                 .arg(tirs.empty() ? tr(": no existe") : QString());
    for (const double r : tirs)
        lines << tr("r = %1: VPN = %2").arg(ReportFormat::rate(r), ReportFormat::amount(valuation.netWorth(r)));
    const std::vector<double> net = DecisionRows::netPayments(a);
    lines << modifiedRateLine(a, net);
    lines << tr("PR = %1 (acumulado sin descontar)").arg(DecisionRows::paybackText(paybackPeriod(net, 0.0)))
          << tr("PRD = %1 (acumulado descontado a i)").arg(DecisionRows::paybackText(paybackPeriod(net, a.rate)));
    html += M::tableStart() + M::bandRow(M::TotalColour, 1, tr("Indicadores")) + M::tableEnd()
        + M::paragraph(lines.join(QStringLiteral("<br>")));
    return html + paybackTable(net, a.rate, shown);
}

ReportDocument WorkedSolution::document(const ProjectFigures &project, long long mostCells)
{
    const QVector<int> shown = CashFlowTable::shownHorizons(project.alternatives, mostCells);
    ReportDocument document;
    QString &html = document.html;
    html = M::documentStart() + ReportNotice::unreadCells(project.unread);
    for (int a = 0; a < project.alternatives.size(); ++a)
        html += alternative(project.alternatives.at(a), shown.at(a));
    html += IncrementalSection::markup(project.alternatives) + incrementFlows(project.alternatives, shown);
    html += ReplacementFormula::markup(project.replacements) + M::documentEnd();
    return document;
}
