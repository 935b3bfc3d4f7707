#ifndef COMPARISONSHEET_H
#define COMPARISONSHEET_H

#include "alternativesheet.h"
#include "workbookformats.h"
#include "workbooksource.h"

#include <QCoreApplication>
#include <QVector>

#include <xlsxwriter.h>

// The sheet "Comparar": a row per alternative with its VPI, VPE and VPN as
// formulas over the alternative's sheet (the period-0 payment added
// outside NPV, which discounts its first value), VAE with PMT, B/C, TIRM
// with MIRR and TIR with IRR, beside it every TIR found as a figure; under
// them, the best alternative as "Comparar" names it and the cells read as
// 0. Each formula carries the program's own result as its cached value.
class ComparisonSheet
{
    Q_DECLARE_TR_FUNCTIONS(ComparisonSheet)

public:
    // Columns of the table.
    enum Column { Name, Vpi, Vpe, Vpn, Vae, Bc, Tirm, Tir, Note, FirstRoot };

    // Writes the table into `sheet`; `sheets` holds where each alternative's
    // sheet put its figures, in the order of source.project.alternatives.
    static lxw_error write(lxw_worksheet *sheet, const WorkbookFormats &formats,
                           const WorkbookSource &source,
                           const QVector<AlternativeSheet::Layout> &sheets);
};

#endif // COMPARISONSHEET_H
