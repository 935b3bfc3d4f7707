#ifndef RATECONVERSION_H
#define RATECONVERSION_H

#include <string>

// Converts an interest rate between the ways it is stated: effective per
// period, nominal compounded several times a period and paid at the end of
// each ("vencida") or in advance ("anticipada"), or continuous. Every rate
// goes through its force of interest per year (the logarithm of a year's
// growth), so that tiny rates keep their digits (log1p and expm1). A rate
// that means no growth at all (1 + i <= 0, or a discount of 100 % or more)
// converts to NaN.
class RateConversion
{
public:
    enum class Kind { Effective, NominalDue, NominalAdvance, Continuous };
    // A year of 365 days; "Quincenal" is half a month.
    enum class Period { Annual, Semiannual, FourMonthly, Quarterly, Bimonthly, Monthly, Fortnightly, Daily };
    static constexpr int PeriodCount = 8;

    // How many periods make a year: 1, 2, 3, 4, 6, 12, 24, 365.
    static int perYear(Period period);

    // The force of interest per year of `rate`, a rate of `kind` stated per
    // `period`; a nominal rate compounds once every `compounding`.
    static double annualForce(double rate, Kind kind, Period period, Period compounding);
    // The effective rate per `period` of a force of interest per year.
    static double effective(double annualForce, Period period);
    // The effective annual rate of `rate`, effective per `period`.
    static double effectiveAnnual(double rate, Period period);

    // The real rate r of a rate i under inflation f per the same period,
    // (1 + i) = (1 + r)(1 + f); and back, the current rate of a real one.
    static double real(double rate, double inflation);
    static double current(double realRate, double inflation);

    // The usual abbreviation: "EA", "EM" for effective rates; "NAMV", "NATA"
    // (nominal per year, compounded monthly due, quarterly in advance) for
    // nominal ones; "NA continua" for a continuous rate per year.
    static std::string abbreviation(Kind kind, Period period, Period compounding = Period::Annual);
};

#endif // RATECONVERSION_H
