#include "aftertaxtables.h"

#include "aftertaxfigures.h"
#include "reportformat.h"
#include "reportmarkup.h"

#include <vector>

namespace {

using M = ReportMarkup;

struct Line {
    const char *label;
    double StatementPeriod::*figure;
    bool loan;  // shown only with a loan
    bool total; // a flow: in bold
};

const Line Lines[] = {
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Ingresos"), &StatementPeriod::income, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Egresos"), &StatementPeriod::expenses, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Depreciación"), &StatementPeriod::depreciation, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Intereses"), &StatementPeriod::interest, true, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Utilidad gravable"), &StatementPeriod::taxable, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Impuestos"), &StatementPeriod::tax, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Utilidad neta"), &StatementPeriod::net, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "+ Depreciación"), &StatementPeriod::depreciation, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "\u2212 Inversión"), &StatementPeriod::investment, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "+ Valor de venta"), &StatementPeriod::sale, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "\u2213 Impuesto de la venta"), &StatementPeriod::saleTax, false, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "+ Préstamo"), &StatementPeriod::loan, true, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "\u2212 Abono a capital"), &StatementPeriod::principal, true, false},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Flujo de caja del proyecto"), &StatementPeriod::project, false, true},
    {QT_TRANSLATE_NOOP("AfterTaxTables", "Flujo de caja del inversionista"), &StatementPeriod::investor, true, true},
};

QString headerRow(const QStringList &labels)
{
    QString row = M::figureRowStart(M::HeaderColour);
    for (const QString &label : labels)
        row += M::headerCell(label);
    return row + M::rowEnd();
}

QString numberRow(long long period, const std::vector<double> &figures)
{
    QString row = M::figureRowStart() + M::labelCell(ReportFormat::wholeNumber(period));
    for (const double figure : figures)
        row += M::flowCell(ReportFormat::amount(figure));
    return row + M::rowEnd();
}

} // namespace

QString AfterTaxTables::markup(const AlternativeFigures &alternative, int shown)
{
    if (!alternative.afterTax())
        return QString();
    QString html = statement(alternative, shown);
    for (const AlternativeFigures::Asset &asset : alternative.assets)
        html += depreciation(asset);
    for (const AlternativeFigures::Loan &loan : alternative.loans)
        html += amortization(loan);
    return html;
}

int AfterTaxTables::statementRows(const AlternativeFigures &alternative)
{
    if (!alternative.afterTax())
        return 0;
    int rows = 2; // the title and the periods
    for (const Line &line : Lines)
        rows += !line.loan || !alternative.loans.isEmpty();
    return rows;
}

QVector<AfterTaxTables::StatementLine> AfterTaxTables::statementLines(
    const AlternativeFigures &alternative, int shown)
{
    QVector<StatementLine> lines;
    if (!alternative.afterTax())
        return lines;
    const long long count = static_cast<long long>(shown < 0 ? 0 : shown) + 1;
    const std::vector<StatementPeriod> periods = AfterTaxFigures::statement(alternative).periods(count);
    const bool loans = !alternative.loans.isEmpty();
    for (const Line &line : Lines) {
        if (line.loan && !loans)
            continue;
        StatementLine result{tr(line.label), line.total, {}};
        result.amounts.reserve(static_cast<int>(periods.size()));
        for (const StatementPeriod &period : periods)
            result.amounts.append(period.*line.figure);
        lines.append(result);
    }
    return lines;
}

QString AfterTaxTables::statement(const AlternativeFigures &alternative, int shown)
{
    const long long count = static_cast<long long>(shown < 0 ? 0 : shown) + 1;
    const QString name = ReportFormat::name(alternative.name);
    const QString title = alternative.taxRate == 0.0
        ? tr("Flujo de caja de «%1», antes de impuestos").arg(name)
        : tr("Flujo de caja de «%1», después de impuestos (tasa %2)")
              .arg(name, ReportFormat::rate(alternative.taxRate));
    QString html = M::tableStart() + M::bandRow(M::AlternativeColour, count + 1, title);
    html += M::figureRowStart(M::HeaderColour) + M::headerCell(tr("Concepto"));
    for (long long period = 0; period < count; ++period)
        html += M::headerCell(ReportFormat::wholeNumber(period));
    html += M::rowEnd();
    for (const StatementLine &line : statementLines(alternative, shown)) {
        html += line.total ? M::figureRowStart(M::TotalColour) + M::boldLabelCell(line.label)
                           : M::figureRowStart() + M::labelCell(line.label);
        for (const double figure : line.amounts) {
            const QString amount = ReportFormat::amount(figure);
            html += line.total ? M::totalCell(amount) : M::flowCell(amount);
        }
        html += M::rowEnd();
    }
    return html + M::tableEnd();
}

QStringList AfterTaxTables::depreciationColumns()
{
    return {tr("Depreciación"), tr("Acumulada"), tr("Valor en libros")};
}

std::vector<AfterTaxTables::TableRow> AfterTaxTables::depreciationRows(
    const AlternativeFigures::Asset &asset)
{
    std::vector<TableRow> rows;
    const DepreciationSchedule schedule(asset.terms);
    const long long last = std::min<long long>(
        asset.terms.sale, asset.terms.purchase + static_cast<long long>(schedule.years().size()));
    double accumulated = 0.0;
    for (long long period = asset.terms.purchase; period <= last; ++period) {
        accumulated += schedule.depreciation(period);
        rows.push_back({period, {schedule.depreciation(period), accumulated, schedule.bookValue(period)}});
    }
    return rows;
}

QStringList AfterTaxTables::amortizationColumns()
{
    return {tr("Saldo inicial"), tr("Cuota"), tr("Interés"), tr("Abono a capital"), tr("Saldo final")};
}

std::vector<AfterTaxTables::TableRow> AfterTaxTables::amortizationRows(
    const AlternativeFigures::Loan &loan)
{
    std::vector<TableRow> rows;
    for (const LoanPeriod &row : LoanSchedule::of(loan.terms))
        rows.push_back({row.period, {row.opening, row.payment, row.interest, row.principal, row.closing}});
    return rows;
}

QString AfterTaxTables::depreciation(const AlternativeFigures::Asset &asset)
{
    QString html = M::tableStart()
        + M::bandRow(M::ExpenseColour, 4, tr("Depreciación de «%1»").arg(ReportFormat::name(asset.name)))
        + headerRow(QStringList{tr("Período")} + depreciationColumns());
    for (const TableRow &row : depreciationRows(asset))
        html += numberRow(row.period, row.figures);
    return html + M::tableEnd();
}

QString AfterTaxTables::amortization(const AlternativeFigures::Loan &loan)
{
    QString html = M::tableStart()
        + M::bandRow(M::IncomeColour, 6, tr("Amortización de «%1»").arg(ReportFormat::name(loan.name)))
        + headerRow(QStringList{tr("Período")} + amortizationColumns());
    for (const TableRow &row : amortizationRows(loan))
        html += numberRow(row.period, row.figures);
    return html + M::tableEnd();
}
