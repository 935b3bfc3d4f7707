#include "figurereader.h"

#include "flowchoices.h"

#include <QRegularExpression>
#include <QVariant>

#include <climits>
#include <cmath>

namespace {

// Patterns are anchored and take ASCII digits only: QRegularExpression's \d
// would also take digits of other scripts, which the conversion does not.
QRegularExpression pattern(const char *expression)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(expression)));
}

// A whole number as the conversion accepts it: optional sign, digits.
bool isWholeLiteral(const QString &text)
{
    static const QRegularExpression whole = pattern("[+-]?[0-9]+");
    return whole.match(text).hasMatch();
}

// A number with a decimal point and an optional exponent.
bool isDecimalLiteral(const QString &text)
{
    static const QRegularExpression decimal =
        pattern("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?");
    return decimal.match(text).hasMatch();
}

// The text that a number written the Spanish or the English way, with a
// decimal comma or with thousands separators, means with a decimal point
// and no separators; empty when the text is not written that way.
QString withDecimalPoint(const QString &text, FigureReader::Problem *why)
{
    static const QRegularExpression spanishGrouping =
        pattern("[+-]?[0-9]{1,3}(\\.[0-9]{3})+,[0-9]*");
    static const QRegularExpression englishGrouping =
        pattern("[+-]?[0-9]{1,3}(,[0-9]{3})+(\\.[0-9]*)?");
    QString candidate;
    if (text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.'))) {
        // 0,12  1500,50  -2,5e3
        candidate = text;
        candidate.replace(QLatin1Char(','), QLatin1Char('.'));
        *why = FigureReader::Problem::DecimalComma;
    } else if (spanishGrouping.match(text).hasMatch()) {
        // 1.500,50  1.000.000,
        candidate = text;
        candidate.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
        *why = FigureReader::Problem::DecimalComma;
    } else if (englishGrouping.match(text).hasMatch()) {
        // 1,500.50  1,000,000
        candidate = text;
        candidate.remove(QLatin1Char(','));
        *why = FigureReader::Problem::GroupSeparator;
    }
    return isDecimalLiteral(candidate) ? candidate : QString();
}

QString fraction(double value)
{
    return QString::number(value, 'g', 15);
}

// Why the text of an amount or a rate does not convert.
void explainAmount(const QString &text, bool rate, FigureReader::Reading *reading)
{
    using Problem = FigureReader::Problem;
    bool ok = false;
    if (isDecimalLiteral(text)) {
        // Written as a number; Qt's conversion refuses results beyond double.
        text.toDouble(&ok);
        reading->problem = ok ? Problem::NotANumber : Problem::OutOfRange;
        return;
    }
    if (text.endsWith(QLatin1Char('%'))) {
        QString number = text.chopped(1).trimmed();
        Problem ignored = Problem::None;
        if (!isDecimalLiteral(number))
            number = withDecimalPoint(number, &ignored);
        const double percent = number.toDouble(&ok);
        if (ok && std::isfinite(percent) && rate) {
            // A rate may keep its sign: only the comma is wrong.
            reading->problem = Problem::DecimalComma;
            reading->suggestion = number + QStringLiteral(" %");
            return;
        }
        if (ok && std::isfinite(percent)) {
            reading->problem = Problem::PercentSign;
            reading->suggestion = fraction(percent / 100.0);
            return;
        }
    }
    Problem why = Problem::None;
    const QString candidate = withDecimalPoint(text, &why);
    if (!candidate.isEmpty()) {
        candidate.toDouble(&ok);
        if (ok) {
            reading->problem = why;
            reading->suggestion = candidate;
            return;
        }
    }
    reading->problem = Problem::NotANumber;
}

// Why the text of a whole number does not convert.
void explainWholeNumber(const QString &text, FigureReader::Reading *reading)
{
    using Problem = FigureReader::Problem;
    if (isWholeLiteral(text)) {
        // Digits only: the conversion refuses numbers beyond 64 bits.
        reading->problem = Problem::OutOfRange;
        return;
    }
    Problem ignored = Problem::None;
    if (isDecimalLiteral(text) || !withDecimalPoint(text, &ignored).isEmpty())
        reading->problem = Problem::NotWhole;
    else
        reading->problem = Problem::NotANumber;
}

// A list reads as the number of its items, each an amount; the first item
// that does not convert, or a negative one where values are wanted, is named.
// With `figures`, every item's figure is kept (0 when it does not convert).
FigureReader::Reading readList(const QString &typed, bool values, QVector<double> *figures)
{
    FigureReader::Reading reading;
    const QStringList items = FigureReader::listItems(typed);
    reading.value = items.size();
    reading.converted = true;
    if (figures)
        figures->reserve(items.size());
    for (int k = 0; k < items.size(); ++k) {
        const FigureReader::Reading item = FigureReader::read(items.at(k), FigureReader::Kind::Amount);
        const bool readable = item.converted && std::isfinite(item.value);
        if (figures)
            figures->append(readable ? item.value : 0.0);
        if (reading.problem == FigureReader::Problem::ListItem)
            continue;
        if (!readable) {
            reading.converted = false;
            reading.problem = FigureReader::Problem::ListItem;
            reading.item = k + 1;
            reading.suggestion = items.at(k);
            if (!figures)
                return reading;
            continue;
        }
        if (values && item.value < 0 && reading.problem == FigureReader::Problem::None) {
            reading.problem = FigureReader::Problem::NegativeValue;
            reading.item = k + 1;
        }
    }
    if (items.isEmpty())
        reading.converted = false;
    return reading;
}

