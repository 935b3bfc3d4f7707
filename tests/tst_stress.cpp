// A seeded random user: opens and closes project windows, adds alternatives,
// replacement analyses and flows of every kind (answered, cancelled, untitled), series and
// horizons without end, removes and duplicates them,
// undoes and redoes, moves through the tree, types ordinary and hostile text
// into the shown table, runs both reports, and checks the comparison's
// VPI, VPE and VPN against oracle.h, the tree against the document's names, each removal and copy against
// the snapshot it should leave, and that undoing every step of a window gives
// it back as it started. The sanitizers watch every step.
//
//   QUINTAVO_STRESS_SEED    the seed (default 20261206)
//   QUINTAVO_STRESS_ACTIONS how many actions (default 1200); a long run also
//                           needs QTEST_FUNCTION_TIMEOUT (ms) above ten minutes
#include "cashflowreport.h"
#include "driver.h"
#include "mainwindow.h"
#include "oracle.h"
#include "propertypanel.h"
#include "reportformat.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRandomGenerator>
#include <QUndoStack>

class TestStress : public QObject
{
    Q_OBJECT

private slots:
    void randomUse();

private:
    void act(ProjectWindow *w);
    void checkReports(ProjectWindow *w);
    void changeOrUndo(ProjectWindow *w);

    QRandomGenerator rng;
    QString last;
    QHash<ProjectWindow *, QStringList> started;
};

void TestStress::act(ProjectWindow *w)
{
    static const QStringList texts = {
        "0", "1", "2", "3", "5", "8", "12", "100", "12.5", "1500", "-40", "0.1", "0.05", "0.5", "2e+06",
        "1234567", "-0.25", "\u221E", "10", "Alt 7", " inf ", "Infinito", "", " ", "abc", "0,12", "1e308", "-1e308", "nan", "inf", "-0",
        "2147483647", "-2147483648", "99999999999", "2.5", "-1", "-2", "1e-12", "<b>", "&amp;",
        "</table>", "%1 %2 %3", QString(10000, QLatin1Char('x')), "Инвестиция 投資 استثمار",
        "8000; 7000; 6000", "1;2;;3", "5; -1e308; 1e308"};
    QString text = texts.at(rng.bounded(rng.bounded(3) ? 19 : texts.size()));
    QList<QTreeWidgetItem *> nodes;
    for (QTreeWidgetItemIterator it(w->tree()); *it; ++it)
        nodes << *it;
    QTreeWidgetItem *node = nodes.at(rng.bounded(nodes.size()));
    const int row = rng.bounded(w->panelTable()->rowCount());
    const NodePlace place = w->projectTree()->placeOf(node);
    const bool flow = place.isFlow();
    if (flow && w->propertyPanel()->shownNode() == node && row == 2 && rng.bounded(4) == 0)
        text = w->document()->alternative(place.alternative).rate; // g = i
    Answers answers;
    answers.title = text;
    answers.kind = rng.bounded(FlowKind::all().size() + 1) - 1;
    const int pick = rng.bounded(100);
    last = QStringLiteral("%1 on %2, row %3: %4").arg(pick).arg(node->text(0).left(40)).arg(row).arg(text.left(40));
    if (pick < 42)
        w->tree()->setCurrentItem(node);
    if (pick == 21 && w->document()->replacementCount() < 3)
        w->contextActions(nullptr).last()->trigger(); // "Añadir análisis de reemplazo"
    else if (pick < 22 && !flow && !w->contextActions(node).isEmpty()) // a flow on a group, an alternative elsewhere
        w->contextActions(node).at(0)->trigger();
    else if (pick >= 42 && pick < 95)
        type(w->panelTable(), row, text);
    else if (pick >= 95)
        checkReports(w);
    for (QTreeWidgetItem *item : nodes) {
        const NodePlace at = w->projectTree()->placeOf(item);
        QVERIFY2(!at.isValid() || (at.asset >= 0 ? item->text(0).endsWith(w->document()->name(at))
                                                  : item->text(0) == w->document()->name(at)),
                 "tree and document disagree");
    }
}

