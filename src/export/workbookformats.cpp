#include "workbookformats.h"

#include "reportmarkup.h"

namespace {

lxw_color_t colourOf(const char *name)
{
    return static_cast<lxw_color_t>(ReportMarkup::colour(name).rgb() & 0xFFFFFF);
}

lxw_format *band(lxw_workbook *workbook, const char *colour)
{
    lxw_format *format = workbook_add_format(workbook);
    format_set_bold(format);
    format_set_bg_color(format, colourOf(colour));
    return format;
}

lxw_format *numbers(lxw_workbook *workbook, const char *pattern)
{
    lxw_format *format = workbook_add_format(workbook);
    format_set_num_format(format, pattern);
    return format;
}

} // namespace

WorkbookFormats::WorkbookFormats(lxw_workbook *workbook)
{
    using M = ReportMarkup;
    label = workbook_add_format(workbook);
    header = band(workbook, M::HeaderColour);
    format_set_align(header, LXW_ALIGN_CENTER);
    alternative = band(workbook, M::AlternativeColour);
    income = band(workbook, M::IncomeColour);
    expense = band(workbook, M::ExpenseColour);
    whole = numbers(workbook, "0");
    money = numbers(workbook, "#,##0.00");
    total = band(workbook, M::TotalColour);
    format_set_num_format(total, "#,##0.00");
    rate = numbers(workbook, "0.00%");
    factor = numbers(workbook, "0.000000");
    ratio = numbers(workbook, "0.000");
    note = workbook_add_format(workbook);
    format_set_italic(note);
    wrappedNote = workbook_add_format(workbook);
    format_set_italic(wrappedNote);
    format_set_text_wrap(wrappedNote);
    format_set_align(wrappedNote, LXW_ALIGN_VERTICAL_TOP);

    const auto columnHeader = [workbook](const char *colour) {
        lxw_format *format = band(workbook, colour);
        format_set_align(format, LXW_ALIGN_CENTER);
        return format;
    };
    vpiHeader = columnHeader(M::IncomeColour);
    vpeHeader = columnHeader(M::ExpenseColour);
    vpnHeader = columnHeader(M::TotalColour);
    vaeHeader = columnHeader(M::AnnualWorthColour);
    tirHeader = columnHeader(M::RateOfReturnColour);
    bcHeader = columnHeader(M::BenefitCostColour);
}
