#include "flowscsv.h"

#include "aftertaxtables.h"
#include "cashflowreport.h"
#include "filesaving.h"
#include "replacementcsv.h"
#include "reportformat.h"

#include <QDir>
#include <QStringList>

#include <cmath>
#include <limits>

QString FlowsCsv::field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    bool quoted = false;
    for (const QChar c : text)
        quoted = quoted || special.contains(c);
    if (!quoted)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString FlowsCsv::textField(const QString &text)
{
    // What a spreadsheet would run as a formula or a command starts so.
    static const QString active = QStringLiteral("=+-@\t\r");
    const bool risky = !text.isEmpty() && active.contains(text.at(0));
    return field(risky ? QLatin1Char('\'') + text : text);
}

template<typename Line>
void FlowsCsv::afterTaxLines(const AlternativeFigures &alternative, const CashFlowTable &table,
                             const Line &line)
{
    const QString type = alternative.taxRate == 0.0 ? tr("Antes de impuestos") : tr("Después de impuestos");
    for (const AfterTaxTables::StatementLine &row :
         AfterTaxTables::statementLines(alternative, table.shown))
        line(row.label, type, row.amounts, 1.0);
    // A table of rows by period, as lines by column over the table's periods.
    const int periods = static_cast<int>(table.net.size());
    const auto columns = [&](const QString &name, const QString &kind, const QStringList &headers,
                             const std::vector<AfterTaxTables::TableRow> &rows) {
        for (int column = 0; column < headers.size(); ++column) {
            QVector<double> amounts(periods, std::numeric_limits<double>::quiet_NaN());
            for (const AfterTaxTables::TableRow &row : rows) {
                if (row.period >= 0 && row.period < periods)
                    amounts[static_cast<int>(row.period)] = row.figures.at(static_cast<size_t>(column));
            }
            const QString header = headers.at(column);
            line(tr("%1: %2").arg(name, header.left(1).toLower() + header.mid(1)), kind, amounts, 1.0);
        }
    };
    for (const AlternativeFigures::Asset &asset : alternative.assets)
        columns(asset.name, tr("Depreciación"), AfterTaxTables::depreciationColumns(),
                AfterTaxTables::depreciationRows(asset));
    for (const AlternativeFigures::Loan &loan : alternative.loans)
        columns(loan.name, tr("Amortización"), AfterTaxTables::amortizationColumns(),
                AfterTaxTables::amortizationRows(loan));
}

QByteArray FlowsCsv::text(const QVector<CashFlowTable> &tables,
                          const QVector<AlternativeFigures> &alternatives,
                          const QVector<ReplacementFigures> &replacements)
{
    int periods = 0;
    for (const CashFlowTable &table : tables)
        periods = std::max(periods, static_cast<int>(table.net.size()));
    const QString end = QStringLiteral("\r\n");
    QStringList header{textField(tr("Alternativa")), textField(tr("Concepto")),
                       textField(tr("Tipo"))};
    for (int period = 0; period < periods; ++period)
        header << ReportFormat::wholeNumber(period);
    QString csv = header.join(QLatin1Char(',')) + end;
    for (int index = 0; index < tables.size(); ++index) {
        const CashFlowTable &table = tables.at(index);
        const auto line = [&](const QString &label, const QString &type,
                              const QVector<double> &amounts, double sign) {
            QStringList fields{textField(table.name), textField(label), textField(type)};
            // 0 plus the amount: an expense of 0 is written 0, not -0. A
            // period the row says nothing of (NaN) stays empty.
            for (const double amount : amounts)
                fields << (std::isnan(amount) ? QString() : ReportFormat::exact(0.0 + sign * amount));
            while (fields.size() < periods + 3)
                fields << QString();
            csv += fields.join(QLatin1Char(',')) + end;
        };
        for (const CashFlowTable::Row &row : table.income)
            line(row.name, tr("Ingreso"), row.amounts, 1.0);
        for (const CashFlowTable::Row &row : table.expenses)
            line(row.name, tr("Egreso"), row.amounts, -1.0);
        line(CashFlowReport::tr("Total"), QString(), table.net, 1.0);
        if (index < alternatives.size())
            afterTaxLines(alternatives.at(index), table, line);
    }
    csv += ReplacementCsv::lines(replacements, end);
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

QString FlowsCsv::write(const QVector<CashFlowTable> &tables,
                        const QVector<AlternativeFigures> &alternatives,
                        const QVector<ReplacementFigures> &replacements, const QString &fileName)
{
    const QString cause = FileSaving::write(fileName, text(tables, alternatives, replacements));
    if (cause.isEmpty())
        return QString();
    return tr("No se pudo escribir «%1»: %2.").arg(QDir::toNativeSeparators(fileName), cause);
}
