#ifndef ALTERNATIVESHEET_H
#define ALTERNATIVESHEET_H

#include "alternativefigures.h"
#include "workbookformats.h"

#include <QCoreApplication>
#include <QString>

#include <xlsxwriter.h>

// The sheet of one alternative: its name, its horizon and its rate in the
// cells named "Horizonte" and "Tasa", then the periods 0..K of "Visualizar"
// in columns: a row per flow with its payment in each period (income, then
// expenses, as typed), each group's total and the net flow as SUM
// formulas, the discount factor =1/(1+Tasa)^k and the discounted net flow.
//
// Payments after period K (a flow that runs past the horizon, or periods
// cut by the cell limit) are not on the sheet: their present worth, income
// and expenses apart, is written as a figure under the table, so that the
// comparison's formulas still add up to the alternative's VPI and VPE.
class AlternativeSheet
{
    Q_DECLARE_TR_FUNCTIONS(AlternativeSheet)

public:
    // The last column a sheet holds; column A holds the labels.
    static constexpr int MostPeriods = 16383;

    // Rows of the cells the comparison's formulas read.
    static constexpr int HorizonRow = 1;
    static constexpr int RateRow = 2;
    static constexpr int PeriodRow = 4;

    struct Layout {
        QString sheet;
        int shown = -1;          // K; no period when negative
        int incomeTotalRow = -1;
        int expenseTotalRow = -1;
        int netRow = -1;
        int incomeBeyondRow = -1;  // -1: every payment is on the sheet
        int expenseBeyondRow = -1;
        lxw_error error = LXW_NO_ERROR;

        bool whole() const { return incomeBeyondRow < 0 && expenseBeyondRow < 0; }
    };

    // Writes the sheet `name` of `alternative`, periods 0..shownHorizon
    // (at most MostPeriods - 1 and the horizon).
    static Layout write(lxw_workbook *workbook, const WorkbookFormats &formats,
                        const AlternativeFigures &alternative, int shownHorizon,
                        const QString &name);
};

#endif // ALTERNATIVESHEET_H
