#include "flowscsv.h"

#include "cashflowreport.h"
#include "filesaving.h"
#include "replacementcsv.h"
#include "reportformat.h"

#include <QDir>
#include <QStringList>

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

QByteArray FlowsCsv::text(const QVector<CashFlowTable> &tables,
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
    for (const CashFlowTable &table : tables) {
        const auto line = [&](const QString &label, const QString &type,
                              const QVector<double> &amounts, double sign) {
            QStringList fields{textField(table.name), textField(label), textField(type)};
            // 0 plus the amount: an expense of 0 is written 0, not -0.
            for (const double amount : amounts)
                fields << ReportFormat::exact(0.0 + sign * amount);
            while (fields.size() < periods + 3)
                fields << QString();
            csv += fields.join(QLatin1Char(',')) + end;
        };
        for (const CashFlowTable::Row &row : table.income)
            line(row.name, tr("Ingreso"), row.amounts, 1.0);
        for (const CashFlowTable::Row &row : table.expenses)
            line(row.name, tr("Egreso"), row.amounts, -1.0);
        line(CashFlowReport::tr("Total"), QString(), table.net, 1.0);
    }
    csv += ReplacementCsv::lines(replacements, end);
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

QString FlowsCsv::write(const QVector<CashFlowTable> &tables,
                        const QVector<ReplacementFigures> &replacements, const QString &fileName)
{
    const QString cause = FileSaving::write(fileName, text(tables, replacements));
    if (cause.isEmpty())
        return QString();
    return tr("No se pudo escribir «%1»: %2.").arg(QDir::toNativeSeparators(fileName), cause);
}
