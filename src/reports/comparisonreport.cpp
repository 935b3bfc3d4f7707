#include "comparisonreport.h"

#include "aftertaxrows.h"
#include "benefitcost.h"
#include "choicesentence.h"
#include "bestalternative.h"
#include "perpetualnotice.h"
#include "decisionrows.h"
#include "incrementalsection.h"
#include "decisionrule.h"
#include "rateofreturn.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "replacementsection.h"
#include "reportnotice.h"
#include "vpnprofile.h"

#include <QStringList>

#include <cmath>
#include <optional>
#include <vector>

namespace {

// What the table shows of one alternative, valued once.
struct Indicators {
    double vpi = 0.0;
    double vpe = 0.0;
    double vpn = 0.0;
    double vae = 0.0; // NaN without periods
    std::vector<double> tirs;
    std::optional<double> benefitCost;
};

Indicators indicatorsOf(const AlternativeFigures &a)
{
    const FlowValuation valuation = a.valuation();
    Indicators result;
    result.vpi = valuation.incomeWorth(a.rate);
    result.vpe = valuation.expenseWorth(a.rate);
    result.vpn = result.vpi - result.vpe;
    result.vae = PerpetualNotice::annualWorth(a, result.vpn);
    result.tirs = RateOfReturn::rates(valuation);
    result.benefitCost = benefitCost(result.vpi, result.vpe);
    return result;
}

const QString dash = QStringLiteral("\u2014");

QString tirsText(const std::vector<double> &tirs)
{
    if (tirs.empty())
        return ComparisonReport::tr("no existe");
    QStringList rates;
    for (const double tir : tirs)
        rates << ReportFormat::rate(tir);
    return rates.join(QStringLiteral("; "));
}

// A row of the table: its label, colour, and the text of one alternative.
struct Row {
    QString label;
    const char *colour;
    QString (*text)(const AlternativeFigures &, const Indicators &);
};

const QVector<Row> &rows()
{
    static const QVector<Row> all = {
        {QStringLiteral("VPI"), ReportMarkup::IncomeColour,
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::worth(i.vpi); }},
        {QStringLiteral("VPE"), ReportMarkup::ExpenseColour,
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::worth(i.vpe); }},
        {QStringLiteral("VPN"), ReportMarkup::TotalColour,
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::worth(i.vpn); }},
        {QStringLiteral("VAE"), ReportMarkup::AnnualWorthColour,
         [](const AlternativeFigures &a, const Indicators &i) {
             return PerpetualNotice::noAnnualWorth(a) ? dash : ReportFormat::worth(i.vae);
         }},
        {QStringLiteral("TIR"), ReportMarkup::RateOfReturnColour,
         [](const AlternativeFigures &, const Indicators &i) { return tirsText(i.tirs); }},
        {QStringLiteral("B/C"), ReportMarkup::BenefitCostColour,
         [](const AlternativeFigures &, const Indicators &i) {
             return i.benefitCost ? ReportFormat::ratio(*i.benefitCost) : dash;
         }},
    };
    return all;
}

// "«A»", "«A» y «B»", "«A», «B» y «C»", names escaped.
QString namesOf(const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << QStringLiteral("«%1»").arg(ReportFormat::name(name));
    if (quoted.size() < 2)
        return quoted.join(QString());
    const QString last = quoted.takeLast();
    return ComparisonReport::tr("%1 y %2").arg(quoted.join(QStringLiteral(", ")), last);
}

