#include "cashflowreport.h"

#include "aftertaxtables.h"
#include "cashflowdiagram.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "reportnotice.h"

#include <algorithm>

namespace {

using M = ReportMarkup;

QString flowRow(const CashFlowTable::Row &flow)
{
    QString row = M::figureRowStart() + M::flowNameCell(ReportFormat::name(flow.name));
    for (int period = 0; period < flow.amounts.size(); ++period) {
        row += M::flowCell(flow.pays(period) ? ReportFormat::amount(flow.amounts.at(period))
                                                : ReportFormat::wholeNumber(0));
    }
    return row + M::rowEnd();
}

} // namespace

QString CashFlowReport::diagramName(int index)
{
    return QStringLiteral("quintavo:diagram/%1").arg(index);
}

ReportDocument CashFlowReport::document(const ProjectFigures &project, int pictureWidth,
                                        long long mostCells)
{
    ReportDocument document;
    document.html = M::documentStart() + ReportNotice::unreadCells(project.unread);
    const QVector<CashFlowTable> tables = CashFlowTable::ofProject(project, mostCells);
    for (int index = 0; index < tables.size(); ++index) {
        const QImage diagram =
            CashFlowDiagram::render(CashFlowDiagram::layout(tables.at(index), pictureWidth));
        document.images.append({diagramName(index), diagram});
        // The title first, so that the diagram under it is read as this alternative's.
        document.html += title(tables.at(index)) + M::image(diagramName(index), diagram.size())
            + table(tables.at(index))
            + AfterTaxTables::markup(project.alternatives.at(index), tables.at(index).shown);
    }
    document.html += M::documentEnd();
    return document;
}

QString CashFlowReport::title(const CashFlowTable &table)
{
    return M::tableStart() + M::bandRow(M::AlternativeColour, 1, ReportFormat::name(table.name))
        + M::tableEnd();
}

QString CashFlowReport::table(const CashFlowTable &table)
{
    // The concept column and K + 1 periods; K may be INT_MAX.
    const long long columns = static_cast<long long>(table.shown) + 2;
    QString markup = M::tableStart();
    if (table.perpetual)
        markup += endlessNotice(table.shown);
    else if (table.shown < table.horizon)
        markup += tooLongNotice(table.horizon, table.shown);

    markup += M::figureRowStart(M::HeaderColour) + M::headerCell(tr("Concepto"));
    for (long long period = 0; period <= table.shown; ++period)
        markup += M::headerCell(ReportFormat::wholeNumber(period));
    markup += M::rowEnd();

    markup += M::bandRow(M::IncomeColour, columns, tr("Ingresos"));
    for (const CashFlowTable::Row &row : table.income)
        markup += flowRow(row);
    markup += M::bandRow(M::ExpenseColour, columns, tr("Egresos"));
    for (const CashFlowTable::Row &row : table.expenses)
        markup += flowRow(row);

    // A period in which no flow pays is written as in the flows' rows.
    markup += M::figureRowStart(M::TotalColour) + M::boldLabelCell(tr("Total"));
    for (int period = 0; period < table.net.size(); ++period) {
        const auto pays = [period](const CashFlowTable::Row &row) { return row.pays(period); };
        const bool paid = std::any_of(table.income.cbegin(), table.income.cend(), pays)
            || std::any_of(table.expenses.cbegin(), table.expenses.cend(), pays);
        markup += M::totalCell(paid ? ReportFormat::amount(table.net.at(period))
                                    : ReportFormat::wholeNumber(0));
    }
    return markup + M::rowEnd() + M::tableEnd();
}

QString CashFlowReport::endlessNotice(int shownHorizon)
{
    const QString sentence =
        tr("El horizonte no tiene fin; se muestran los períodos 0 a %1 de \u221E.")
            .arg(ReportFormat::count(shownHorizon));
    return M::noticeRow(static_cast<long long>(shownHorizon) + 2, sentence);
}

QString CashFlowReport::tooLongNotice(int horizon, int shownHorizon)
{
    const QString sentence =
        tr("El horizonte de %1 períodos es demasiado largo para mostrarlo entero; "
           "se muestran los períodos 0 a %2 de %1.")
            .arg(ReportFormat::count(horizon), ReportFormat::count(shownHorizon));
    return M::noticeRow(static_cast<long long>(shownHorizon) + 2, sentence);
}
