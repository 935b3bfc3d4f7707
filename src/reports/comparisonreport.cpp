#include "comparisonreport.h"

#include "annualworth.h"
#include "benefitcost.h"
#include "rateofreturn.h"
#include "reportformat.h"
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
    const std::vector<CashFlow> income = AlternativeFigures::figuresOf(a.income);
    const std::vector<CashFlow> expenses = AlternativeFigures::figuresOf(a.expenses);
    Indicators result;
    result.vpi = flowsWorth(income, a.rate);
    result.vpe = flowsWorth(expenses, a.rate);
    result.vpn = result.vpi - result.vpe;
    result.vae = annualWorth(result.vpn, a.rate, a.horizon);
    result.tirs = RateOfReturn::rates(income, expenses);
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
        {QStringLiteral("VPI"), "#86BCFF",
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::amount(i.vpi); }},
        {QStringLiteral("VPE"), "#FF8A8A",
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::amount(i.vpe); }},
        {QStringLiteral("VPN"), "#6CA870",
         [](const AlternativeFigures &, const Indicators &i) { return ReportFormat::amount(i.vpn); }},
        {QStringLiteral("VAE"), "#A6D5A9",
         [](const AlternativeFigures &a, const Indicators &i) {
             return a.horizon <= 0 ? dash : ReportFormat::amount(i.vae);
         }},
        {QStringLiteral("TIR"), "#FFE08A",
         [](const AlternativeFigures &, const Indicators &i) { return tirsText(i.tirs); }},
        {QStringLiteral("B/C"), "#D9CCFF",
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

// The sentence under the table. Every horizon equal: the largest VPN wins;
// else the largest VAE. An alternative whose figure is not a number cannot
// win; alternatives whose figures are shown alike share the place.
QString verdict(const QVector<AlternativeFigures> &alternatives,
                const QVector<Indicators> &indicators)
{
    if (alternatives.isEmpty())
        return QString();
    bool sameHorizon = true;
    for (const AlternativeFigures &alternative : alternatives)
        sameHorizon = sameHorizon && alternative.horizon == alternatives.constFirst().horizon;
    const auto figure = [&](int a) {
        return sameHorizon ? indicators.at(a).vpn : indicators.at(a).vae;
    };

    int best = -1;
    bool anyEarning = false;
    for (int a = 0; a < alternatives.size(); ++a) {
        if (std::isnan(figure(a)))
            continue;
        anyEarning = anyEarning || !(indicators.at(a).vpn < 0);
        if (best < 0 || figure(a) > figure(best))
            best = a;
    }
    const QString measure = sameHorizon ? QStringLiteral("VPN") : QStringLiteral("VAE");
    if (best < 0)
        return ComparisonReport::tr("Ninguna alternativa tiene un %1 que se pueda comparar.").arg(measure);
    if (!anyEarning)
        return ComparisonReport::tr("Ninguna alternativa rinde su interés de oportunidad: "
                                    "todas tienen VPN negativo.");

    const QString shown = ReportFormat::amount(figure(best));
    QStringList winners;
    for (int a = 0; a < alternatives.size(); ++a) {
        if (!std::isnan(figure(a)) && ReportFormat::amount(figure(a)) == shown)
            winners << alternatives.at(a).name;
    }
    const QString why = sameHorizon
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
    return report.document(pictureWidth);
}

ReportDocument ComparisonReport::document(int pictureWidth) const
{
    QVector<Indicators> indicators;
    indicators.reserve(alternatives.size());
    for (const AlternativeFigures &alternative : alternatives)
        indicators << indicatorsOf(alternative);

    ReportDocument document;
    QString &html = document.html;
    html = QStringLiteral("<html><head/><body>") + ReportNotice::unreadCells(unread)
        + QStringLiteral(
              "<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; "
              "margin-right:0px;\" cellspacing=\"0\" cellpadding=\"5\">"
              "<tr style=\"background-color:#B89AFE\"><th></th>");
    for (const AlternativeFigures &alternative : alternatives) {
        html += QStringLiteral(
                    "<th><p align=\"center\"><span style=\"font-weight:600;\">%1</span></th>")
                    .arg(ReportFormat::name(alternative.name));
    }
    html += QStringLiteral("</tr>");
    for (const Row &row : rows()) {
        html += QStringLiteral("<tr style=\"background-color:%1\"><td>%2</td>")
                    .arg(QLatin1String(row.colour), row.label);
        for (int a = 0; a < alternatives.size(); ++a) {
            html += QStringLiteral("<td><p align=\"center\">%1</td>")
                        .arg(row.text(alternatives.at(a), indicators.at(a)));
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");

    QVector<std::vector<double>> tirs;
    for (int a = 0; a < alternatives.size(); ++a) {
        tirs << indicators.at(a).tirs;
        if (indicators.at(a).tirs.size() > 1) {
            html += QStringLiteral("<p>%1</p>")
                        .arg(tr("La TIR de «%1» no es única: su flujo neto cambia de signo más "
                                "de una vez.")
                                 .arg(ReportFormat::name(alternatives.at(a).name)));
        }
    }
    const QString sentence = verdict(alternatives, indicators);
    if (!sentence.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(sentence);
    if (!alternatives.isEmpty()) {
        const QImage profile =
            VpnProfile::render(VpnProfile::compute(alternatives, tirs), pictureWidth);
        document.images.append({ProfileName, profile});
        html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                    .arg(ProfileName)
                    .arg(profile.width())
                    .arg(profile.height());
    }
    html += QStringLiteral("</body></html>");
    return document;
}
