// The project window: its first alternative, the property panel, and the
// tree's context-menu commands, driven through the real widgets.
#include "flowitem.h"
#include "guidriver.h"
#include "itemtypes.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QAction>
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

// An alternative as it is created: its two groups, its colours, its table
// with the name in row 0 and rows 1 and 2 empty.
void checkNewAlternative(QTreeWidgetItem *alternative, const QString &name)
{
    QCOMPARE(alternative->childCount(), 2);
    struct Node { QTreeWidgetItem *item; int type; QString text; const char *colour; };
    const Node nodes[] = {
        {alternative, ProjectItemType, name, "#B89AFE"},
        {alternative->child(0), IncomeGroupType, QStringLiteral("Ingresos"), "#86BCFF"},
        {alternative->child(1), ExpenseGroupType, QStringLiteral("Egresos"), "#FF8A8A"}};
    for (const Node &node : nodes) {
        QCOMPARE(node.item->type(), node.type);
        QCOMPARE(node.item->text(0), node.text);
        QVERIFY(node.item->isExpanded());
        for (int column : {0, 1})
            QCOMPARE(node.item->background(column).color(), QColor(node.colour));
    }
    const QTableWidget *table = static_cast<ProjectItem *>(alternative)->propertyTable();
    QCOMPARE(rowLabels(table), (QStringList{QStringLiteral("Nombre"), QStringLiteral("Total Períodos"),
                                            QStringLiteral("Interés de Oportunidad")}));
    QCOMPARE(table->item(0, 0)->text(), name);
    QVERIFY(!table->item(1, 0) && !table->item(2, 0));
}

const QString anualidad = QStringLiteral("Pago Anualidad");
const QString aritmetico = QStringLiteral("Pago con incremento Aritmético");
const QString geometrico = QStringLiteral("Pago con incremento geométrico");

} // namespace

class TestProjectWindow : public ProjectTest
{
    Q_OBJECT

private slots:
    // Runs first: the process-wide numbering starts at 0.
    void opensWithOneAlternative();
    void contextMenuDependsOnPlace_data();
    void contextMenuDependsOnPlace();
    void addAlternativeAsksForTitle_data();
    void addAlternativeAsksForTitle();
    void addsEachKindOfFlow_data();
    void addsEachKindOfFlow();
    void flowGoesToGroupOfTheMenu();
    void panelFollowsCurrentNodeUntilClosed();

};

void TestProjectWindow::opensWithOneAlternative()
{
    QTreeWidget *t = tree(project);
    QCOMPARE(t->topLevelItemCount(), 1);
    QVERIFY(!t->currentItem());
    checkNewAlternative(t->topLevelItem(0), QStringLiteral("Proyecto 0"));
    QCOMPARE(panelTable(project), static_cast<ProjectItem *>(t->topLevelItem(0))->propertyTable());

    // One process-wide counter numbers the first alternative of every window.
    addAlternative(project, QStringLiteral("Norte"));
    addAlternative(project, QStringLiteral("Sur"));
    ProjectWindow *second = newProject(main);
    QCOMPARE(tree(second)->topLevelItem(0)->text(0), QStringLiteral("Proyecto 3"));
    QCOMPARE(panelTable(second)->item(0, 0)->text(), QStringLiteral("Proyecto 3"));
}

void TestProjectWindow::contextMenuDependsOnPlace_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty space") << -1 << QStringList{QStringLiteral("Añadir Alternativa")};
    QTest::newRow("alternative") << 0 << QStringList{QStringLiteral("Añadir Alternativa"),
                                                     "Duplicar alternativa", "Eliminar"};
    QTest::newRow("income group") << 1 << QStringList{QStringLiteral("Añadir Ingreso")};
    QTest::newRow("expense group") << 2 << QStringList{QStringLiteral("Añadir Egreso")};
    QTest::newRow("flow") << 3 << QStringList{"Eliminar"};
}

void TestProjectWindow::contextMenuDependsOnPlace()
{
    QFETCH(int, place);
    QFETCH(QStringList, entries);
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *alternative = t->topLevelItem(0);
    QTreeWidgetItem *flow = addFlow(project, alternative->child(0), anualidad);
    QTreeWidgetItem *nodes[] = {alternative, alternative->child(0), alternative->child(1), flow};
    QCOMPARE(contextMenuAt(t, place < 0 ? emptySpot(t) : centreOf(t, nodes[place])), entries);
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
    QTableWidget *panelBefore = panelTable(project);
    whenModalOpens([title, cancel](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Añadir Alternativa"));
        QCOMPARE(dialog->labelText(), QStringLiteral("Título Alternativa"));
        dialog->setTextValue(title);
        cancel ? dialog->reject() : dialog->accept();
    });
    chooseFromContextMenu(t, emptySpot(t), QStringLiteral("Añadir Alternativa"));
    QCOMPARE(t->currentItem(), t->topLevelItem(0)->child(1));
    QCOMPARE(t->topLevelItemCount(), added ? 2 : 1);
    if (added)
        checkNewAlternative(t->topLevelItem(1), title);
    QCOMPARE(panelTable(project),
             added ? static_cast<ProjectItem *>(t->topLevelItem(1))->propertyTable() : panelBefore);
}

