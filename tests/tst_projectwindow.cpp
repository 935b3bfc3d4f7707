// The project window: its first alternative, the property panel, and the
// tree's context-menu commands, driven through the real widgets.
#include "anualidaditem.h"
#include "aritmeticoitem.h"
#include "geometricoitem.h"
#include "guidriver.h"
#include "itemtypes.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QAction>
#include <QHeaderView>
#include <QInputDialog>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace GuiDriver;

namespace {

QStringList rowLabels(const QTableWidget *table)
{
    QStringList labels;
    for (int row = 0; row < table->rowCount(); ++row)
        labels << table->verticalHeaderItem(row)->text();
    return labels;
}

QStringList topLevelNames(QTreeWidget *tree)
{
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names << tree->topLevelItem(i)->text(0);
    return names;
}

const QString anualidad = QStringLiteral("Pago Anualidad");
const QString aritmetico = QStringLiteral("Pago con incremento Aritmético");
const QString geometrico = QStringLiteral("Pago con incremento geométrico");

} // namespace

class TestProjectWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Runs first: the process-wide numbering starts at 0.
    void numbersAlternativesAcrossWindows();
    void opensWithOneAlternative();
    void nameCellRenamesNode_data();
    void nameCellRenamesNode();
    void contextMenuDependsOnPlace_data();
    void contextMenuDependsOnPlace();
    void addAlternativeAsksForTitle_data();
    void addAlternativeAsksForTitle();
    void addsEachKindOfFlow_data();
    void addsEachKindOfFlow();
    void flowGoesToGroupOfTheMenu();
    void cancelledFlowChangesNothing();
    void flowActionWithoutGroupIsHarmless();
    void panelFollowsCurrentNode();
    void windowWithUnshownTablesCloses();

private:
    MainWindow *main = nullptr;
    ProjectWindow *project = nullptr;
};

void TestProjectWindow::init()
{
    main = new MainWindow;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    project = newProject(main);
}

void TestProjectWindow::cleanup()
{
    delete main;
    main = nullptr;
    project = nullptr;
}

void TestProjectWindow::numbersAlternativesAcrossWindows()
{
    QCOMPARE(tree(project)->topLevelItem(0)->text(0), QStringLiteral("Proyecto 0"));
    addAlternative(project, QStringLiteral("Norte"));
    addAlternative(project, QStringLiteral("Sur"));
    ProjectWindow *second = newProject(main);
    QCOMPARE(tree(second)->topLevelItem(0)->text(0), QStringLiteral("Proyecto 3"));
    QCOMPARE(panelTable(second)->item(0, 0)->text(), QStringLiteral("Proyecto 3"));
}

void TestProjectWindow::opensWithOneAlternative()
{
    QTreeWidget *t = tree(project);
    QCOMPARE(t->headerItem()->text(0), QStringLiteral("Concepto"));
    QCOMPARE(t->headerItem()->text(1), QStringLiteral("Descripción"));
    QCOMPARE(t->indentation(), 0);
    QVERIFY(t->alternatingRowColors());
    QCOMPARE(t->topLevelItemCount(), 1);
    QVERIFY(!t->currentItem());

    QTreeWidgetItem *alternative = t->topLevelItem(0);
    QCOMPARE(alternative->type(), int(ProjectItemType));
    QCOMPARE(alternative->childCount(), 2);
    struct Node { QTreeWidgetItem *item; int type; const char *text; const char *colour; };
    const Node nodes[] = {{alternative, ProjectItemType, nullptr, "#B89AFE"},
                          {alternative->child(0), IncomeGroupType, "Ingresos", "#86BCFF"},
                          {alternative->child(1), ExpenseGroupType, "Egresos", "#FF8A8A"}};
    for (const Node &node : nodes) {
        QCOMPARE(node.item->type(), node.type);
        if (node.text)
            QCOMPARE(node.item->text(0), QString::fromUtf8(node.text));
        QVERIFY(node.item->isExpanded());
        for (int column : {0, 1})
            QCOMPARE(node.item->background(column).color(), QColor(node.colour));
    }

    QTableWidget *panel = panelTable(project);
    QCOMPARE(panel->objectName(), QStringLiteral("twProperty"));
    QCOMPARE(panel, static_cast<ProjectItem *>(alternative)->propertyTable());
    QCOMPARE(rowLabels(panel),
             (QStringList{"Nombre", "Total Períodos", "Interés de Oportunidad"}));
    QVERIFY(panel->horizontalHeader()->isHidden());
    QCOMPARE(panel->item(0, 0)->text(), alternative->text(0));
    QVERIFY(!panel->item(1, 0));
    QVERIFY(!panel->item(2, 0));
}

