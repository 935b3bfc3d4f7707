#include "benchproject.h"

#include "anualidaditem.h"
#include "aritmeticoitem.h"
#include "geometricoitem.h"
#include "itemtypes.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

namespace {

// A figure as a user types it: 1180000, not 1.18e+06.
QString typed(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

BenchProject::BenchProject(ProjectWindow *window)
    : projectTree(window->findChild<QTreeWidget *>(QStringLiteral("twProjectList")))
{
}

void BenchProject::setCell(QTableWidget *table, int row, const QString &text)
{
    if (QTableWidgetItem *cell = table->item(row, 0))
        cell->setText(text);
    else
        table->setItem(row, 0, new QTableWidgetItem(text));
}

ProjectItem *BenchProject::addAlternative(const QString &name, int horizon, double rate)
{
    ProjectItem *alternative = nullptr;
    if (!firstUsed && projectTree->topLevelItemCount() > 0) {
        alternative = dynamic_cast<ProjectItem *>(projectTree->topLevelItem(0));
        firstUsed = true;
    }
    if (!alternative) {
        alternative = new ProjectItem(projectTree, ProjectItemType);
        alternative->createTable();
    }
    QTableWidget *table = alternative->propertyTable();
    setCell(table, ProjectItem::NameRow, name);
    setCell(table, ProjectItem::PeriodsRow, QString::number(horizon));
    setCell(table, ProjectItem::RateRow, QString::number(rate));
    return alternative;
}

FlowItem *BenchProject::addFlow(ProjectItem *alternative, bool income, Kind kind,
                                const QString &name, double payment, double gradient, int count,
                                int start)
{
    const int groupType = income ? IncomeGroupType : ExpenseGroupType;
    QTreeWidgetItem *group = nullptr;
    for (int i = 0; i < alternative->childCount() && !group; ++i) {
        if (alternative->child(i)->type() == groupType)
            group = alternative->child(i);
    }
    if (!group)
        return nullptr;

    QTableWidget *projectTable = alternative->propertyTable();
    FlowItem *flow = nullptr;
    int countRow = 0;
    int startRow = 0;
    switch (kind) {
    case Uniform:
        flow = new AnualidadItem(group, projectTable, FlowItemType);
        countRow = AnualidadItem::CountRow;
        startRow = AnualidadItem::StartRow;
        break;
    case Arithmetic:
        flow = new AritmeticoItem(group, projectTable, FlowItemType);
        setCell(flow->propertyTable(), AritmeticoItem::GradientRow, typed(gradient));
        countRow = AritmeticoItem::CountRow;
        startRow = AritmeticoItem::StartRow;
        break;
    case Geometric:
        flow = new GeometricoItem(group, projectTable, FlowItemType);
        setCell(flow->propertyTable(), GeometricoItem::GrowthRow, typed(gradient));
        countRow = GeometricoItem::CountRow;
        startRow = GeometricoItem::StartRow;
        break;
    }
    QTableWidget *table = flow->propertyTable();
    setCell(table, 0, name);
    setCell(table, 1, typed(payment));
    setCell(table, countRow, QString::number(count));
    setCell(table, startRow, QString::number(start));
    return flow;
}

void BenchProject::fillTypical(int alternatives, int flows, int horizon)
{
    for (int a = 0; a < alternatives; ++a) {
        const double rate = 0.08 + 0.005 * (a % 15);
        ProjectItem *alternative =
            addAlternative(QStringLiteral("Alternativa %1").arg(a + 1), horizon, rate);
        for (int f = 0; f < flows; ++f) {
            // Small, fixed mixing of the indices keeps the figures varied
            // but the same from run to run.
            const int mix = (a * 37 + f * 101) % 53;
            if (f == 0) {
                addFlow(alternative, false, Uniform, QStringLiteral("Inversión inicial"),
                        50000.0 + 2500.0 * mix, 0, 1, 0);
                continue;
            }
            const Kind kind = static_cast<Kind>(f % 3);
            const bool income = f % 4 != 0;
            const int count = 1 + (f * 7 + a) % horizon;
            const int start = 1 + (f * 3 + a) % std::max(1, horizon - count + 1);
            const double payment = income ? 1000.0 + 250.0 * mix : 300.0 + 40.0 * mix;
            const double gradient = kind == Arithmetic ? (income ? 50.0 + 25.0 * (f % 7) : 20.0)
                                                       : 0.01 + 0.01 * (f % 5);
            const QString name = income ? QStringLiteral("Ventas %1").arg(f)
                                        : QStringLiteral("Operación %1").arg(f);
            addFlow(alternative, income, kind, name, payment, gradient, count, start);
        }
    }
}
