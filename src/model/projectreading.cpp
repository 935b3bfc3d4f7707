#include "projectreading.h"

#include "aftertaxfigures.h"
#include "aftertaxreading.h"
#include "figurereader.h"
#include "flowkind.h"
#include "projectdocument.h"
#include "replacementreading.h"

#include <QVariant>

namespace {

FigureReader::Reading figure(const QString &typed, int row, FigureReader::Kind kind,
                             const QString &node, QVector<ProjectFigures::UnreadCell> *unread)
{
    const FigureReader::Reading reading = FigureReader::read(typed, kind);
    if (unread && (FigureReader::isUnread(reading) || FigureReader::isEmptyFigure(typed, kind)))
        unread->append({typed, ProjectDocument::alternativeRowLabel(row), node});
    return reading;
}

void readFlows(const QVector<FlowSnapshot> &flows, bool expense, AlternativeFigures *alternative,
               QVector<ProjectFigures::UnreadCell> *unread)
{
    QVector<AlternativeFigures::Flow> *figures = expense ? &alternative->expenses : &alternative->income;
    figures->reserve(flows.size());
    QVector<FlowKind::Unread> cells;
    for (const FlowSnapshot &flow : flows) {
        const FlowKind &kind = FlowKind::of(flow.kind);
        cells.clear();
        const CashFlow read = kind.figures(flow, expense, unread ? &cells : nullptr);
        for (const FlowKind::Unread &cell : cells)
            unread->append({cell.text, kind.rowLabel(cell.row), flow.name});
        if (!AfterTaxReading::read(flow, expense, alternative, unread))
            figures->append({flow.name, read});
    }
}

} // namespace

AlternativeFigures ProjectReading::alternative(const AlternativeSnapshot &typed,
                                               QVector<ProjectFigures::UnreadCell> *unread)
{
    using Reading = FigureReader::Kind;
    AlternativeFigures alternative;
    alternative.name = typed.name;
    const FigureReader::Reading horizon =
        figure(typed.horizon, ProjectDocument::HorizonRow, Reading::Count, typed.name, unread);
    alternative.horizon = static_cast<int>(horizon.value);
    alternative.perpetual = horizon.perpetual;
    alternative.rate =
        figure(typed.rate, ProjectDocument::RateRow, Reading::Rate, typed.name, unread).value;
    alternative.taxRate =
        figure(typed.taxRate, ProjectDocument::TaxRow, Reading::TaxRate, typed.name, unread).value;
    readFlows(typed.income, false, &alternative, unread);
    readFlows(typed.expenses, true, &alternative, unread);
    AfterTaxFigures::apply(&alternative);
    return alternative;
}

ProjectFigures ProjectReading::figures(const ProjectSnapshot &project)
{
    ProjectFigures figures;
    figures.alternatives.reserve(project.alternatives.size());
    for (const AlternativeSnapshot &typed : project.alternatives)
        figures.alternatives.append(alternative(typed, &figures.unread));
    for (const ReplacementSnapshot &typed : project.replacements)
        figures.replacements.append(ReplacementReading::figures(typed, &figures.unread));
    return figures;
}
