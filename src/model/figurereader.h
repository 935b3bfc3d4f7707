#ifndef FIGUREREADER_H
#define FIGUREREADER_H

#include <QString>

class QTableWidget;
class QVariant;

// Reads the figures that the user typed into a property table.
//
// Every figure lives as text in column 0 of its row and is converted when it
// is needed. A cell that holds no item (never typed into) and text that does
// not convert both read as 0; so does a whole number beyond the int range,
// which Qt's own conversion would silently wrap.
class FigureReader
{
public:
    // Whole numbers: horizon, number of payments, first period.
    static bool toWholeNumber(const QVariant &display, int *value);
    // Amounts, increments and rates.
    static bool toAmount(const QVariant &display, double *value);

    static int wholeNumber(const QTableWidget *table, int row);
    static double amount(const QTableWidget *table, int row);
    static QString text(const QTableWidget *table, int row);
};

#endif // FIGUREREADER_H