void TestProjectWindow::nameCellRenamesNode_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("renames");
    QTest::newRow("name") << 0 << "Planta Norte" << true;
    QTest::newRow("name cleared") << 0 << "" << true;
    QTest::newRow("name with markup") << 0 << "I&D <2027>" << true;
    QTest::newRow("horizon") << 1 << "12" << false;
    QTest::newRow("rate") << 2 << "0.1" << false;
}

void TestProjectWindow::nameCellRenamesNode()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, renames);

    // Both a window's first alternative (form table) and an added one.
    addAlternative(project, QStringLiteral("Sur"));
    for (int index : {0, 1}) {
        auto *alternative = static_cast<ProjectItem *>(tree(project)->topLevelItem(index));
        const QString before = alternative->text(0);
        clickNode(tree(project), alternative);
        QCOMPARE(panelTable(project), alternative->propertyTable());
        typeIntoCell(panelTable(project), row, typed);
        QCOMPARE(panelTable(project)->item(row, 0)->text(), typed);
        QCOMPARE(alternative->text(0), renames ? typed : before);
    }
}

void TestProjectWindow::contextMenuDependsOnPlace_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty space") << -1 << QStringList{"Añadir Alternativa"};
    QTest::newRow("alternative") << 0 << QStringList{"Añadir Alternativa"};
    QTest::newRow("income group") << 1 << QStringList{"Añadir Ingreso"};
    QTest::newRow("expense group") << 2 << QStringList{"Añadir Egreso"};
    QTest::newRow("flow") << 3 << QStringList{};
}

void TestProjectWindow::contextMenuDependsOnPlace()
{
    QFETCH(int, place);
    QFETCH(QStringList, entries);

    QTreeWidget *t = tree(project);
    QTreeWidgetItem *alternative = t->topLevelItem(0);
    QTreeWidgetItem *flow = addFlow(project, alternative->child(0), anualidad);
    QVERIFY(flow);
    QTreeWidgetItem *nodes[] = {alternative, alternative->child(0), alternative->child(1), flow};
    const QPoint pos = place < 0 ? emptySpot(t) : centreOf(t, nodes[place]);
    QCOMPARE(contextMenuAt(t, pos), entries);
}

void TestProjectWindow::addAlternativeAsksForTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("added");
    QTest::newRow("title") << "Sur" << false << true;
    QTest::newRow("spaces only") << "   " << false << true;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("cancelled") << "Este" << true << false;
}

void TestProjectWindow::addAlternativeAsksForTitle()
{
    QFETCH(QString, title);
    QFETCH(bool, cancel);
    QFETCH(bool, added);

    QTreeWidget *t = tree(project);
    clickNode(t, t->topLevelItem(0)->child(1));
    QTreeWidgetItem *current = t->currentItem();
    QTableWidget *panelBefore = panelTable(project);

    if (cancel) {
        whenModalOpens([title](QWidget *w) {
            auto *dialog = qobject_cast<QInputDialog *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Añadir Alternativa"));
            QCOMPARE(dialog->labelText(), QStringLiteral("Título Alternativa"));
            dialog->setTextValue(title);
            dialog->reject();
        });
        chooseFromContextMenu(t, emptySpot(t), QStringLiteral("Añadir Alternativa"));
    } else {
        addAlternative(project, title);
    }

    QCOMPARE(t->currentItem(), current);
    if (!added) {
        QCOMPARE(t->topLevelItemCount(), 1);
        QCOMPARE(panelTable(project), panelBefore);
        return;
    }
    QCOMPARE(t->topLevelItemCount(), 2);
    auto *alternative = static_cast<ProjectItem *>(t->topLevelItem(1));
    QCOMPARE(alternative->type(), int(ProjectItemType));
    QCOMPARE(alternative->text(0), title);
    QCOMPARE(alternative->child(0)->text(0), QStringLiteral("Ingresos"));
    QCOMPARE(alternative->child(1)->text(0), QStringLiteral("Egresos"));
    QVERIFY(alternative->isExpanded());
    QCOMPARE(panelTable(project), alternative->propertyTable());
    QCOMPARE(rowLabels(panelTable(project)),
             (QStringList{"Nombre", "Total Períodos", "Interés de Oportunidad"}));
    QCOMPARE(panelTable(project)->item(0, 0)->text(), title);
    QVERIFY(!panelTable(project)->item(1, 0));

    addAlternative(project, QStringLiteral("Último"));
    QCOMPARE(topLevelNames(t).constLast(), QStringLiteral("Último"));
}

