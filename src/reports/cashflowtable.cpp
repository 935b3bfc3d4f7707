#include "cashflowtable.h"

#include "aftertaxtables.h"
#include "paymentschedule.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {

QVector<CashFlowTable::Row> rowsOf(const QVector<AlternativeFigures::Flow> &flows, int periods)
{
    QVector<CashFlowTable::Row> rows;
    rows.reserve(flows.size());
    for (const AlternativeFigures::Flow &flow : flows) {
        const PaymentSchedule schedule(flow.figures);
        CashFlowTable::Row row{flow.name, QVector<double>(periods, 0.0), schedule.first(),
                               std::min<long long>(schedule.end(), periods)};
        row.endPaying = std::max(row.endPaying, row.firstPaying);
        schedule.forEach(periods, [&row](long long k, double payment) {
            row.amounts[static_cast<int>(k)] = payment;
        });
        rows.append(row);
    }
    return rows;
}

} // namespace

CashFlowTable CashFlowTable::of(const AlternativeFigures &alternative, int shownHorizon)
{
    CashFlowTable table;
    table.name = alternative.name;
    table.horizon = alternative.horizon;
    table.perpetual = alternative.perpetual;
    table.shown = std::min(shownHorizon, lastShown(alternative));
    // INT_MAX + 1 periods are out of reach anyway: the caller shares out
    // the cells first (shownHorizons).
    const int periods = table.shown < 0 ? 0 : static_cast<int>(std::min<long long>(table.shown + 1LL, INT_MAX));
    table.income = rowsOf(alternative.income, periods);
    table.expenses = rowsOf(alternative.expenses, periods);
    table.incomeTotals.fill(0.0, periods);
    table.expenseTotals.fill(0.0, periods);
    table.net.fill(0.0, periods);
    for (int k = 0; k < periods; ++k) {
        for (const Row &row : qAsConst(table.income)) {
            table.incomeTotals[k] += row.amounts.at(k);
            table.net[k] += row.amounts.at(k);
        }
        for (const Row &row : qAsConst(table.expenses)) {
            table.expenseTotals[k] += row.amounts.at(k);
            table.net[k] -= row.amounts.at(k);
        }
    }
    return table;
}

QVector<CashFlowTable> CashFlowTable::ofProject(const ProjectFigures &project, long long mostCells)
{
    const QVector<int> shown = shownHorizons(project.alternatives, mostCells);
    QVector<CashFlowTable> tables;
    tables.reserve(project.alternatives.size());
    for (int index = 0; index < project.alternatives.size(); ++index)
        tables.append(of(project.alternatives.at(index), shown.at(index)));
    return tables;
}

int CashFlowTable::lastShown(const AlternativeFigures &alternative)
{
    if (!alternative.perpetual)
        return alternative.horizon;
    long long last = 10;
    for (const auto *flows : {&alternative.income, &alternative.expenses}) {
        for (const AlternativeFigures::Flow &flow : *flows) {
            const PaymentSchedule schedule(flow.figures);
            if (flow.figures.perpetual && flow.figures.kind != CashFlow::Single)
                last = std::max(last, schedule.first() + 1);
            else if (schedule.end() > schedule.first())
                last = std::max(last, schedule.end());
        }
    }
    return static_cast<int>(std::min<long long>(last, INT_MAX));
}

long long CashFlowTable::cellsOf(const AlternativeFigures &alternative, int shownHorizon)
{
    if (shownHorizon < 0)
        return 0;
    const long long rows = alternative.income.size() + alternative.expenses.size() + 2LL
        + AfterTaxTables::statementRows(alternative);
    return rows * (static_cast<long long>(shownHorizon) + 1);
}

QVector<int> CashFlowTable::shownHorizons(const QVector<AlternativeFigures> &alternatives,
                                          long long mostCells)
{
    // Smallest tables first: each takes what it needs up to an even share
    // of the cells left, so what a short table leaves goes to the longer ones.
    QVector<int> order(alternatives.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&alternatives](int a, int b) {
        return cellsOf(alternatives.at(a), lastShown(alternatives.at(a)))
            < cellsOf(alternatives.at(b), lastShown(alternatives.at(b)));
    });
    QVector<int> shown(alternatives.size());
    long long left = mostCells;
    long long tables = alternatives.size();
    for (const int index : qAsConst(order)) {
        const AlternativeFigures &alternative = alternatives.at(index);
        const long long rows = cellsOf(alternative, 0);
        const long long share = std::max(left, 0LL) / tables--;
        const long long columns = std::max(1LL, share / std::max(rows, 1LL));
        const int last = lastShown(alternative);
        shown[index] = last < columns ? last : static_cast<int>(columns - 1);
        left -= cellsOf(alternative, shown.at(index));
    }
    return shown;
}
