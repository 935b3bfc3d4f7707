#ifndef AFTERTAXTABLES_H
#define AFTERTAXTABLES_H

#include "alternativefigures.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

// What "Visualizar" shows under the table of an alternative appraised after
// taxes or holding an asset or a loan: the statement a course writes, period
// by period (TaxStatement), then a depreciation table per asset and an
// amortization table per loan. Money to the cent, names escaped.
class AfterTaxTables
{
    Q_DECLARE_TR_FUNCTIONS(AfterTaxTables)

public:
    // The markup for the periods 0..shown; empty for an alternative before
    // taxes without assets or loans.
    static QString markup(const AlternativeFigures &alternative, int shown);
    static QString statement(const AlternativeFigures &alternative, int shown);
    // The rows of its statement (each with a cell per period shown): 0 for
    // an alternative without one.
    static int statementRows(const AlternativeFigures &alternative);
    static QString depreciation(const AlternativeFigures::Asset &asset);
    static QString amortization(const AlternativeFigures::Loan &loan);

    // The same figures as plain numbers, for the markup above and the CSV.
    struct StatementLine {
        QString label;
        bool total = false;       // a flow: in bold
        QVector<double> amounts;  // periods 0..shown
    };
    static QVector<StatementLine> statementLines(const AlternativeFigures &alternative, int shown);
    // A row of a depreciation or amortization table: its period, then a
    // figure per column after "Período".
    struct TableRow {
        long long period = 0;
        std::vector<double> figures;
    };
    static QStringList depreciationColumns();
    static std::vector<TableRow> depreciationRows(const AlternativeFigures::Asset &asset);
    static QStringList amortizationColumns();
    static std::vector<TableRow> amortizationRows(const AlternativeFigures::Loan &loan);
};

#endif // AFTERTAXTABLES_H
