#ifndef FLOWSCSV_H
#define FLOWSCSV_H

#include "cashflowtable.h"
#include "replacementfigures.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The cash-flow tables of a project as CSV for a spreadsheet: a header
// "Alternativa,Concepto,Tipo,0,1,...,K", then a line per flow (income, then
// expenses) and one for the net "Total" of each table, its amounts in the
// period columns: the figures "Visualizar" shows, over the same periods
// (CashFlowTable::ofProject with the window's cell limit). "Tipo" says
// "Ingreso" or "Egreso"; an expense's amounts carry the sign they have in
// the Total (negative), so that a column's sum is the net flow. A text
// that a spreadsheet would run as a formula (starting with "=", "+", "-",
// "@", a tab or a carriage return) is written after an apostrophe.
// Under the Total of an alternative appraised after taxes or holding an
// asset or a loan come the lines of its statement (Tipo "Después de
// impuestos" or "Antes de impuestos"), then each asset's depreciation and
// each loan's amortization, a line per column of their tables ("Torno:
// valor en libros", Tipo "Depreciación" or "Amortización"), empty in the
// periods the table has no row for: the figures "Visualizar" shows under
// the table (AfterTaxTables), over the same periods.
// Comma separated, numbers with a decimal point and as many digits as they
// need, UTF-8 with a byte-order mark (so that spreadsheets read the
// accents), CRLF line ends; a field holding a comma, a quote or a line
// break is quoted. The replacement analyses' tables of lives follow the
// alternatives (ReplacementCsv).
class FlowsCsv
{
    Q_DECLARE_TR_FUNCTIONS(FlowsCsv)

public:
    // `alternatives`: the figures each table was made of, in the same order
    // (none: the tables alone); `replacements`: the analyses whose tables of
    // lives follow the alternatives.
    static QByteArray text(const QVector<CashFlowTable> &tables,
                           const QVector<AlternativeFigures> &alternatives = {},
                           const QVector<ReplacementFigures> &replacements = {});
    // An empty string when the file is written; otherwise a sentence that
    // names the file and the reason. An earlier file stays whole on failure.
    static QString write(const QVector<CashFlowTable> &tables,
                         const QVector<AlternativeFigures> &alternatives,
                         const QVector<ReplacementFigures> &replacements, const QString &fileName);

    static QString field(const QString &text);
    // A text cell: field(), after an apostrophe when it starts like a formula.
    static QString textField(const QString &text);

private:
    template<typename Line>
    static void afterTaxLines(const AlternativeFigures &alternative, const CashFlowTable &table,
                              const Line &line);
};

#endif // FLOWSCSV_H
