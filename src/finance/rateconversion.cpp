#include "rateconversion.h"

#include <cmath>
#include <limits>

namespace {

// The letter of each period in an abbreviation, in the order of Period.
char letterOf(RateConversion::Period period)
{
    const int index = int(period);
    return index >= 0 && index < RateConversion::PeriodCount ? "ASCTBMQD"[index] : 'A';
}

} // namespace

int RateConversion::perYear(Period period)
{
    static const int counts[PeriodCount] = {1, 2, 3, 4, 6, 12, 24, 365};
    const int index = int(period);
    return index >= 0 && index < PeriodCount ? counts[index] : 1;
}

double RateConversion::annualForce(double rate, Kind kind, Period period, Period compounding)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (!std::isfinite(rate))
        return nan;
    switch (kind) {
    case Kind::Effective:
        return rate > -1 ? perYear(period) * std::log1p(rate) : nan;
    case Kind::Continuous:
        return rate * perYear(period);
    case Kind::NominalDue:
    case Kind::NominalAdvance: {
        // The rate of each compounding period: the nominal rate shared out
        // among the compounding periods of its period.
        const double times = double(perYear(compounding)) / perYear(period);
        if (times <= 0)
            return nan;
        const double each = rate / times;
        if (kind == Kind::NominalDue)
            return each > -1 ? perYear(compounding) * std::log1p(each) : nan;
        // Interest paid in advance: 1 + i = 1 / (1 - d).
        return each < 1 ? -perYear(compounding) * std::log1p(-each) : nan;
    }
    }
    return nan;
}

double RateConversion::effective(double annualForce, Period period)
{
    return std::expm1(annualForce / perYear(period));
}

double RateConversion::effectiveAnnual(double rate, Period period)
{
    return effective(annualForce(rate, Kind::Effective, period, period), Period::Annual);
}

double RateConversion::real(double rate, double inflation)
{
    return (rate - inflation) / (1 + inflation);
}

double RateConversion::current(double realRate, double inflation)
{
    return realRate + inflation + realRate * inflation;
}

std::string RateConversion::abbreviation(Kind kind, Period period, Period compounding)
{
    const char stated = letterOf(period);
    switch (kind) {
    case Kind::Effective:
        return std::string("E") + stated;
    case Kind::Continuous:
        return std::string("N") + stated + " continua";
    case Kind::NominalDue:
    case Kind::NominalAdvance:
        if (compounding == period) // "2 % MA": a rate of one period paid in advance
            return std::string(1, stated) + (kind == Kind::NominalDue ? 'V' : 'A');
        return std::string("N") + stated + letterOf(compounding)
               + (kind == Kind::NominalDue ? 'V' : 'A');
    }
    return std::string();
}