// A number that reads: used when it lies within its bounds, flagged with
// `outside` otherwise.
FigureReader::Reading bounded(FigureReader::Reading reading, bool inside, double value,
                              FigureReader::Problem outside)
{
    if (inside) {
        reading.value = value;
        reading.converted = true;
    } else {
        reading.problem = outside;
    }
    return reading;
}

} // namespace

QStringList FigureReader::listItems(const QString &typed)
{
    QStringList items = typed.split(QLatin1Char(';'));
    for (QString &item : items)
        item = item.trimmed();
    if (!items.isEmpty() && items.constLast().isEmpty())
        items.removeLast();
    return items;
}

QVector<double> FigureReader::listValues(const QString &typed, Kind kind, Reading *reading)
{
    QVector<double> values;
    *reading = readList(typed, kind == Kind::ValueList, &values);
    return values;
}

FigureReader::Reading FigureReader::read(const QVariant &display, Kind kind)
{
    Reading reading;
    bool ok = false;
    switch (kind) {
    case Kind::Text:
        return reading;
    case Kind::Method:
    case Kind::System: {
        const QString typed = display.toString();
        const int index = FlowChoices::indexOf(
            kind == Kind::Method ? FlowChoices::methods() : FlowChoices::systems(), typed);
        reading.value = std::max(index, 0);
        reading.converted = index >= 0;
        if (index < 0 && !typed.trimmed().isEmpty())
            reading.problem = Problem::NotAChoice;
        return reading;
    }
    case Kind::Lifetime: {
        const qlonglong wide = display.toLongLong(&ok);
        if (ok)
            return bounded(reading, wide >= 1 && wide <= MaxLifetime, double(wide),
                           Problem::OutsideBounds);
        break;
    }
    case Kind::TaxRate: {
        double fraction = display.toDouble(&ok);
        if (!ok)
            ok = readPercentage(display.toString(), &fraction);
        if (ok)
            return bounded(reading, fraction >= 0.0 && fraction <= 1.0, fraction,
                           Problem::OutsideBounds);
        break;
    }
    case Kind::AmountList:
    case Kind::ValueList:
        return readList(display.toString(), kind == Kind::ValueList, nullptr);
    case Kind::Count:
        if (isEndless(display.toString())) {
            reading.converted = true;
            reading.perpetual = true;
            return reading;
        }
        Q_FALLTHROUGH();
    case Kind::WholeNumber: {
        const qlonglong wide = display.toLongLong(&ok);
        if (ok && kind == Kind::Count && wide < 0) {
            reading.problem = Problem::NegativeCount;
            return reading;
        }
        if (ok)
            return bounded(reading, wide >= INT_MIN && wide <= INT_MAX, double(wide),
                           Problem::OutOfRange);
        break;
    }
    case Kind::Amount:
    case Kind::ExpenseAmount:
    case Kind::Rate: {
        const double number = display.toDouble(&ok);
        if (ok) {
            reading.value = number;
            reading.converted = true;
            if (kind == Kind::Rate && std::isfinite(number) && number > 1.0)
                reading.problem = Problem::RateAsPercentage;
            if (kind == Kind::ExpenseAmount && number < 0.0)
                reading.problem = Problem::NegativeExpense;
            return reading;
        }
        if (kind == Kind::Rate && readPercentage(display.toString(), &reading.value)) {
            // Typed as a percentage on purpose: a rate above 100 % is meant.
            reading.converted = true;
            return reading;
        }
        break;
    }
    }

    // Not converted: an empty cell is simply 0; anything else says why.
    const QString text = display.toString().trimmed();
    if (text.isEmpty())
        return reading;
    if (kind == Kind::WholeNumber || kind == Kind::Count || kind == Kind::Lifetime)
        explainWholeNumber(text, &reading);
    else
        explainAmount(text, kind == Kind::Rate, &reading);
    return reading;
}

bool FigureReader::isEndless(const QString &text)
{
    const QString word = text.trimmed();
    for (const QString &endless : {QStringLiteral("\u221E"), QStringLiteral("inf"),
                                   QStringLiteral("infinito")}) {
        if (word.compare(endless, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool FigureReader::isUnread(const Reading &reading)
{
    // An empty cell reads as 0 with no problem: nobody typed into it.
    return !reading.converted && reading.problem != Problem::None;
}

bool FigureReader::isEmptyFigure(const QString &typed, Kind kind)
{
    // An empty tax rate is the appraisal before taxes, an empty method or
    // system the first of its list: neither is a figure left out.
    return kind != Kind::Text && kind != Kind::TaxRate && kind != Kind::Method
        && kind != Kind::System && typed.trimmed().isEmpty();
}

bool FigureReader::readPercentage(const QString &typed, double *fraction)
{
    const QString text = typed.trimmed();
    if (!text.endsWith(QLatin1Char('%')))
        return false;
    const QString number = text.chopped(1).trimmed();
    bool ok = false;
    const double percent = isDecimalLiteral(number) ? number.toDouble(&ok) : 0.0;
    if (!ok || !std::isfinite(percent))
        return false;
    *fraction = percent / 100.0;
    return true;
}