// The sentence under the table, naming the best alternatives
// (BestAlternative).
QString verdict(const QVector<AlternativeFigures> &alternatives,
                const QVector<Indicators> &indicators)
{
    if (alternatives.size() == 1 && !std::isnan(indicators.constFirst().vpn))
        return ChoiceSentence::single(alternatives.constFirst().name, indicators.constFirst().vpn);
    QVector<double> vpn;
    QVector<double> vae;
    for (const Indicators &i : indicators) {
        vpn << i.vpn;
        vae << i.vae;
    }
    const BestAlternative best = BestAlternative::of(alternatives, vpn, vae);
    const QString measure = best.sameHorizon ? QStringLiteral("VPN") : QStringLiteral("VAE");
    switch (best.outcome) {
    case BestAlternative::Outcome::NoAlternative:
        return QString();
    case BestAlternative::Outcome::NoneComparable:
        return ComparisonReport::tr("Ninguna alternativa tiene un %1 que se pueda comparar.").arg(measure);
    case BestAlternative::Outcome::NoneEarning:
        return ComparisonReport::tr("Ninguna alternativa rinde su interés de oportunidad: "
                                    "todas tienen VPN negativo.")
            + ChoiceSentence::leastCost(alternatives, best.sameHorizon ? vpn : vae, measure);
    case BestAlternative::Outcome::Found:
        break;
    }

    const QString shown = ReportFormat::amount(best.figure);
    QStringList winners;
    for (const int a : best.winners)
        winners << alternatives.at(a).name;
    const QString why = best.sameHorizon
        ? QString()
        : ComparisonReport::tr("; horizontes distintos: se compara el VAE");
    // One multi-argument call: a name holding %1 or %2 stays as typed.
    if (winners.size() == 1) {
        return ComparisonReport::tr("La mejor alternativa es %1: tiene el mayor %2 (%3)%4.")
            .arg(namesOf(winners), measure, shown, why);
    }
    return ComparisonReport::tr("Las mejores alternativas son %1, empatadas con el mayor %2 (%3)%4.")
        .arg(namesOf(winners), measure, shown, why);
}

} // namespace

const QString ComparisonReport::ProfileName = QStringLiteral("quintavo:profile");

void ComparisonReport::addAlternative(const AlternativeFigures &alternative)
{
    alternatives << alternative;
}

void ComparisonReport::setUnreadCells(const QVector<ProjectFigures::UnreadCell> &cells)
{
    unread = cells;
}

ReportDocument ComparisonReport::document(const ProjectFigures &project, int pictureWidth)
{
    ComparisonReport report;
    for (const AlternativeFigures &alternative : project.alternatives)
        report.addAlternative(alternative);
    report.setUnreadCells(project.unread);
    // Replacement analyses alone: no empty table of alternatives above them.
    ReportDocument document;
    if (project.alternatives.isEmpty() && !project.replacements.isEmpty())
        document.html = ReportMarkup::documentStart() + ReportNotice::unreadCells(project.unread)
            + ReportMarkup::documentEnd();
    else
        document = report.document(pictureWidth);
    ReplacementSection::append(&document, project.replacements, pictureWidth);
    return document;
}

ReportDocument ComparisonReport::document(int pictureWidth) const
{
    QVector<Indicators> indicators;
    indicators.reserve(alternatives.size());
    for (const AlternativeFigures &alternative : alternatives)
        indicators << indicatorsOf(alternative);

    using M = ReportMarkup;
    ReportDocument document;
    QString &html = document.html;
    html = M::documentStart() + ReportNotice::unreadCells(unread) + M::tableStart()
        + M::rowStart(M::AlternativeColour) + M::cornerCell();
    for (const AlternativeFigures &alternative : alternatives)
        html += M::nameHeaderCell(ReportFormat::name(alternative.name));
    html += M::rowEnd();
    for (const Row &row : rows()) {
        html += M::figureRowStart(row.colour) + M::labelCell(row.label);
        for (int a = 0; a < alternatives.size(); ++a)
            html += M::valueCell(row.text(alternatives.at(a), indicators.at(a)));
        html += M::rowEnd();
    }
    html += DecisionRows::rows(alternatives) + AfterTaxRows::rows(alternatives) + M::tableEnd();

    QVector<std::vector<double>> tirs;
    for (int a = 0; a < alternatives.size(); ++a) {
        tirs << indicators.at(a).tirs;
        if (indicators.at(a).tirs.size() > 1) {
            html += M::paragraph(tr("La TIR de «%1» no es única: su flujo neto cambia de signo más "
                                "de una vez.")
                                 .arg(ReportFormat::name(alternatives.at(a).name)));
        }
        for (const QString &sentence : PerpetualNotice::divergent(alternatives.at(a)))
            html += M::paragraph(sentence);
    }
    const QString sentence = verdict(alternatives, indicators);
    if (!sentence.isEmpty())
        html += M::boldParagraph(sentence);
    html += AfterTaxRows::sentences(alternatives);
    html += IncrementalSection::markup(alternatives);
    if (!alternatives.isEmpty()) {
        const VpnProfile::Profile profile = VpnProfile::compute(alternatives, tirs);
        const QImage picture = VpnProfile::render(profile, pictureWidth);
        document.images.append({ProfileName, picture});
        html += M::image(ProfileName, picture.size()) + VpnProfile::crossingLines(profile);
    }
    html += M::documentEnd();
    return document;
}
