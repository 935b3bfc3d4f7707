#include "flowscsv.h"

#include "cashflowreport.h"
#include "cashflowschedule.h"

#include <QDir>
#include <QLocale>
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

QString FlowsCsv::number(double value)
{
    // Shortest text that reads back as the same double, whatever the locale.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QVector<FlowsCsv::Alternative> FlowsCsv::cashFlows(const ProjectFigures &project)
{
    QVector<Alternative> alternatives;
    const QVector<int> shown = CashFlowReport::shownHorizons(project.alternatives);
    for (int index = 0; index < project.alternatives.size(); ++index) {
        const AlternativeFigures &figures = project.alternatives.at(index);
        const int horizon = shown.at(index);
        Alternative alternative{figures.name, {}};
        const auto section = [&alternative, horizon](const QVector<AlternativeFigures::Flow> &flows) {
            QList<QList<double>> amounts;
            for (const AlternativeFigures::Flow &flow : flows) {
                amounts << CashFlowSchedule(flow.figures, horizon).amounts();
                alternative.rows.append({flow.name, QVector<double>(amounts.constLast().cbegin(),
                                                                    amounts.constLast().cend())});
            }
            return amounts;
        };
        const QList<QList<double>> income = section(figures.income);
        const QList<QList<double>> expenses = section(figures.expenses);
        const QList<double> totals = CashFlowReport::netFlow(income, expenses, horizon);
        alternative.rows.append({CashFlowReport::tr("Total"),
                                 QVector<double>(totals.cbegin(), totals.cend())});
        alternatives.append(alternative);
    }
    return alternatives;
}

QByteArray FlowsCsv::text(const QVector<Alternative> &alternatives)
{
    int periods = 0;
    for (const Alternative &alternative : alternatives) {
        for (const Row &row : alternative.rows)
            periods = std::max(periods, static_cast<int>(row.amounts.size()));
    }
    const QString end = QStringLiteral("\r\n");
    QStringList header{field(tr("Alternativa")), field(tr("Concepto"))};
    for (int period = 0; period < periods; ++period)
        header << QString::number(period);
    QString csv = header.join(QLatin1Char(',')) + end;
    for (const Alternative &alternative : alternatives) {
        for (const Row &row : alternative.rows) {
            QStringList line{field(alternative.name), field(row.label)};
            for (const double amount : row.amounts)
                line << number(amount);
            while (line.size() < periods + 2)
                line << QString();
            csv += line.join(QLatin1Char(',')) + end;
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

QString FlowsCsv::write(const QVector<Alternative> &alternatives, const QString &fileName)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text(alternatives));
        if (file.commit())
            return QString();
    }
    return tr("No se pudo escribir «%1»: %2")
        .arg(QDir::toNativeSeparators(fileName), file.errorString());
}
