#ifndef SHEETWRITER_H
#define SHEETWRITER_H

#include <xlsxwriter.h>

#include <QString>
#include <QVector>

// Writes the cells of one worksheet from Qt's strings and keeps what the
// sheet needs besides: the first error of the library, and each column's
// widest text so that the columns are laid out to fit (fitColumns()).
//
// Text is always written as text, whatever it looks like ("=A1", "1e5").
// A number that is not finite has no place in a workbook: it is written as
// its text ("∞", "−∞", "nan"); a formula whose own result is not finite is
// written without a cached result, so that a spreadsheet works it out.
class SheetWriter
{
public:
    // Past this many characters a spreadsheet refuses a cell's text.
    static constexpr int MostCharacters = 32767;

    explicit SheetWriter(lxw_worksheet *sheet) : m_sheet(sheet) {}

    lxw_worksheet *sheet() const { return m_sheet; }
    lxw_error error() const { return m_error; }

    void text(int row, int column, const QString &text, lxw_format *format = nullptr);
    void number(int row, int column, double value, lxw_format *format = nullptr);
    // `formula` starts with "=" and uses the file's English function names.
    void formula(int row, int column, const QString &formula, lxw_format *format, double cached);
    void textFormula(int row, int column, const QString &formula, lxw_format *format,
                     const QString &cached);

    // The width a column needs for `characters`, kept if wider than before.
    void widen(int column, int characters);
    // The column's width, whatever its texts need (they wrap).
    void setWidth(int column, int characters);
    // Sets every column written to the width of its widest text.
    void fitColumns();
    // Printed: A4 landscape, with the grid, the first `rows` rows and the
    // first column repeated on every page; as wide as one page if `fit`.
    void setUpPages(int rows, bool fit);

    // "B7", "$B$7" (absolute), "B$7" (row fixed).
    static QString cell(int row, int column, bool absolute = false);
    static QString rowFixedCell(int row, int column);
    static QString range(int row, int firstColumn, int lastColumn, bool absolute = false);
    // The characters a number takes in the "#,##0.00" format.
    static int moneyWidth(double value);

private:
    void keep(lxw_error error);

    lxw_worksheet *m_sheet;
    lxw_error m_error = LXW_NO_ERROR;
    QVector<int> m_widths;
};

#endif // SHEETWRITER_H
