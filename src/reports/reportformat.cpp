#include "reportformat.h"

#include <QLocale>

#include <cmath>

QString ReportFormat::amount(double value)
{
    if (!(std::fabs(value) < LargestToTheCent))
        return QStringLiteral("%1").arg(value, 0, 'g', -1, QLatin1Char(' '));

    QString digits = QString::number(std::fabs(value), 'f', 2);
    const int point = digits.indexOf(QLatin1Char('.'));
    for (int at = point - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    // A value that rounds to 0.00 has no sign worth showing.
    const bool negative = value < 0 && digits != QLatin1String("0.00");
    return negative ? QLatin1Char('-') + digits : digits;
}

QString ReportFormat::worth(double value)
{
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("\u221E") : QStringLiteral("\u2212\u221E");
    return amount(value);
}

QString ReportFormat::rate(double value)
{
    return QString::number(value, 'g', 6);
}

QString ReportFormat::ratio(double value)
{
    if (!(std::fabs(value) < LargestToTheCent))
        return QString::number(value, 'g', 6);
    const QString digits = QString::number(value, 'f', 3);
    return digits == QLatin1String("-0.000") ? digits.mid(1) : digits;
}

QString ReportFormat::percent(double rate, int decimals)
{
    return QStringLiteral("%1 %").arg(rate * 100, 0, 'f', decimals);
}

QString ReportFormat::exact(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString ReportFormat::wholeNumber(long long value)
{
    return QStringLiteral("%1").arg(value, 0, 10, QLatin1Char(' '));
}

QString ReportFormat::count(long long value)
{
    QString digits = wholeNumber(value);
    const int sign = value < 0 ? 1 : 0;
    for (int at = digits.size() - 3; at > sign; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

QString ReportFormat::name(const QString &typed)
{
    return typed.toHtmlEscaped();
}

QString ReportFormat::shortened(const QString &text)
{
    const int longest = 24;
    if (text.size() <= longest)
        return text;
    return text.left(longest - 1) + QChar(0x2026);
}
