#include "alternativesheet.h"

#include "cashflowtable.h"
#include "paymentschedule.h"
#include "sheetnames.h"
#include "sheetwriter.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Writes the rows of one group of flows from `row` on, then its total;
// returns the total's row.
int writeGroup(SheetWriter &out, const WorkbookFormats &formats, int row,
               const QVector<CashFlowTable::Row> &flows, const QVector<double> &totals, int periods)
{
    const int first = row;
    for (const CashFlowTable::Row &flow : flows) {
        out.text(row, 0, flow.name, formats.label);
        for (int k = 0; k < periods; ++k) {
            out.number(row, k + 1, flow.amounts.at(k), formats.money);
            out.widen(k + 1, SheetWriter::moneyWidth(flow.amounts.at(k)));
        }
        ++row;
    }
    for (int k = 0; k < periods; ++k) {
        if (flows.isEmpty())
            out.number(row, k + 1, 0.0, formats.money);
        else
            out.formula(row, k + 1,
                        QStringLiteral("=SUM(%1:%2)").arg(SheetWriter::cell(first, k + 1),
                                                          SheetWriter::cell(row - 1, k + 1)),
                        formats.money, totals.at(k));
    }
    return row;
}

// Present worth of the payments after the last period shown: the group's
// worth less that of the payments on the sheet, each discounted as the
// sheet does it. NaN when every payment is on the sheet.
double worthBeyond(const QVector<AlternativeFigures::Flow> &flows, const QVector<double> &totals,
                   double rate, int shown)
{
    bool beyond = false;
    for (const AlternativeFigures::Flow &flow : flows) {
        const PaymentSchedule schedule(flow.figures);
        beyond = beyond || (schedule.end() > schedule.first() && schedule.end() > shown + 1LL);
    }
    if (!beyond)
        return std::nan("");
    double onSheet = 0.0;
    for (int k = 0; k < totals.size(); ++k)
        onSheet += totals.at(k) * (1.0 / std::pow(1.0 + rate, k));
    return flowsWorth(AlternativeFigures::figuresOf(flows), rate) - onSheet;
}

} // namespace

