// A seeded random user: opens and closes project windows, adds alternatives
// and flows through the real menus and dialogs (answered, cancelled, empty),
// clicks nodes, types ordinary and hostile text into the shown table, runs
// both reports, and checks every report against figures worked out here.
//
//   QUINTAVO_STRESS_SEED    the seed (default 20261206)
//   QUINTAVO_STRESS_ACTIONS how many actions (default 2000)
// A long run also needs QTEST_FUNCTION_TIMEOUT (milliseconds) above QTest's
// five minutes.
#include "cashflowreport.h"
#include "anualidaditem.h"
#include "aritmeticoitem.h"
#include "figurereader.h"
#include "geometricoitem.h"
#include "guidriver.h"
#include "itemtypes.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"
#include "reportformat.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTreeWidget>

#include <cmath>

using namespace GuiDriver;

namespace {

const QString anualidad = QStringLiteral("Pago Anualidad");
const QString aritmetico = QStringLiteral("Pago con incremento Aritmético");
const QString geometrico = QStringLiteral("Pago con incremento geométrico");

// Texts no figure cell is safe from.
QStringList hostileTexts()
{
    return {QString(), QStringLiteral(" "), QStringLiteral("abc"), QStringLiteral("0,12"),
            QStringLiteral("1e308"), QStringLiteral("-1e308"), QStringLiteral("nan"),
            QStringLiteral("inf"), QStringLiteral("-0"), QStringLiteral("2147483647"),
            QStringLiteral("-2147483648"), QStringLiteral("99999999999"), QStringLiteral("2.5"),
            QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("-2"),
            QStringLiteral("1e-12"), QStringLiteral("<b>"), QStringLiteral("&amp;"),
            QStringLiteral("</table>"), QStringLiteral("%1 %2 %3"), QString(10000, QLatin1Char('x')),
            QStringLiteral("Инвестиция 投資 استثمار")};
}

// What a flow's table says, read the way the program reads it.
struct FlowFigures
{
    QString kind;
    double a = 0, g = 0;
    int n = 0, s = 0;
};

FlowFigures figuresOf(const FlowItem *flow)
{
    FlowFigures f;
    const QTableWidget *t = flow->propertyTable();
    if (dynamic_cast<const AnualidadItem *>(flow)) {
        f.kind = anualidad;
        f.a = FigureReader::amount(t, AnualidadItem::PaymentRow);
        f.n = FigureReader::wholeNumber(t, AnualidadItem::CountRow);
        f.s = FigureReader::wholeNumber(t, AnualidadItem::StartRow);
    } else {
        f.kind = dynamic_cast<const AritmeticoItem *>(flow) ? aritmetico : geometrico;
        f.a = FigureReader::amount(t, 1);
        f.g = FigureReader::amount(t, 2);
        f.n = FigureReader::wholeNumber(t, 3);
        f.s = FigureReader::wholeNumber(t, 4);
    }
    return f;
}

// The payment the flow makes in each period from period `from` on, as the
// schedule lays it out, k-th payment at period max(s, 0) + k.
template <typename Visit>
void forEachPayment(const FlowFigures &f, long long lastPeriod, Visit visit)
{
    const long long end = std::min(static_cast<long long>(f.s) + f.n - 1, lastPeriod);
    long double payment = f.a;
    for (long long p = std::max(f.s, 0); p <= end; ++p) {
        visit(p, payment);
        if (f.kind == aritmetico)
            payment += f.g;
        else if (f.kind == geometrico)
            payment *= 1.0L + f.g;
    }
}

long long paymentsFromPresent(const FlowFigures &f)
{
    return static_cast<long long>(f.n) + std::min(f.s, 0);
}

QList<FlowItem *> flowsOf(const ProjectItem *alternative, int groupType)
{
    QList<FlowItem *> flows;
    for (int g = 0; g < alternative->childCount(); ++g) {
        QTreeWidgetItem *group = alternative->child(g);
        if (groupType && group->type() != groupType)
            continue;
        for (int f = 0; f < group->childCount(); ++f)
            flows << FlowItem::fromTreeItem(group->child(f));
    }
    return flows;
}

// How the report area shows a name: HTML folds runs of white space.
QString asShown(const QString &name)
{
    return name.simplified();
}

} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private slots:
    void randomUse();

