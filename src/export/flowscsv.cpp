#include "flowscsv.h"

#include "cashflowreport.h"
#include "reportformat.h"

#include <QDir>
#include <QSaveFile>
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

QByteArray FlowsCsv::text(const QVector<CashFlowTable> &tables)
{
    int periods = 0;
    for (const CashFlowTable &table : tables)
        periods = std::max(periods, static_cast<int>(table.net.size()));
    const QString end = QStringLiteral("\r\n");
    QStringList header{field(tr("Alternativa")), field(tr("Concepto"))};
    for (int period = 0; period < periods; ++period)
        header << ReportFormat::wholeNumber(period);
    QString csv = header.join(QLatin1Char(',')) + end;
    for (const CashFlowTable &table : tables) {
        const auto line = [&](const QString &label, const QVector<double> &amounts) {
            QStringList fields{field(table.name), field(label)};
            for (const double amount : amounts)
                fields << ReportFormat::exact(amount);
            while (fields.size() < periods + 2)
                fields << QString();
            csv += fields.join(QLatin1Char(',')) + end;
        };
        for (const auto *rows : {&table.income, &table.expenses}) {
            for (const CashFlowTable::Row &row : *rows)
                line(row.name, row.amounts);
        }
        line(CashFlowReport::tr("Total"), table.net);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

QString FlowsCsv::write(const QVector<CashFlowTable> &tables, const QString &fileName)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text(tables));
        if (file.commit())
            return QString();
    }
    return tr("No se pudo escribir «%1»: %2")
        .arg(QDir::toNativeSeparators(fileName), file.errorString());
}
