#ifndef FLOWSCSV_H
#define FLOWSCSV_H

#include "projectfigures.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The cash-flow figures of every alternative as CSV for a spreadsheet: a
// header "Alternativa,Concepto,0,1,...,N", then a line per row given (each
// flow and the total), its amounts in the period columns. Comma separated,
// numbers with a decimal point and as many digits as they need, UTF-8 with a
// byte-order mark (so that spreadsheets read the accents), CRLF line ends;
// a field holding a comma, a quote or a line break is quoted.
class FlowsCsv
{
    Q_DECLARE_TR_FUNCTIONS(FlowsCsv)

public:
    struct Row {
        QString label;
        QVector<double> amounts; // periods 0, 1, ...
    };
    struct Alternative {
        QString name;
        QVector<Row> rows;
    };

    // The rows of the cash-flow report of `project`, as its tables show
    // them: each income flow, each expense flow (a positive amount, as
    // typed) and the net "Total", over the periods the report shows.
    static QVector<Alternative> cashFlows(const ProjectFigures &project);

    static QByteArray text(const QVector<Alternative> &alternatives);
    // An empty string when the file is written; otherwise a sentence that
    // names the file and the reason. An earlier file stays whole on failure.
    static QString write(const QVector<Alternative> &alternatives, const QString &fileName);

    static QString field(const QString &text);
    static QString number(double value);
};

#endif // FLOWSCSV_H