private:
    QList<ProjectWindow *> projects() const;
    ProjectWindow *anyProject();
    QString anyText(bool forName);
    QString describe() const;

    void openProject();
    void closeProject();
    void addAlternative();
    void addFlow();
    void clickNode();
    void typeIntoShownCell();
    void checkComparison(ProjectWindow *project);
    void checkCashFlows(ProjectWindow *project);
    void checkTree(ProjectWindow *project);

    QRandomGenerator rng;
    quint32 seed = 0;
    int action = 0;
    QString lastAction;
    MainWindow *main = nullptr;
};

QList<ProjectWindow *> TestStress::projects() const
{
    QList<ProjectWindow *> list;
    for (QMdiSubWindow *sub : main->findChild<QMdiArea *>()->subWindowList()) {
        if (auto *project = qobject_cast<ProjectWindow *>(sub->widget()))
            list << project;
    }
    return list;
}

ProjectWindow *TestStress::anyProject()
{
    const QList<ProjectWindow *> list = projects();
    return list.isEmpty() ? nullptr : list.at(rng.bounded(list.size()));
}

QString TestStress::anyText(bool forName)
{
    static const QStringList hostile = hostileTexts();
    static const QStringList ordinary = {"0", "1", "2", "3", "5", "8", "12", "100", "12.5",
                                         "1500", "-40", "0.1", "0.05", "0.5", "2e+06",
                                         "1234567", "-0.25", "10"};
    if (forName && rng.bounded(3) == 0)
        return QStringLiteral("Alt %1").arg(rng.bounded(100));
    return rng.bounded(3) == 0 ? hostile.at(rng.bounded(hostile.size()))
                               : ordinary.at(rng.bounded(ordinary.size()));
}

QString TestStress::describe() const
{
    return QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(lastAction.left(200));
}

void TestStress::openProject()
{
    lastAction = QStringLiteral("Nuevo");
    newProject(main);
}