void TestProjectWindow::addsEachKindOfFlow_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("rows");
    const QStringList uniform{"Nombre", "Anualidad", "Número Períodos", "Inicia en"};
    const QStringList arithmetic{"Nombre", "Anualidad", "Gradiente Aritmético", "Número Períodos",
                                 "Inicia en"};
    const QStringList geometric{"Nombre", "Anualidad", "Gradiente Geométrico", "Número Períodos",
                                "Inicia en"};
    QTest::newRow("uniform income") << anualidad << 0 << uniform;
    QTest::newRow("uniform expense") << anualidad << 1 << uniform;
    QTest::newRow("arithmetic income") << aritmetico << 0 << arithmetic;
    QTest::newRow("arithmetic expense") << aritmetico << 1 << arithmetic;
    QTest::newRow("geometric income") << geometrico << 0 << geometric;
    QTest::newRow("geometric expense") << geometrico << 1 << geometric;
}

void TestProjectWindow::addsEachKindOfFlow()
{
    QFETCH(QString, choice);
    QFETCH(int, group);
    QFETCH(QStringList, rows);

    QTreeWidget *t = tree(project);
    QTreeWidgetItem *target = t->topLevelItem(0)->child(group);
    QTableWidget *panelBefore = panelTable(project);

    // The dialog offers the three kinds, the uniform one preselected, no free text.
    whenModalOpens([choice](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Añadir Flujo"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Tipo de Pago:"));
        QCOMPARE(dialog->comboBoxItems(), (QStringList{anualidad, aritmetico, geometrico}));
        QCOMPARE(dialog->textValue(), anualidad);
        QVERIFY(!dialog->isComboBoxEditable());
        dialog->setTextValue(choice);
        dialog->accept();
    });
    chooseFromContextMenu(t, centreOf(t, target), group == 0 ? QStringLiteral("Añadir Ingreso")
                                                             : QStringLiteral("Añadir Egreso"));
    QTreeWidgetItem *second = addFlow(project, target, choice);

    QCOMPARE(target->childCount(), 2);
    QCOMPARE(target->child(1), second);
    for (int i = 0; i < 2; ++i) {
        FlowItem *flow = FlowItem::fromTreeItem(target->child(i));
        QVERIFY(flow);
        QCOMPARE(flow->metaObject()->className(), "FlowItem");
        const bool rightKind = choice == anualidad ? dynamic_cast<AnualidadItem *>(flow) != nullptr
            : choice == aritmetico ? dynamic_cast<AritmeticoItem *>(flow) != nullptr
                                   : dynamic_cast<GeometricoItem *>(flow) != nullptr;
        QVERIFY(rightKind);
        QCOMPARE(flow->text(0), QStringLiteral("Pago"));
        QCOMPARE(rowLabels(flow->propertyTable()), rows);
        QCOMPARE(flow->propertyTable()->item(0, 0)->text(), QStringLiteral("Pago"));
        for (int row = 1; row < rows.size(); ++row)
            QVERIFY(!flow->propertyTable()->item(row, 0));
    }
    // The panel does not follow until the user clicks the flow.
    QCOMPARE(panelTable(project), panelBefore);
    QCOMPARE(t->currentItem(), target);

    FlowItem *flow = FlowItem::fromTreeItem(second);
    clickNode(t, second);
    QCOMPARE(panelTable(project), flow->propertyTable());
    typeIntoCell(flow->propertyTable(), 0, QStringLiteral("Alquiler"));
    QCOMPARE(second->text(0), QStringLiteral("Alquiler"));
    typeIntoCell(flow->propertyTable(), 1, QStringLiteral("100"));
    QCOMPARE(second->text(0), QStringLiteral("Alquiler"));
}

