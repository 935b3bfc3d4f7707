// The project window's tree: the commands it offers on each node, the real
// menu and dialogs, the property panel that follows the current node, and the
// names typed into the tables.
#include "driver.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QTimer>

namespace {

// Right-clicks `node` and picks `entry` from the menu that opens, or closes
// the menu when it has no such entry.
void chooseFromMenu(QTreeWidget *tree, QTreeWidgetItem *node, const QString &entry)
{
    whenShown(QApplication::activePopupWidget, [entry](QWidget *menu) {
        for (QAction *action : menu->actions()) {
            if (action->text() == entry)
                static_cast<QMenu *>(menu)->setActiveAction(action);
        }
        QTest::keyClick(menu, static_cast<QMenu *>(menu)->activeAction() ? Qt::Key_Return : Qt::Key_Escape);
    });
    const QPoint pos = tree->visualItemRect(node).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, tree->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(tree->viewport(), &event);
}

} // namespace

class TestProjectWindow : public WindowTest
{
    Q_OBJECT

private slots:
    void commandsFitTheNode(); // first: the process-wide numbering starts at 0
    void realMenuAndDialogs();
    void panelFollowsCurrentNode();
};

void TestProjectWindow::commandsFitTheNode()
{
    QCOMPARE(first()->text(0), QStringLiteral("Proyecto 0"));
    QTreeWidgetItem *nodes[] = {nullptr, first(), first()->child(0), first()->child(1), w->addFlow(first()->child(0), 0)};
    const QStringList expected[] = {{"Añadir Alternativa"},
                                    {"Añadir Alternativa", "Duplicar alternativa", "Eliminar"},
                                    {"Añadir Ingreso"}, {"Añadir Egreso"}, {"Eliminar"}};
    for (int k = 0; k < 5; ++k) {
        QStringList offered;
        for (QAction *action : w->contextActions(nodes[k]))
            offered << action->text();
        QCOMPARE(offered, expected[k]);
    }
}

// Each answer comes from a fresh single-shot timer once the dialog is up.
void TestProjectWindow::realMenuAndDialogs()
{
    QTreeWidgetItem *income = first()->child(0);
    QTreeWidgetItem *expense = first()->child(1);
    const auto answer = [](const QString &text) {
        whenShown(QApplication::activeModalWidget, [text](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            text.isNull() ? input->reject() : (input->setTextValue(text), input->accept());
        });
    };
    w->tree()->setCurrentItem(expense); // the flow goes to the menu's group all the same
    answer("Pago con incremento Aritmético");
    chooseFromMenu(w->tree(), income, "Añadir Ingreso");
    answer(QString());
    chooseFromMenu(w->tree(), expense, "Añadir Egreso");
    QCOMPARE(income->childCount(), 1);
    QCOMPARE(expense->childCount(), 0);
    QCOMPARE(FlowItem::fromTreeItem(income->child(0))->propertyTable()->rowCount(), 5);
    answer("Sur");
    chooseFromMenu(w->tree(), first(), "Añadir Alternativa");
    QCOMPARE(w->tree()->topLevelItemCount(), 2);
    QCOMPARE(w->tree()->topLevelItem(1)->text(0), QStringLiteral("Sur"));
    QCOMPARE(w->panelTable(), static_cast<ProjectItem *>(w->tree()->topLevelItem(1))->propertyTable());
}

void TestProjectWindow::panelFollowsCurrentNode()
{
    ProjectItem *a = first();
    ProjectItem *b = w->addAlternative("B");
    FlowItem *flow = w->addFlow(a->child(1), 2);
    QTreeWidgetItem *current[] = {flow, b->child(0), a};
    QTableWidget *shown[] = {flow->propertyTable(), flow->propertyTable(), a->propertyTable()}; // a group changes nothing
    for (int k = 0; k < 3; ++k) {
        w->tree()->setCurrentItem(current[k]);
        QCOMPARE(w->panelTable(), shown[k]);
        QVERIFY(b->propertyTable()->isHidden());
    }
    // Row 0 names the node, also to nothing; the other rows leave its name.
    for (QTreeWidgetItem *node : {current[2], current[0]}) {
        w->tree()->setCurrentItem(node);
        type(w->panelTable(), 0, "I&D <2027>");
        type(w->panelTable(), 1, "12");
        QCOMPARE(node->text(0), QStringLiteral("I&D <2027>"));
        type(w->panelTable(), 0, QString());
        QCOMPARE(node->text(0), QString());
    }
    // Tables that never reached the panel go with the window: LeakSanitizer checks.
    w->addFlow(b->child(0), 0);
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
