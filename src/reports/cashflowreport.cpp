#include "cashflowreport.h"

#include "aftertaxtables.h"
#include "cashflowdiagram.h"
#include "reportformat.h"
#include "reportmarkup.h"
#include "reportnotice.h"

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
        document.html += M::image(diagramName(index), diagram.size()) + table(tables.at(index))
            + AfterTaxTables::markup(project.alternatives.at(index), tables.at(index).shown);
    }
    document.html += M::documentEnd();
    return document;
}

QString CashFlowReport::table(const CashFlowTable &table)
{
    // The concept column and K + 1 periods; K may be INT_MAX.
    const long long columns = static_cast<long long>(table.shown) + 2;
    QString markup = M::tableStart()
        + M::bandRow(M::AlternativeColour, columns, ReportFormat::name(table.name));
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

    markup += M::figureRowStart(M::TotalColour) + M::boldLabelCell(tr("Total"));
    for (const double total : table.net)
        markup += M::totalCell(ReportFormat::amount(total));
    return markup + M::rowEnd() + M::tableEnd();
}

QString CashFlowReport::endlessNotice(int shownHorizon)
{
    const QString sentence =
        tr("El horizonte no tiene fin; se muestran los períodos 0 a %1 de \u221E.")
            .arg(ReportFormat::wholeNumber(shownHorizon));
    return M::noticeRow(static_cast<long long>(shownHorizon) + 2, sentence);
}

QString CashFlowReport::tooLongNotice(int horizon, int shownHorizon)
{
    const QString sentence =
        tr("El horizonte de %1 períodos es demasiado largo para mostrarlo entero; "
           "se muestran los períodos 0 a %2 de %1.")
            .arg(ReportFormat::wholeNumber(horizon), ReportFormat::wholeNumber(shownHorizon));
    return M::noticeRow(static_cast<long long>(shownHorizon) + 2, sentence);
}
