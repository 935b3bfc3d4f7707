#ifndef FIGUREREADER_H
#define FIGUREREADER_H

#include "projectfigures.h"

#include <QString>
#include <QVector>

class QTableWidget;
class QVariant;

// Reads the figures that the user typed into a property table.
//
// Every figure lives as text in column 0 of its row and is converted when it
// is needed. A cell that holds no item (never typed into) and text that does
// not convert both read as 0; so does a whole number beyond the int range,
// which Qt's own conversion would silently wrap.
//
// read() is the one place that decides how a cell reads: the figures below
// and the tint of the property tables both come from it.
class FigureReader
{
public:
    // What a row of a property table holds.
    enum class Kind {
        Text,        // the name: never read as a number
        WholeNumber, // horizon, number of payments, first period
        Amount,      // payments, increments, growth
        ExpenseAmount, // an expense's payment: a negative one counts as income
        Rate         // opportunity rate, a fraction per period
    };

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
        NegativeExpense   // converts, but an expense below 0 adds to the income
    };

    struct Reading {
        // The figure that is used: 0 when the text does not convert.
        double value = 0.0;
        // The text converted as typed. False for an empty cell too, which
        // reads as 0 but has no problem: nobody typed into it.
        bool converted = false;
        Problem problem = Problem::None;
        // What to type instead, when the text says what was meant.
        QString suggestion;
    };

    static Reading read(const QVariant &display, Kind kind);

    // Whole numbers: horizon, number of payments, first period.
    static bool toWholeNumber(const QVariant &display, int *value);
    // Amounts, increments and rates.
    static bool toAmount(const QVariant &display, double *value);

    // Cell (row, 0) of `table` read as `kind`. A cell read as 0 although
    // something is typed into it is appended to `unread`, if given, with its
    // text, its row's label and `node`, the name of the table's node.
    static double figure(const QTableWidget *table, int row, Kind kind, const QString &node,
                         QVector<ProjectFigures::UnreadCell> *unread);
    // Whether any cell of `table`, its rows read as `rowKinds`, is read as 0
    // although something is typed into it.
    static bool holdsUnread(const QTableWidget *table, const QVector<Kind> &rowKinds);

    static int wholeNumber(const QTableWidget *table, int row);
    static double amount(const QTableWidget *table, int row);
    static QString text(const QTableWidget *table, int row);
};

#endif // FIGUREREADER_H
