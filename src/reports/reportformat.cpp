#include "reportformat.h"

QString ReportFormat::amount(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'g', -1, QLatin1Char(' '));
}

QString ReportFormat::wholeNumber(long long value)
{
    return QStringLiteral("%1").arg(value, 0, 10, QLatin1Char(' '));
}

QString ReportFormat::name(const QString &typed)
{
    return typed.toHtmlEscaped();
}