void TestStress::closeProject()
{
    const QList<QMdiSubWindow *> subs = main->findChild<QMdiArea *>()->subWindowList();
    if (subs.size() < 2)
        return;
    lastAction = QStringLiteral("close a project window");
    QMdiSubWindow *closing = subs.at(rng.bounded(subs.size()));
    qobject_cast<ProjectWindow *>(closing->widget())->discardChanges(); // no question to answer
    closing->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestStress::addAlternative()
{
    ProjectWindow *project = anyProject();
    QTreeWidget *t = tree(project);
    const int before = t->topLevelItemCount();
    const int choice = rng.bounded(6);
    if (choice == 0) {
        lastAction = QStringLiteral("Añadir Alternativa, cancelled");
        t->scrollToItem(t->topLevelItem(0));
        cancelNextDialog();
        chooseFromContextMenu(t, centreOf(t, t->topLevelItem(0)), QStringLiteral("Añadir Alternativa"));
        QCOMPARE(t->topLevelItemCount(), before);
        return;
    }
    const QString title = choice == 1 ? QString() : anyText(true);
    lastAction = QStringLiteral("Añadir Alternativa \"%1\"").arg(title.left(40));
    GuiDriver::addAlternative(project, title);
    QCOMPARE(t->topLevelItemCount(), before + (title.isEmpty() ? 0 : 1));
}

void TestStress::addFlow()
{
    ProjectWindow *project = anyProject();
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *alternative = t->topLevelItem(rng.bounded(t->topLevelItemCount()));
    QTreeWidgetItem *group = alternative->child(rng.bounded(2));
    const int before = group->childCount();
    if (rng.bounded(8) == 0) {
        lastAction = QStringLiteral("Añadir flujo, cancelled");
        t->scrollToItem(group);
        cancelNextDialog();
        chooseFromContextMenu(t, centreOf(t, group), group->type() == IncomeGroupType
                                                         ? QStringLiteral("Añadir Ingreso")
                                                         : QStringLiteral("Añadir Egreso"));
        QCOMPARE(group->childCount(), before);
        return;
    }
    const QString kind = QStringList{anualidad, aritmetico, geometrico}.at(rng.bounded(3));
    lastAction = QStringLiteral("add %1 under %2").arg(kind, group->text(0));
    QVERIFY(GuiDriver::addFlow(project, group, kind));
    QCOMPARE(group->childCount(), before + 1);
}

void TestStress::clickNode()
{
    ProjectWindow *project = anyProject();
    QTreeWidget *t = tree(project);
    QList<QTreeWidgetItem *> nodes;
    for (QTreeWidgetItemIterator it(t); *it; ++it)
        nodes << *it;
    QTreeWidgetItem *node = nodes.at(rng.bounded(nodes.size()));
    lastAction = QStringLiteral("click node \"%1\"").arg(node->text(0).left(40));
    GuiDriver::clickNode(t, node);
}

void TestStress::typeIntoShownCell()
{
    ProjectWindow *project = anyProject();
    QTableWidget *table = panelTable(project);
    const int row = rng.bounded(table->rowCount());
    QString text = anyText(row == 0);
    // Now and then the growth of a geometric flow equals its rate.
    if (row == 2 && table->rowCount() == 5 && rng.bounded(4) == 0) {
        for (QTreeWidgetItemIterator it(tree(project)); *it; ++it) {
            FlowItem *flow = FlowItem::fromTreeItem(*it);
            if (flow && flow->propertyTable() == table) {
                auto *alternative = static_cast<ProjectItem *>(static_cast<QTreeWidgetItem *>(flow)->parent()->parent());
                text = FigureReader::text(alternative->propertyTable(), ProjectItem::RateRow);
            }
        }
    }
    lastAction = QStringLiteral("type \"%1\" into row %2").arg(text.left(40)).arg(row);
    typeIntoCell(table, row, text);
    QCOMPARE(table->item(row, 0) ? table->item(row, 0)->text() : QString(), text);
}

void TestStress::checkTree(ProjectWindow *project)
{
    for (QTreeWidgetItemIterator it(tree(project)); *it; ++it) {
        QTableWidget *table = nullptr;
        if ((*it)->type() == ProjectItemType)
            table = static_cast<ProjectItem *>(*it)->propertyTable();
        else if (FlowItem *flow = FlowItem::fromTreeItem(*it))
            table = flow->propertyTable();
        if (table)
            QCOMPARE((*it)->text(0), FigureReader::text(table, 0));
    }
}

void TestStress::checkComparison(ProjectWindow *project)
{
    lastAction = QStringLiteral("Comparar");
    click(project, "pbComparar");
    const QList<QList<QStringList>> tables = reportTables(project);
    QCOMPARE(tables.size(), 1);
    const QList<QStringList> &rows = tables.at(0);
    QCOMPARE(rows.size(), 7); // VPI, VPE, VPN, VAE, TIR, B/C

    QTreeWidget *t = tree(project);
    QCOMPARE(rows.at(0).size(), t->topLevelItemCount() + 1);
    for (int k = 0; k < t->topLevelItemCount(); ++k) {
        auto *alternative = static_cast<ProjectItem *>(t->topLevelItem(k));
        const QTableWidget *table = alternative->propertyTable();
        QCOMPARE(rows.at(0).at(k + 1), asShown(FigureReader::text(table, 0)));

        const double vpi = alternative->incomePresentValue();
        const double vpe = alternative->expensePresentValue();
        QCOMPARE(rows.at(1).at(k + 1), ReportFormat::amount(vpi));
        QCOMPARE(rows.at(2).at(k + 1), ReportFormat::amount(vpe));
        QCOMPARE(rows.at(3).at(k + 1), ReportFormat::amount(vpi - vpe));

        // Each payment discounted one by one, where the figures allow it.
        const double i = FigureReader::amount(table, ProjectItem::RateRow);
        if (!(i > -1.0) || !std::isfinite(i))
            continue;
        for (const int groupType : {int(IncomeGroupType), int(ExpenseGroupType)}) {
            long double sum = 0, magnitude = 0;
            bool checkable = true;
            QString figures = QStringLiteral("rate %1").arg(i, 0, 'g', 17);
            for (const FlowItem *flow : flowsOf(alternative, groupType)) {
                const FlowFigures f = figuresOf(flow);
                figures += QStringLiteral("; %1 A=%2 G=%3 n=%4 s=%5")
                               .arg(f.kind)
                               .arg(f.a, 0, 'g', 17)
                               .arg(f.g, 0, 'g', 17)
                               .arg(f.n)
                               .arg(f.s);
                if (!std::isfinite(f.a) || !std::isfinite(f.g) || paymentsFromPresent(f) > 20000) {
                    checkable = false;
                    break;
                }
                forEachPayment(f, LLONG_MAX, [&](long long p, long double payment) {
                    const long double worth = payment / std::pow(1.0L + i, static_cast<long double>(p));
                    sum += worth;
                    magnitude += std::fabs(worth);
                });
            }
            if (!checkable || !std::isfinite(static_cast<double>(magnitude)))
                continue;
            const double value = groupType == IncomeGroupType ? vpi : vpe;
            const long double error = std::fabs(static_cast<long double>(value) - sum);
            QVERIFY2(error <= 1e-8L * magnitude + 1e-300L,
                     qPrintable(QStringLiteral("%1: worth %2, payments discounted one by one %3 (%4)")
                                    .arg(describe())
                                    .arg(value, 0, 'g', 17)
                                    .arg(static_cast<double>(sum), 0, 'g', 17)
                                    .arg(figures)));
        }
    }
}

void TestStress::checkCashFlows(ProjectWindow *project)
{
    lastAction = QStringLiteral("Visualizar");
    // Qt lays the cells out slowly under the sanitizers: a smaller report.
    project->setCellLimit(3000);
    click(project, "pbVisualizar");
    const QList<QList<QStringList>> tables = reportTables(project);
    QTreeWidget *t = tree(project);
    QCOMPARE(tables.size(), t->topLevelItemCount());
    const QVector<int> kept = CashFlowReport::shownHorizons(project->figures().alternatives, 3000);
    for (int k = 0; k < t->topLevelItemCount(); ++k) {
        auto *alternative = static_cast<ProjectItem *>(t->topLevelItem(k));
        const int horizon = FigureReader::wholeNumber(alternative->propertyTable(), ProjectItem::PeriodsRow);
        const QList<QStringList> &shown = tables.at(k);
        QCOMPARE(shown.value(0).value(0), asShown(alternative->text(0)));
        // Too many cells to lay out whole: a notice under the title, the first periods.
        const int last = kept.at(k);
        const int cut = last < horizon ? 1 : 0;
        const QList<FlowItem *> flows = flowsOf(alternative, 0);
        QCOMPARE(shown.size(), 5 + cut + flows.size());
        QCOMPARE(shown.at(1 + cut).size(), std::max(last, -1) + 2); // Concepto, 0..N

        // Totals: the scheduled payments of the income less those of the expenses.
        QVector<double> totals(std::max(last + 1, 0), 0.0);
        for (const FlowItem *flow : flows) {
            QVector<double> amounts(totals.size(), 0.0);
            forEachPayment(figuresOf(flow), last, [&](long long p, long double payment) {
                amounts[int(p)] = static_cast<double>(payment);
            });
            for (int p = 0; p < totals.size(); ++p)
                totals[p] += flow->isExpense() ? -amounts[p] : amounts[p];
        }
        const QStringList &totalRow = shown.constLast();
        for (int p = 0; p < totals.size(); ++p) {
            QVERIFY2(totalRow.at(p + 1) == ReportFormat::amount(totals[p]),
                     qPrintable(QStringLiteral("%1: period %2 total %3, expected %4")
                                    .arg(describe())
                                    .arg(p)
                                    .arg(totalRow.at(p + 1), ReportFormat::amount(totals[p]))));
        }
    }
}

void TestStress::randomUse()
{
    seed = qEnvironmentVariableIsSet("QUINTAVO_STRESS_SEED")
        ? qEnvironmentVariable("QUINTAVO_STRESS_SEED").toUInt()
        : 20261206u;
    const int actions = qEnvironmentVariableIsSet("QUINTAVO_STRESS_ACTIONS")
        ? qEnvironmentVariableIntValue("QUINTAVO_STRESS_ACTIONS")
        : 2000;
    rng.seed(seed);
    qInfo("random use: seed %u, %d actions", seed, actions);

    MainWindow window;
    main = &window;
    window.show();
    newProject(main);

    for (action = 0; action < actions; ++action) {
        if (action > 0 && action % 10000 == 0)
            qInfo("%d actions done", action);
        const int pick = rng.bounded(100);
        if (pick < 3 && projects().size() < 4)
            openProject();
        else if (pick < 5)
            closeProject();
        else if (pick < 12)
            addAlternative();
        else if (pick < 27)
            addFlow();
        else if (pick < 47)
            clickNode();
        else if (pick < 90)
            typeIntoShownCell();
        else if (pick < 95)
            checkComparison(anyProject());
        else
            checkCashFlows(anyProject());
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("failed at %1").arg(describe())));
        for (ProjectWindow *project : projects())
            checkTree(project);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("tree and tables disagree after %1").arg(describe())));
    }
    main = nullptr;
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
