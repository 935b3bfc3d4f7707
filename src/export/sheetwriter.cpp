#include "sheetwriter.h"

#include "reportformat.h"

#include <algorithm>
#include <cmath>

namespace {

QByteArray utf8(const QString &text)
{
    QString kept = text.left(SheetWriter::MostCharacters);
    if (kept.size() < text.size() && !kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    return kept.toUtf8();
}

lxw_row_t rowOf(int row)
{
    return static_cast<lxw_row_t>(row);
}

lxw_col_t columnOf(int column)
{
    return static_cast<lxw_col_t>(column);
}

} // namespace

void SheetWriter::keep(lxw_error error)
{
    if (m_error == LXW_NO_ERROR)
        m_error = error;
}

void SheetWriter::text(int row, int column, const QString &text, lxw_format *format)
{
    keep(worksheet_write_string(m_sheet, rowOf(row), columnOf(column), utf8(text).constData(), format));
    widen(column, static_cast<int>(std::min<qsizetype>(text.size(), 60)));
}

void SheetWriter::number(int row, int column, double value, lxw_format *format)
{
    if (!std::isfinite(value)) {
        text(row, column, std::isinf(value) ? ReportFormat::worth(value) : ReportFormat::exact(value), format);
        return;
    }
    keep(worksheet_write_number(m_sheet, rowOf(row), columnOf(column), value, format));
}

void SheetWriter::formula(int row, int column, const QString &formula, lxw_format *format,
                          double cached)
{
    if (!std::isfinite(cached)) {
        textFormula(row, column, formula, format, QString());
        return;
    }
    keep(worksheet_write_formula_num(m_sheet, rowOf(row), columnOf(column),
                                     formula.toUtf8().constData(), format, cached));
}

void SheetWriter::textFormula(int row, int column, const QString &formula, lxw_format *format,
                              const QString &cached)
{
    keep(worksheet_write_formula_str(m_sheet, rowOf(row), columnOf(column),
                                     formula.toUtf8().constData(), format, utf8(cached).constData()));
}

void SheetWriter::widen(int column, int characters)
{
    if (column >= m_widths.size())
        m_widths.resize(column + 1, 0);
    m_widths[column] = std::max(m_widths.at(column), characters);
}

void SheetWriter::setWidth(int column, int characters)
{
    widen(column, 0);
    m_widths[column] = characters;
}

void SheetWriter::fitColumns()
{
    for (int column = 0; column < m_widths.size(); ++column) {
        if (m_widths.at(column) > 0) {
            const double width = std::clamp(m_widths.at(column) + 2, 8, 62);
            keep(worksheet_set_column(m_sheet, columnOf(column), columnOf(column), width, nullptr));
        }
    }
}

void SheetWriter::setUpPages(int rows, bool fit)
{
    worksheet_set_paper(m_sheet, 9); // A4
    worksheet_set_landscape(m_sheet);
    if (fit)
        worksheet_fit_to_pages(m_sheet, 1, 0);
    worksheet_gridlines(m_sheet, LXW_SHOW_ALL_GRIDLINES);
    keep(worksheet_repeat_rows(m_sheet, 0, rowOf(rows - 1)));
    keep(worksheet_repeat_columns(m_sheet, 0, 0));
}

QString SheetWriter::cell(int row, int column, bool absolute)
{
    char name[LXW_MAX_CELL_NAME_LENGTH];
    if (absolute)
        lxw_rowcol_to_cell_abs(name, rowOf(row), columnOf(column), 1, 1);
    else
        lxw_rowcol_to_cell(name, rowOf(row), columnOf(column));
    return QString::fromLatin1(name);
}

QString SheetWriter::rowFixedCell(int row, int column)
{
    char name[LXW_MAX_CELL_NAME_LENGTH];
    lxw_rowcol_to_cell_abs(name, rowOf(row), columnOf(column), 1, 0);
    return QString::fromLatin1(name);
}

QString SheetWriter::range(int row, int firstColumn, int lastColumn, bool absolute)
{
    return cell(row, firstColumn, absolute) + QLatin1Char(':') + cell(row, lastColumn, absolute);
}

int SheetWriter::moneyWidth(double value)
{
    const double magnitude = std::fabs(value);
    if (!std::isfinite(magnitude))
        return 4;
    const int digits = magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    return std::min(digits + (digits - 1) / 3 + 3 + (value < 0 ? 1 : 0), 60);
}
