#include "comparisonsheet.h"

#include "benefitcost.h"
#include "bestalternative.h"
#include "perpetualnotice.h"
#include "rateofreturn.h"
#include "sheetnames.h"
#include "sheetwriter.h"

#include <QStringList>

#include <cmath>
#include <utility>
#include <vector>

namespace {

const QString dash = QStringLiteral("\u2014");

// A formula's reference to a cell or a range of an alternative's sheet.
struct SheetReference {
    QString prefix; // 'Name'!

    QString name(const char *defined) const { return prefix + QLatin1String(defined); }
    QString cell(int row, int column) const { return prefix + SheetWriter::cell(row, column, true); }
    QString range(int row, int first, int last) const
    {
        return prefix + SheetWriter::range(row, first, last, true);
    }
};

// The worth at period 0 of a total row: period 0 as it stands, NPV of
// periods 1..K, and the worth of what falls after K, if anything does.
QString worthFormula(const SheetReference &s, const AlternativeSheet::Layout &layout, int totalRow,
                     int beyondRow)
{
    QStringList terms;
    if (layout.shown >= 0)
        terms << s.cell(totalRow, 1);
    if (layout.shown >= 1)
        terms << QStringLiteral("NPV(%1,%2)").arg(s.name("Tasa"), s.range(totalRow, 2, layout.shown + 1));
    if (beyondRow >= 0)
        terms << s.cell(beyondRow, 1);
    return QLatin1Char('=') + (terms.isEmpty() ? QStringLiteral("0") : terms.join(QLatin1Char('+')));
}

} // namespace

