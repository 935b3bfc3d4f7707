#ifndef REPORTFORMAT_H
#define REPORTFORMAT_H

#include <QString>

// How the reports write numbers and names into their markup. Numbers come
// out the same whatever the system locale.
class ReportFormat
{
public:
    // Amounts at or beyond this magnitude cannot be shown to the cent: a
    // double has no cents left there.
    static constexpr double LargestToTheCent = 1e15;

    // An amount, total or present worth, to the cent: "14 769 669.24",
    // "686.18", "-1 000.00", the whole part grouped in threes by a no-break
    // space (U+00A0) and a decimal point. At or beyond LargestToTheCent, and
    // for inf and nan, Qt's general format: "1e+15", "inf", "nan".
    static QString amount(double value);
    // A worth that may have no end (a perpetual series that does not
    // converge): "∞" or "−∞"; any other value as amount().
    static QString worth(double value);
    // A rate as a fraction, as rates are typed: six significant digits,
    // "0.152382", "-0.5", "1e-07".
    static QString rate(double value);
    // A ratio with three decimals, "1.250"; at or beyond LargestToTheCent,
    // and for inf and nan, Qt's general format.
    static QString ratio(double value);
    // Typed text echoed in a sentence or a tooltip, cut to 24 characters
    // with an ellipsis.
    static QString shortened(const QString &text);
    // A rate in per cent with the given decimals, "12.5 %", as the VPN
    // profile marks its axis.
    static QString percent(double rate, int decimals);
    // Every digit of an amount for a spreadsheet: the shortest text that
    // reads back as the same double, "1500.5", "1e+20", "-0", "inf".
    static QString exact(double value);
    // A whole number: a period, a column span, the 0 of a period without payment.
    static QString wholeNumber(long long value);
    // A count in a sentence, grouped as amounts are: "100 000", "-1 234".
    static QString count(long long value);
    // A name as typed, escaped so that markup in it shows as text.
    static QString name(const QString &typed);
};

#endif // REPORTFORMAT_H
