#ifndef FIGUREREADER_H
#define FIGUREREADER_H

#include <QString>
#include <QStringList>
#include <QVector>

class QVariant;

// Reads the figures that the user typed into a node's cells.
//
// Every figure lives as the text typed and is converted when it is needed.
// An empty cell (never typed into) and text that does not convert both read
// as 0; so does a whole number beyond the int range,
// which Qt's own conversion would silently wrap, and a negative count of
// periods. A rate may be typed as a percentage: "12.5 %" reads as 0.125.
//
// read() is the one place that decides how a cell reads: the figures of the
// reports and the tint of the property tables both come from it.
class FigureReader
{
public:
    // What a row of a property table holds.
    enum class Kind {
        Text,        // the name: never read as a number
        WholeNumber, // first period
        Amount,      // payments, increments, growth
        ExpenseAmount, // an expense's payment: a negative one counts as income
        Rate,        // opportunity rate and growth, a fraction per period or "10 %"
        Count,       // horizon, number of payments: a whole number, not negative, or "∞" for never ending
        TaxRate,     // income-tax rate: a fraction from 0 to 1 or "35 %"; empty is before taxes
        Lifetime,    // a tax life, a number of cuotas: a whole number from 1 to MaxLifetime
        Method,      // a depreciation method, one of FlowChoices::methods(): the value is its index
        System,      // a loan's system, one of FlowChoices::systems(): the value is its index
        AmountList,  // amounts typed in one cell, separated by ";": "8000; 7000; 6000"
        ValueList    // the same, none of them below 0 (market values)
    };

    // The longest tax life, the most cuotas of a loan.
    static constexpr int MaxLifetime = 1000;

    // Why a cell's text is not used as the number it shows.
    enum class Problem {
        None,
        DecimalComma,     // "0,12", "1.500,50": reads with a decimal point
        GroupSeparator,   // "1,500.50": reads without the thousands commas
        PercentSign,      // "12%": reads as a fraction without the sign
        NotWhole,         // a fraction, decimal point or exponent in a whole-number row
        OutOfRange,       // beyond int (whole numbers) or beyond double (amounts)
        NotANumber,       // letters or anything else that does not convert
        RateAsPercentage, // converts, but a rate above 1 is more than 100 % per period
        NegativeExpense,  // converts, but an expense below 0 adds to the income
        NegativeCount,    // a count of periods below 0: reads as 0
        OutsideBounds,    // a tax rate outside 0..1, a life or a number of cuotas outside 1..1000
        NotAChoice,       // a method or a system not in its list: reads as the first one
        ListItem,         // an item of a list does not convert: the list is not used
        NegativeValue     // converts, but a market value below 0 makes no sense
    };

    struct Reading {
        // The figure that is used: 0 when the text does not convert.
        double value = 0.0;
        // The text converted as typed. False for an empty cell too, which
        // reads as 0 but has no problem: nobody typed into it.
        bool converted = false;
        Problem problem = Problem::None;
        // A count typed "∞", "inf" or "infinito" (any case): it never ends;
        // the value is then 0.
        bool perpetual = false;
        // What to type instead, when the text says what was meant; for a
        // list's item that does not convert, its text.
        QString suggestion;
        // For a list: the number of its item that has the problem (1 the first).
        int item = 0;
    };

    static Reading read(const QVariant &display, Kind kind);

    // Whether `text` stands for a count that never ends.
    static bool isEndless(const QString &text);

    // Whether a cell reads as 0 although something is typed into it.
    static bool isUnread(const Reading &reading);
    // Whether a cell that a figure needs is empty: it counts as 0 without
    // anything typed, so the reports name it, but it is not an error.
    static bool isEmptyFigure(const QString &typed, Kind kind);
    // The fraction a rate typed as a percentage means ("10%", "12.5 %" give
    // 0.1 and 0.125); false for any other text.
    static bool readPercentage(const QString &typed, double *fraction);
    // The items of a list ("8000; 7000"), trimmed; a ";" at the end closes
    // the list without another item.
    static QStringList listItems(const QString &typed);
    // The figures of a list, each item read as an amount (0 when it does not
    // convert), and in `reading` what read(typed, kind) says of the list
    // (kind AmountList or ValueList): one pass over its items.
    static QVector<double> listValues(const QString &typed, Kind kind, Reading *reading);
};

#endif // FIGUREREADER_H
