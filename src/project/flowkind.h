#ifndef FLOWKIND_H
#define FLOWKIND_H

#include "cashflow.h"
#include "figurereader.h"
#include "flowsnapshot.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// Everything that sets one kind of flow apart, in one table: the text the
// add-flow dialog lists, the rows of its property table and how each is
// read, its name and keys in the project file, the words of the tree's
// "Descripción" column, and its figures. A new kind is one more entry.
class FlowKind
{
    Q_DECLARE_TR_FUNCTIONS(FlowKind)

public:
    // Which typed text of a flow a row holds.
    enum class Field { Name, Amount, Change, Payments, Start, Method, Grace, Sale, SaleValue };

    struct Row {
        const char *label;          // untranslated: "Anualidad"
        Field field;
        FigureReader::Kind reading; // an expense's Amount reads as ExpenseAmount
        const char *fileKey;        // the key in the project file: "amount"
        const char *help = nullptr; // untranslated: the row's tooltip, one line
    };

    // A cell read as 0 although something is typed into it, or left empty.
    struct Unread {
        int row;
        QString text;
    };

    // How a description writes amounts, whole numbers and rates (as the reports do).
    struct Numbers {
        QString (*amount)(double);
        QString (*wholeNumber)(long long);
        QString (*rate)(double);
    };

    // The kind `kind`; every CashFlow::Kind has one.
    static const FlowKind &of(CashFlow::Kind kind);
    // Every kind, in the order the add-flow dialog lists them.
    static const QVector<const FlowKind *> &all();
    // The kind named `name` in a project file; null for none.
    static const FlowKind *fromFileName(const QString &name);

    CashFlow::Kind id() const { return m_id; }
    // "Pago Anualidad"
    QString label() const;
    // "uniform"
    QString fileName() const { return QLatin1String(m_fileName); }
    // The first version of the project file that knows this kind.
    int fileVersion() const { return m_fileVersion; }
    // Whether the add-flow dialog offers this kind under "Egresos"
    // (`expense`) or under "Ingresos": an asset is bought, a loan received.
    bool offeredIn(bool expense) const { return m_group < 0 || m_group == (expense ? 1 : 0); }
    // A new flow of this kind named `name`, its choices at their first.
    FlowSnapshot blank(const QString &name) const;
    const QVector<Row> &rows() const { return m_rows; }
    int rowCount() const { return m_rows.size(); }
    QString rowLabel(int row) const;
    // What to type into row `row`, in one line; empty for none.
    QString rowHelp(int row) const;
    FigureReader::Kind reading(int row, bool expense) const;
    QVector<FigureReader::Kind> readings(bool expense) const;

    static QString text(const FlowSnapshot &flow, Field field);
    static void setText(FlowSnapshot *flow, Field field, const QString &text);
    QString cellText(const FlowSnapshot &flow, int row) const;

    // The figures of `flow` (of this kind) as the reports read them; its
    // cells read as 0 although something is typed into them, and its empty
    // figure cells, are appended to `unread`, if given, in row order.
    CashFlow figures(const FlowSnapshot &flow, bool expense, QVector<Unread> *unread = nullptr) const;
    // Whether a cell of `flow` reads as 0 although something is typed into it.
    bool holdsUnread(const FlowSnapshot &flow, bool expense) const;
    // "Anualidad 3 500.00 × 5 desde 1", "Único 25 000.00 en 0"
    QString description(const CashFlow &flow, const Numbers &numbers) const;
    // Worth at period 0 of `flow` at the rate i per period.
    static double worth(const CashFlow &flow, double i);

private:
    using Describe = QString (*)(const CashFlow &, const Numbers &, const QString &series);
    FlowKind(CashFlow::Kind id, const char *label, const char *fileName, int fileVersion,
             QVector<Row> rows, Describe describe, int group = -1);

    CashFlow::Kind m_id;
    const char *m_label;
    const char *m_fileName;
    int m_fileVersion;
    QVector<Row> m_rows;
    Describe m_describe;
    int m_group; // -1 either group, 0 "Ingresos" only, 1 "Egresos" only
};

#endif // FLOWKIND_H