AlternativeSheet::Layout AlternativeSheet::write(lxw_workbook *workbook,
                                                 const WorkbookFormats &formats,
                                                 const AlternativeFigures &alternative,
                                                 int shownHorizon, const QString &name)
{
    Layout layout;
    layout.sheet = name;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, name.toUtf8().constData());
    if (!sheet) {
        layout.error = LXW_ERROR_SHEETNAME_ALREADY_USED;
        return layout;
    }
    SheetWriter out(sheet);
    const CashFlowTable table =
        CashFlowTable::of(alternative, std::min(shownHorizon, MostPeriods - 1));
    layout.shown = table.shown;
    const int periods = table.shown < 0 ? 0 : table.shown + 1;
    const double rate = alternative.rate;

    out.text(0, 0, tr("Alternativa"), formats.alternative);
    out.text(0, 1, alternative.name, formats.alternative);
    out.text(HorizonRow, 0, tr("Horizonte (períodos)"), formats.label);
    if (alternative.perpetual)
        out.text(HorizonRow, 1, QStringLiteral("\u221E"), formats.label);
    else
        out.number(HorizonRow, 1, alternative.horizon, formats.whole);
    out.text(RateRow, 0, tr("Interés de oportunidad"), formats.label);
    out.number(RateRow, 1, rate, formats.rate);
    const QString quoted = SheetNames::quoted(name);
    workbook_define_name(workbook, (quoted + QStringLiteral("!Horizonte")).toUtf8().constData(),
                         (QLatin1Char('=') + quoted + QLatin1Char('!')
                          + SheetWriter::cell(HorizonRow, 1, true)).toUtf8().constData());
    workbook_define_name(workbook, (quoted + QStringLiteral("!Tasa")).toUtf8().constData(),
                         (QLatin1Char('=') + quoted + QLatin1Char('!')
                          + SheetWriter::cell(RateRow, 1, true)).toUtf8().constData());
    if (alternative.perpetual || table.shown < table.horizon) {
        out.text(3, 0, tr("Se muestran los períodos 0 a %1 de %2.")
                           .arg(QString::number(table.shown),
                                alternative.perpetual ? QStringLiteral("\u221E")
                                                      : QString::number(table.horizon)),
                 formats.note);
    }

    out.text(PeriodRow, 0, tr("Concepto"), formats.header);
    for (int k = 0; k < periods; ++k)
        out.number(PeriodRow, k + 1, k, formats.header);
    int row = PeriodRow + 1;
    out.text(row++, 0, tr("Ingresos"), formats.income);
    layout.incomeTotalRow = writeGroup(out, formats, row, table.income, table.incomeTotals, periods);
    out.text(layout.incomeTotalRow, 0, tr("Total ingresos"), formats.label);
    row = layout.incomeTotalRow + 1;
    out.text(row++, 0, tr("Egresos"), formats.expense);
    layout.expenseTotalRow = writeGroup(out, formats, row, table.expenses, table.expenseTotals, periods);
    out.text(layout.expenseTotalRow, 0, tr("Total egresos"), formats.label);

    layout.netRow = layout.expenseTotalRow + 1;
    const int factorRow = layout.netRow + 1;
    const int discountedRow = layout.netRow + 2;
    out.text(layout.netRow, 0, tr("Flujo neto"), formats.total);
    out.text(factorRow, 0, tr("Factor de descuento"), formats.label);
    out.text(discountedRow, 0, tr("Flujo neto descontado"), formats.label);
    const int firstIncome = PeriodRow + 2;
    const int firstExpense = layout.incomeTotalRow + 2;
    for (int k = 0; k < periods; ++k) {
        const int c = k + 1;
        QStringList sums;
        if (!table.income.isEmpty())
            sums << QStringLiteral("SUM(%1:%2)").arg(SheetWriter::cell(firstIncome, c),
                                                     SheetWriter::cell(layout.incomeTotalRow - 1, c));
        if (!table.expenses.isEmpty())
            sums << QStringLiteral("-SUM(%1:%2)").arg(SheetWriter::cell(firstExpense, c),
                                                      SheetWriter::cell(layout.expenseTotalRow - 1, c));
        const QString net = sums.isEmpty() ? QStringLiteral("0") : sums.join(QString());
        out.formula(layout.netRow, c, QLatin1Char('=') + net, formats.total, table.net.at(k));
        const double factor = 1.0 / std::pow(1.0 + rate, k);
        out.formula(factorRow, c,
                    QStringLiteral("=1/(1+Tasa)^%1").arg(SheetWriter::rowFixedCell(PeriodRow, c)),
                    formats.factor, factor);
        out.formula(discountedRow, c,
                    QStringLiteral("=%1*%2").arg(SheetWriter::cell(layout.netRow, c),
                                                 SheetWriter::cell(factorRow, c)),
                    formats.money, table.net.at(k) * factor);
        out.widen(c, std::max(SheetWriter::moneyWidth(table.incomeTotals.at(k)),
                              SheetWriter::moneyWidth(table.expenseTotals.at(k))));
    }

    int below = discountedRow + 2;
    const double incomeBeyond = worthBeyond(alternative.income, table.incomeTotals, rate, table.shown);
    const double expenseBeyond = worthBeyond(alternative.expenses, table.expenseTotals, rate, table.shown);
    if (!std::isnan(incomeBeyond) || !std::isnan(expenseBeyond)) {
        out.text(below++, 0, tr("Pagos después del período %1, fuera de la tabla:").arg(table.shown),
                 formats.note);
        layout.incomeBeyondRow = below++;
        out.text(layout.incomeBeyondRow, 0, tr("Valor presente de los ingresos posteriores"),
                 formats.label);
        out.number(layout.incomeBeyondRow, 1, std::isnan(incomeBeyond) ? 0.0 : incomeBeyond,
                   formats.money);
        layout.expenseBeyondRow = below++;
        out.text(layout.expenseBeyondRow, 0, tr("Valor presente de los egresos posteriores"),
                 formats.label);
        out.number(layout.expenseBeyondRow, 1, std::isnan(expenseBeyond) ? 0.0 : expenseBeyond,
                   formats.money);
    }

    out.widen(1, SheetWriter::moneyWidth(std::max(std::fabs(incomeBeyond), std::fabs(expenseBeyond))));
    out.fitColumns();
    out.setUpPages(PeriodRow + 1, false);
    worksheet_freeze_panes(sheet, PeriodRow + 1, 1);
    layout.error = out.error();
    return layout;
}
