#ifndef REPORTFORMAT_H
#define REPORTFORMAT_H

#include <QString>

// How the reports write numbers and names into their markup. Numbers come
// out the same whatever the system locale: no group separators, a decimal
// point, Qt's general format with six significant digits.
class ReportFormat
{
public:
    // An amount, total or present value: 1500, 0.25, 1.23457e+06, 2e+06.
    static QString amount(double value);
    // A whole number: a period, a column span, the 0 of a period without payment.
    static QString wholeNumber(long long value);
    // A name as typed, escaped so that markup in it shows as text.
    static QString name(const QString &typed);
};

#endif // REPORTFORMAT_H