lxw_error ComparisonSheet::write(lxw_worksheet *sheet, const WorkbookFormats &formats,
                                 const WorkbookSource &source,
                                 const QVector<AlternativeSheet::Layout> &sheets)
{
    SheetWriter out(sheet);
    const QVector<AlternativeFigures> &alternatives = source.project.alternatives;
    out.text(0, Name, tr("Alternativa"), formats.header);
    out.text(0, Vpi, QStringLiteral("VPI"), formats.vpiHeader);
    out.text(0, Vpe, QStringLiteral("VPE"), formats.vpeHeader);
    out.text(0, Vpn, QStringLiteral("VPN"), formats.vpnHeader);
    out.text(0, Vae, QStringLiteral("VAE"), formats.vaeHeader);
    out.text(0, Bc, QStringLiteral("B/C"), formats.bcHeader);
    out.text(0, Tirm, QStringLiteral("TIRM"), formats.tirHeader);
    out.text(0, Tir, QStringLiteral("TIR"), formats.tirHeader);
    out.text(0, Note, tr("Nota"), formats.header);
    out.text(0, FirstRoot, tr("Raíces de la TIR"), formats.tirHeader);

    QVector<double> vpns;
    QVector<double> vaes;
    for (int a = 0; a < alternatives.size(); ++a) {
        const AlternativeFigures &alternative = alternatives.at(a);
        const AlternativeSheet::Layout &layout = sheets.at(a);
        const SheetReference s{SheetNames::quoted(layout.sheet) + QLatin1Char('!')};
        const int row = a + 1;
        const FlowValuation valuation = alternative.valuation();
        const double vpi = valuation.incomeWorth(alternative.rate);
        const double vpe = valuation.expenseWorth(alternative.rate);
        const double vpn = vpi - vpe;
        const double vae = PerpetualNotice::annualWorth(alternative, vpn);
        vpns << vpn;
        vaes << vae;

        out.text(row, Name, alternative.name, formats.label);
        out.widen(Vpi, SheetWriter::moneyWidth(vpi));
        out.widen(Vpe, SheetWriter::moneyWidth(vpe));
        out.widen(Vpn, SheetWriter::moneyWidth(vpn));
        out.widen(Vae, SheetWriter::moneyWidth(vae));
        QStringList notes;
        const std::optional<double> bc = benefitCost(vpi, vpe);
        if (std::isinf(vpi) || std::isinf(vpe)) {
            // A perpetual series that does not converge: no formula gives its
            // worth, so the figures are written as they are ("∞").
            const std::pair<int, double> figures[] = {{Vpi, vpi}, {Vpe, vpe}, {Vpn, vpn}, {Vae, vae}};
            for (const auto &[column, value] : figures) {
                if (std::isnan(value))
                    out.text(row, column, dash);
                else
                    out.number(row, column, value, formats.money);
            }
            if (bc && !std::isnan(*bc))
                out.number(row, Bc, *bc, formats.ratio);
            else
                out.text(row, Bc, dash);
            notes << tr("Una serie perpetua no converge: su valor presente no tiene fin.");
        } else {
            out.formula(row, Vpi, worthFormula(s, layout, layout.incomeTotalRow, layout.incomeBeyondRow),
                        formats.money, vpi);
            out.formula(row, Vpe, worthFormula(s, layout, layout.expenseTotalRow, layout.expenseBeyondRow),
                        formats.money, vpe);
            out.formula(row, Vpn,
                        QStringLiteral("=%1-%2").arg(SheetWriter::cell(row, Vpi), SheetWriter::cell(row, Vpe)),
                        formats.money, vpn);
            if (PerpetualNotice::noAnnualWorth(alternative)) {
                out.text(row, Vae, dash);
            } else if (alternative.perpetual) { // a horizon without end
                out.formula(row, Vae, QStringLiteral("=%1*%2").arg(SheetWriter::cell(row, Vpn), s.name("Tasa")),
                            formats.money, vae);
            } else {
                out.formula(row, Vae,
                            QStringLiteral("=PMT(%1,%2,-%3)")
                                .arg(s.name("Tasa"), s.name("Horizonte"), SheetWriter::cell(row, Vpn)),
                            formats.money, vae);
            }

            const QString bcFormula = QStringLiteral("=IF(%2=0,\"%3\",%1/%2)")
                                          .arg(SheetWriter::cell(row, Vpi), SheetWriter::cell(row, Vpe), dash);
            if (bc)
                out.formula(row, Bc, bcFormula, formats.ratio, *bc);
            else
                out.textFormula(row, Bc, bcFormula, formats.ratio, dash);
        }

        // TIRM over periods 0..N: on the sheet when it shows the whole horizon;
        // "—" where MIRR has none (no positive or no negative payment).
        const double tirm = source.modifiedRate(a);
        if (!alternative.perpetual && alternative.horizon >= 1 && layout.shown == alternative.horizon) {
            out.formula(row, Tirm,
                        QStringLiteral("=IFERROR(MIRR(%1,%2,%2),\"%3\")")
                            .arg(s.range(layout.netRow, 1, layout.shown + 1), s.name("Tasa"), dash),
                        formats.rate, tirm);
        } else if (std::isfinite(tirm)) {
            out.number(row, Tirm, tirm, formats.rate);
        } else {
            out.text(row, Tirm, dash);
        }

        const std::vector<double> tirs = RateOfReturn::rates(valuation);
        if (tirs.empty()) {
            out.text(row, Tir, tr("no existe"));
        } else if (layout.whole() && layout.shown >= 1) {
            // IRR finds one root, the one nearest its guess: Quintavo's lowest.
            out.formula(row, Tir,
                        QStringLiteral("=IRR(%1,%2)")
                            .arg(s.range(layout.netRow, 1, layout.shown + 1),
                                 QString::number(tirs.front(), 'g', 4)),
                        formats.rate, tirs.front());
        } else {
            out.number(row, Tir, tirs.front(), formats.rate);
            notes << tr("Hay pagos fuera de la hoja: la TIR es la calculada por Quintavo.");
        }
        if (tirs.size() > 1)
            notes << tr("La TIR no es única: su flujo neto cambia de signo más de una vez.");
        if (!notes.isEmpty()) {
            const QString note = notes.join(QLatin1Char(' '));
            out.text(row, Note, note, formats.wrappedNote);
            // A spreadsheet does not grow a row for its wrapped text on its own.
            worksheet_set_row(sheet, static_cast<lxw_row_t>(row), 15.0 * ((note.size() + 39) / 40), nullptr);
        }
        for (size_t r = 0; r < tirs.size() && FirstRoot + r < LXW_COL_MAX; ++r)
            out.number(row, FirstRoot + static_cast<int>(r), tirs.at(r), formats.rate);
    }

    int row = alternatives.size() + 2;
    const BestAlternative best = BestAlternative::of(alternatives, vpns, vaes);
    const QString measure = best.sameHorizon ? QStringLiteral("VPN") : QStringLiteral("VAE");
    out.text(row, Name, tr("Mejor alternativa"), formats.total);
    switch (best.outcome) {
    case BestAlternative::Outcome::NoAlternative:
        out.text(row, Vpi, tr("no hay alternativas"));
        break;
    case BestAlternative::Outcome::NoneComparable:
        out.text(row, Vpi, tr("ninguna: ningún %1 se puede comparar").arg(measure));
        break;
    case BestAlternative::Outcome::NoneEarning:
        out.text(row, Vpi, tr("ninguna: todas tienen VPN negativo"));
        break;
    case BestAlternative::Outcome::Found:
        for (int w = 0; w < best.winners.size() && Vpi + w < LXW_COL_MAX; ++w)
            out.text(row, Vpi + w, alternatives.at(best.winners.at(w)).name, formats.total);
        ++row;
        out.text(row, Name, tr("Criterio"), formats.label);
        out.text(row, Vpi, best.sameHorizon ? tr("mayor VPN")
                                            : tr("mayor VAE (horizontes distintos)"));
        break;
    }

    if (!source.project.unread.isEmpty()) {
        row += 2;
        out.text(row++, Name, tr("Celdas leídas como 0"), formats.header);
        for (const ProjectFigures::UnreadCell &cell : source.project.unread) {
            out.text(row, Name, cell.node);
            out.text(row, Vpi, cell.row);
            out.text(row++, Vpe, cell.text);
        }
    }
    out.setWidth(Note, 30);
    out.fitColumns();
    out.setUpPages(1, true);
    worksheet_freeze_panes(sheet, 1, 1);
    return out.error();
}