// Removes or copies a node through its menu command, or undoes or redoes.
void TestStress::changeOrUndo(ProjectWindow *w)
{
    QList<QTreeWidgetItem *> nodes;
    for (QTreeWidgetItemIterator it(w->tree()); *it; ++it) {
        if (w->projectTree()->placeOf(*it).isValid())
            nodes << *it;
    }
    QTreeWidgetItem *node = nodes.at(rng.bounded(nodes.size()));
    const NodePlace place = w->projectTree()->placeOf(node);
    ProjectSnapshot expected = w->snapshot();
    const int pick = rng.bounded(10);
    last = QStringLiteral("%1 on %2").arg(pick).arg(node->text(0).left(40));
    if (pick < 4 && place.isReplacement()) {
        // A replacement analysis removed or copied; its defender and challenger go with it.
        if (place.asset >= 0 || (pick >= 2 && expected.replacements.size() >= 4))
            return;
        if (pick < 2) {
            expected.replacements.remove(place.replacement);
        } else {
            ReplacementSnapshot copy = expected.replacements.at(place.replacement);
            copy.name += QStringLiteral(" (copia)");
            expected.replacements.insert(place.replacement + 1, copy);
        }
        w->tree()->setCurrentItem(node);
        w->contextActions(node).at(pick < 2 ? 2 : 1)->trigger();
        QCOMPARE(w->snapshot(), expected);
    } else if (pick < 4 && (place.isFlow() || (pick < 2 ? expected.alternatives.size() > 1 : expected.alternatives.size() < 4))) {
        if (place.isFlow()) {
            AlternativeSnapshot &holder = expected.alternatives[place.alternative];
            (place.group ? holder.expenses : holder.income).remove(place.flow);
        } else if (pick < 2) {
            expected.alternatives.remove(place.alternative);
        } else {
            AlternativeSnapshot copy = expected.alternatives.at(place.alternative);
            copy.name += QStringLiteral(" (copia)");
            expected.alternatives.insert(place.alternative + 1, copy);
        }
        w->tree()->setCurrentItem(node);
        w->contextActions(node).at(place.isFlow() || pick < 2 ? w->contextActions(node).size() - 1 : 1)->trigger();
        QCOMPARE(w->snapshot(), expected);
    } else if (pick >= 4 && pick < 9) {
        pick < 7 ? w->undoStack()->undo() : w->undoStack()->redo();
    } else if (pick == 9) {
        last = "undo every step, then redo them";
        const QStringList now = stateOf(w);
        const int index = w->undoStack()->index();
        w->undoStack()->setIndex(0);
        QCOMPARE(stateOf(w), started.value(w));
        w->undoStack()->setIndex(index);
        QCOMPARE(stateOf(w), now);
    }
}

