#ifndef REPORTMARKUP_H
#define REPORTMARKUP_H

#include <QColor>
#include <QSize>
#include <QString>

// The colours and the markup fragments of both reports, in one place. The
// reports are these fragments appended one after the other, with nothing
// between them. Every text handed to a fragment is put in as it comes:
// names are escaped by the caller (ReportFormat::name).
//
// A row of figures keeps each figure on one line (white-space:nowrap, which
// its cells inherit): laid out at a page's width, as in a PDF or on paper,
// Qt's line breaking would otherwise break "1 234.50" after its spaces or
// its decimal point. A flow's name in such a row still wraps.
class ReportMarkup
{
public:
    // Colours of the rows: the alternative, its income and its expenses
    // (also the arrows of the diagram), the header row, the total and VPN
    // rows, and the comparison's VAE, TIR and B/C rows.
    static constexpr const char *AlternativeColour = "#B89AFE";
    static constexpr const char *IncomeColour = "#86BCFF";
    static constexpr const char *ExpenseColour = "#FF8A8A";
    static constexpr const char *HeaderColour = "#CCCCCC";
    static constexpr const char *TotalColour = "#6CA870";
    static constexpr const char *AnnualWorthColour = "#A6D5A9";
    static constexpr const char *RateOfReturnColour = "#FFE08A";
    static constexpr const char *BenefitCostColour = "#D9CCFF";
    // The payback rows, PR and PRD.
    static constexpr const char *PaybackColour = "#E8E8E8";
    // The line that names cells read as 0.
    static constexpr const char *WarningColour = "#A03000";

    static QColor colour(const char *name) { return QColor(QLatin1String(name)); }

    static QString documentStart();
    static QString documentEnd();
    static QString tableStart();
    static QString tableEnd();
    // A row on a background colour.
    static QString rowStart(const char *colour);
    // A row of figures, plain or on a background colour.
    static QString figureRowStart();
    static QString figureRowStart(const char *colour);
    static QString rowEnd();

    // A row of one header cell across `columns` columns on a colour: the
    // title of an alternative and its sections.
    static QString bandRow(const char *colour, long long columns, const QString &text);
    // A row of one plain cell across `columns` columns.
    static QString noticeRow(long long columns, const QString &text);

    // A header cell, centred and semi-bold: a label or a period.
    static QString headerCell(const QString &text);
    // The comparison's empty corner cell and its header cell, an
    // alternative's name.
    static QString cornerCell();
    static QString nameHeaderCell(const QString &text);
    // The cash-flow table's cells: a payment, centred and semi-bold; a
    // flow's name, the same but wrapping in its row of figures; a period's
    // total, centred and bold.
    static QString flowCell(const QString &text);
    static QString flowNameCell(const QString &text);
    static QString totalCell(const QString &text);
    // A row's label, plain or bold.
    static QString labelCell(const QString &text);
    static QString boldLabelCell(const QString &text);
    // A figure of the comparison, centred.
    static QString valueCell(const QString &text);

    static QString paragraph(const QString &text);
    static QString boldParagraph(const QString &text);
    static QString warningParagraph(const QString &text);
    // A picture of the document's resources, at its size in pixels.
    static QString image(const QString &name, const QSize &size);
};

#endif // REPORTMARKUP_H
