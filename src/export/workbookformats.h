#ifndef WORKBOOKFORMATS_H
#define WORKBOOKFORMATS_H

#include <xlsxwriter.h>

// The cell formats of a workbook, made once for all its sheets (the
// workbook owns them): money to the cent with grouping, rates as
// percentages, and the reports' colours on the headers and the rows.
struct WorkbookFormats {
    explicit WorkbookFormats(lxw_workbook *workbook);

    lxw_format *label = nullptr;        // a row's label
    lxw_format *header = nullptr;       // a column's header, grey
    lxw_format *alternative = nullptr;  // an alternative's band
    lxw_format *income = nullptr;       // the "Ingresos" band
    lxw_format *expense = nullptr;      // the "Egresos" band
    lxw_format *whole = nullptr;        // a count of periods
    lxw_format *money = nullptr;        // 1,234.56
    lxw_format *total = nullptr;        // money on the total's green, bold
    lxw_format *rate = nullptr;         // 12.50%
    lxw_format *factor = nullptr;       // a discount factor, 0.826446
    lxw_format *ratio = nullptr;        // B/C, 1.250
    lxw_format *note = nullptr;         // a sentence, in italics
    lxw_format *wrappedNote = nullptr;  // the same, wrapped in its cell

    // Headers of the comparison's columns, on the colours of its rows.
    lxw_format *vpiHeader = nullptr;
    lxw_format *vpeHeader = nullptr;
    lxw_format *vpnHeader = nullptr;
    lxw_format *vaeHeader = nullptr;
    lxw_format *tirHeader = nullptr;
    lxw_format *bcHeader = nullptr;
};

#endif // WORKBOOKFORMATS_H