void TestStress::checkReports(ProjectWindow *w)
{
    last = "Comparar, Visualizar";
    w->showComparison();
    const Rows compared = reportTables(w->report()).value(0);
    const ProjectFigures figures = w->figures();
    // The names, VPI, VPE, VPN, VAE, TIR, B/C, TIRM, PR, PRD; after taxes the project's VPN and TIR.
    const bool taxed = std::any_of(figures.alternatives.cbegin(), figures.alternatives.cend(),
                                   [](const AlternativeFigures &a) { return a.afterTax(); });
    QCOMPARE(compared.size(), taxed ? 12 : 10);
    // Qt lays the cells out slowly under the sanitizers: a smaller report.
    w->setCellLimit(3000);
    const QVector<int> kept = CashFlowTable::shownHorizons(figures.alternatives, 3000);
    w->showCashFlows();
    const QList<Rows> shownTables = reportTables(w->report());
    // Each alternative's title band and table; after taxes its statement and schedules follow.
    QList<Rows> titles, tables;
    for (int t = 0, k = 0; k < figures.alternatives.size(); ++k) {
        const AlternativeFigures &a = figures.alternatives.at(k);
        titles << shownTables.value(t);
        tables << shownTables.value(t + 1);
        t += 2 + (a.afterTax() ? 1 + int(a.assets.size() + a.loans.size()) : 0);
        if (k + 1 == figures.alternatives.size())
            QCOMPARE(shownTables.size(), t);
    }
    QCOMPARE(tables.size(), w->document()->alternativeCount());
    for (int k = 0; k < tables.size(); ++k) {
        const AlternativeFigures &alternative = figures.alternatives.at(k);
        const double i = alternative.rate;
        // Each payment discounted on its own, VPI and VPE, then VPN.
        Oracle sums[3];
        bool checkable = i > -1.0 && std::isfinite(i);
        for (int g = 0; g < 2; ++g) {
            for (const AlternativeFigures::Flow &flow : g ? alternative.expenses : alternative.income) {
                const CashFlow &f = flow.figures;
                // A perpetual series summed while its terms fall fast enough.
                const bool endless = f.perpetual && f.kind != CashFlow::Single;
                const bool fast = i >= 0.01 && (f.kind != CashFlow::Geometric || std::fabs(1 + f.change) <= 0.99 * (1 + i));
                checkable = checkable && std::isfinite(f.amount) && std::isfinite(f.change)
                    && (endless ? fast : 0LL + f.payments + std::min(f.start, 0) <= 20000);
                const Oracle one = !checkable ? Oracle()
                    : endless ? Oracle::perpetual(int(f.kind), i, f.amount, f.change, f.start)
                              : Oracle::flow(int(f.kind), i, f.amount, f.change, f.payments, f.start);
                sums[g].add(one);
                sums[2].add(one, g ? -1 : 1);
            }
        }
        for (int r = 0; r < 3 && checkable && std::isfinite(double(sums[2].size)); ++r) {
            bool ok = false; // the amount as written, "-1 000.00", "2.5e+15", read back
            const double shown = QString(compared.at(r + 1).at(k + 1)).remove(QChar(0x00A0)).toDouble(&ok);
            const long double expected = sums[r].sum;
            // To the cent, or to the six digits of an exponent.
            const long double slack = 1e-9L * sums[r].size + 0.005L
                + (fabsl(expected) >= 1e15L ? 1e-5L * fabsl(expected) : 0.0L);
            QVERIFY2(ok ? fabsl(shown - expected) <= slack : fabsl(expected) > 1e300L,
                     qPrintable(QStringLiteral("%1 shown for %2").arg(compared.at(r + 1).at(k + 1))
                                    .arg(double(expected), 0, 'g', 17)));
        }

        // Titles in tree order; a table cut short gets a notice.
        const QString title = w->tree()->topLevelItem(k)->text(0).simplified();
        QCOMPARE(titles.at(k).value(0).value(0).simplified(), title);
        QCOMPARE(compared.at(0).at(k + 1).simplified(), title);
        QCOMPARE(tables.at(k).size(), 4 + alternative.income.size() + alternative.expenses.size()
                                          + (alternative.perpetual || kept.at(k) < alternative.horizon));
    }
}

void TestStress::randomUse()
{
    const quint32 seed = qEnvironmentVariableIsSet("QUINTAVO_STRESS_SEED")
        ? qEnvironmentVariable("QUINTAVO_STRESS_SEED").toUInt() : 20261206u;
    const int actions = qEnvironmentVariableIsSet("QUINTAVO_STRESS_ACTIONS")
        ? qEnvironmentVariableIntValue("QUINTAVO_STRESS_ACTIONS") : 1200;
    rng.seed(seed);
    Answers closing; // windows closed with changes are discarded
    MainWindow main;
    main.show();
    QAction *nuevo = main.findChild<QAction *>("action_Nuevo");
    const auto open = [&]() {
        nuevo->trigger();
        started.insert(main.activeProject(), stateOf(main.activeProject()));
    };
    open();
    for (int action = 0; action < actions; ++action) {
        const QList<QMdiSubWindow *> windows = main.findChild<QMdiArea *>()->subWindowList();
        auto *w = static_cast<ProjectWindow *>(windows.at(rng.bounded(windows.size()))->widget());
        const int pick = rng.bounded(100);
        if (pick < 3 && windows.size() < 4) {
            open();
        } else if (pick < 5 && windows.size() > 1) {
            QMdiSubWindow *closing = windows.at(rng.bounded(windows.size()));
            static_cast<ProjectWindow *>(closing->widget())->discardChanges(); // nothing to ask
            closing->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else if (pick < 13) {
            changeOrUndo(w);
        } else {
            act(w);
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(last.left(200))));
    }
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