void TestProjectWindow::flowGoesToGroupOfTheMenu()
{
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *income = t->topLevelItem(0)->child(0);
    QTreeWidgetItem *expense = t->topLevelItem(0)->child(1);

    // While the choice dialog is open the current node moves elsewhere.
    whenModalOpens([t, expense](QWidget *w) {
        t->setCurrentItem(expense);
        static_cast<QDialog *>(w)->accept();
    });
    chooseFromContextMenu(t, centreOf(t, income), QStringLiteral("Añadir Ingreso"));
    QCOMPARE(income->childCount(), 1);
    QCOMPARE(expense->childCount(), 0);
}

void TestProjectWindow::cancelledFlowChangesNothing()
{
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *income = t->topLevelItem(0)->child(0);
    cancelNextDialog();
    chooseFromContextMenu(t, centreOf(t, income), QStringLiteral("Añadir Ingreso"));
    QCOMPARE(income->childCount(), 0);
}

void TestProjectWindow::flowActionWithoutGroupIsHarmless()
{
    // The action reached without a menu, the current node an alternative or
    // nothing: no dialog, no flow, no crash.
    QTreeWidget *t = tree(project);
    QAction *flowAction = nullptr;
    for (QAction *action : t->findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("Añadir Flujo"))
            flowAction = action;
    }
    QVERIFY(flowAction);
    for (QTreeWidgetItem *current : {static_cast<QTreeWidgetItem *>(nullptr), t->topLevelItem(0)}) {
        t->setCurrentItem(current);
        flowAction->trigger();
    }
    QCOMPARE(t->topLevelItem(0)->child(0)->childCount(), 0);
    QCOMPARE(t->topLevelItem(0)->child(1)->childCount(), 0);
}

void TestProjectWindow::panelFollowsCurrentNode()
{
    QTreeWidget *t = tree(project);
    addAlternative(project, QStringLiteral("B"));
    auto *a = static_cast<ProjectItem *>(t->topLevelItem(0));
    auto *b = static_cast<ProjectItem *>(t->topLevelItem(1));
    FlowItem *flow = FlowItem::fromTreeItem(addFlow(project, a->child(1), geometrico));

    clickNode(t, a);
    QCOMPARE(panelTable(project), a->propertyTable());
    typeIntoCell(panelTable(project), 1, QStringLiteral("10"));
    typeIntoCell(panelTable(project), 2, QStringLiteral("0.08"));

    clickNode(t, flow);
    QCOMPARE(panelTable(project), flow->propertyTable());
    typeIntoCell(panelTable(project), 1, QStringLiteral("250"));

    clickNode(t, b->child(0)); // a group leaves the panel as it was
    QCOMPARE(panelTable(project), flow->propertyTable());

    clickNode(t, b);
    QCOMPARE(panelTable(project), b->propertyTable());
    QVERIFY(a->propertyTable()->isHidden());

    clickNode(t, a);
    QCOMPARE(panelTable(project), a->propertyTable());
    QVERIFY(a->propertyTable()->isVisible());
    QCOMPARE(a->propertyTable()->item(1, 0)->text(), QStringLiteral("10"));
    QCOMPARE(a->propertyTable()->item(2, 0)->text(), QStringLiteral("0.08"));
    clickNode(t, flow);
    QCOMPARE(flow->propertyTable()->item(1, 0)->text(), QStringLiteral("250"));

    // Exactly one table is shown, the last widget of the column.
    int shown = 0;
    for (QTableWidget *table : project->findChildren<QTableWidget *>())
        shown += table->isVisible();
    QCOMPARE(shown, 1);
}

void TestProjectWindow::windowWithUnshownTablesCloses()
{
    // Flows whose tables never reached the panel: LeakSanitizer checks that
    // closing the window releases them, and nothing is deleted twice.
    QTreeWidget *t = tree(project);
    addAlternative(project, QStringLiteral("B"));
    for (QTreeWidgetItem *group : {t->topLevelItem(0)->child(0), t->topLevelItem(1)->child(1)}) {
        for (const QString &kind : {anualidad, aritmetico, geometrico})
            QVERIFY(addFlow(project, group, kind));
    }
    clickNode(t, t->topLevelItem(1)->child(1)->child(0));
    QPointer<ProjectWindow> guard(project);
    project->parentWidget()->close();
    QTRY_VERIFY(guard.isNull());
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