void TestProjectWindow::addsEachKindOfFlow_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("gradient"); // the row between "Anualidad" and "Número Períodos"
    QTest::newRow("uniform income") << anualidad << 0 << "";
    QTest::newRow("arithmetic expense") << aritmetico << 1 << QStringLiteral("Gradiente Aritmético");
    QTest::newRow("geometric income") << geometrico << 0 << QStringLiteral("Gradiente Geométrico");
    QTest::newRow("geometric expense") << geometrico << 1 << QStringLiteral("Gradiente Geométrico");
}

void TestProjectWindow::addsEachKindOfFlow()
{
    QFETCH(QString, choice);
    QFETCH(int, group);
    QFETCH(QString, gradient);

    QTreeWidget *t = tree(project);
    QTreeWidgetItem *target = t->topLevelItem(0)->child(group);
    QVERIFY(addFlow(project, target, anualidad));
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
    QCOMPARE(target->childCount(), 2);
    FlowItem *flow = FlowItem::fromTreeItem(target->child(1));
    QVERIFY(flow);
    QCOMPARE(flow->metaObject()->className(), "FlowItem");
    QCOMPARE(flow->text(0), QStringLiteral("Pago"));
    QStringList rows{QStringLiteral("Nombre"), QStringLiteral("Anualidad"), gradient,
                     QStringLiteral("Número Períodos"), QStringLiteral("Inicia en")};
    rows.removeAll(QString());
    QCOMPARE(rowLabels(flow->propertyTable()), rows);
    QCOMPARE(flow->propertyTable()->item(0, 0)->text(), QStringLiteral("Pago"));
    for (int row = 1; row < rows.size(); ++row)
        QVERIFY(!flow->propertyTable()->item(row, 0));
    // The panel does not follow until the user clicks the flow.
    QCOMPARE(panelTable(project), panelBefore);
    QCOMPARE(t->currentItem(), target);

    clickNode(t, flow);
    QCOMPARE(panelTable(project), flow->propertyTable());
    typeIntoCell(flow->propertyTable(), 0, QStringLiteral("Alquiler"));
    typeIntoCell(flow->propertyTable(), 1, QStringLiteral("100"));
    QCOMPARE(flow->text(0), QStringLiteral("Alquiler"));
}

void TestProjectWindow::flowGoesToGroupOfTheMenu()
{
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *income = t->topLevelItem(0)->child(0);
    QTreeWidgetItem *expense = t->topLevelItem(0)->child(1);

    // The action reached without a menu, the current node an alternative or
    // nothing: no dialog, no flow, no crash.
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
    QCOMPARE(income->childCount() + expense->childCount(), 0);

    cancelNextDialog();
    chooseFromContextMenu(t, centreOf(t, income), QStringLiteral("Añadir Ingreso"));
    QCOMPARE(income->childCount(), 0);

    // While the choice dialog is open the current node moves elsewhere.
    whenModalOpens([t, expense](QWidget *w) {
        t->setCurrentItem(expense);
        static_cast<QDialog *>(w)->accept();
    });
    chooseFromContextMenu(t, centreOf(t, income), QStringLiteral("Añadir Ingreso"));
    QCOMPARE(income->childCount(), 1);
    QCOMPARE(expense->childCount(), 0);
}

void TestProjectWindow::panelFollowsCurrentNodeUntilClosed()
{
    QTreeWidget *t = tree(project);
    addAlternative(project, QStringLiteral("B"));
    auto *a = static_cast<ProjectItem *>(t->topLevelItem(0));
    auto *b = static_cast<ProjectItem *>(t->topLevelItem(1));
    FlowItem *flow = FlowItem::fromTreeItem(addFlow(project, a->child(1), geometrico));

    // The form's table and an added one: row 0 renames the node, also to
    // nothing; rows 1 and 2 leave its text alone.
    for (ProjectItem *alternative : {a, b}) {
        clickNode(t, alternative);
        QCOMPARE(panelTable(project), alternative->propertyTable());
        const QString before = alternative->text(0);
        typeIntoCell(panelTable(project), 1, QStringLiteral("12"));
        typeIntoCell(panelTable(project), 2, QStringLiteral("0.08"));
        QCOMPARE(alternative->text(0), before);
        typeIntoCell(panelTable(project), 0, QStringLiteral("I&D <2027>"));
        QCOMPARE(alternative->text(0), QStringLiteral("I&D <2027>"));
        typeIntoCell(panelTable(project), 0, QString());
        QCOMPARE(alternative->text(0), QString());
    }
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
    QCOMPARE(panelTable(project)->item(1, 0)->text(), QStringLiteral("12"));
    QCOMPARE(panelTable(project)->item(2, 0)->text(), QStringLiteral("0.08"));
    clickNode(t, flow);
    QCOMPARE(panelTable(project)->item(1, 0)->text(), QStringLiteral("250"));
    int shown = 0;
    for (QTableWidget *table : project->findChildren<QTableWidget *>())
        shown += table->isVisible();
    QCOMPARE(shown, 1);

    // Flows whose tables never reached the panel: LeakSanitizer checks that
    // closing the window releases them, and nothing is deleted twice.
    QVERIFY(addFlow(project, b->child(0), anualidad) && addFlow(project, b->child(1), aritmetico));
    QPointer<ProjectWindow> guard(project);
    project->discardChanges(); // closes without asking to save
    project->parentWidget()->close();
    QTRY_VERIFY(guard.isNull());
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
