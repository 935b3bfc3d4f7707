// The project window's tree: the commands it offers on each node, the real
// menu and dialogs, the property panel that follows the current node, and the
// names typed into the tables.
#include "driver.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

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
    void commandsFitTheNode();
    void realMenuAndDialogs();
    void panelFollowsCurrentNode();
    void dialogsTranslatedAsTheirOwn();
};

void TestProjectWindow::commandsFitTheNode()
{
    // The first alternatives are numbered across windows.
    const int number = first()->text(0).mid(9).toInt();
    QCOMPARE(first()->text(0), QStringLiteral("Proyecto %1").arg(number));
    QCOMPARE(ProjectWindow().tree()->topLevelItem(0)->text(0), QStringLiteral("Proyecto %1").arg(number + 1));
    QTreeWidgetItem *nodes[] = {nullptr, first(), first()->child(0), first()->child(1), addFlow(w, first()->child(0), 0)};
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
    QStringList kinds;
    const auto answer = [&kinds](const QString &text) {
        whenShown(QApplication::activeModalWidget, [text, &kinds](QWidget *dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            kinds = input->comboBoxItems();
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
    QCOMPARE(kinds, (QStringList{"Pago Anualidad", "Pago con incremento Aritmético", "Pago con incremento geométrico",
                                 "Pago único"}));
    QCOMPARE(showNode(w, income->child(0))->rowCount(), 5);
    answer("Sur");
    chooseFromMenu(w->tree(), first(), "Añadir Alternativa");
    QCOMPARE(w->tree()->topLevelItemCount(), 2);
    QCOMPARE(w->tree()->topLevelItem(1)->text(0), QStringLiteral("Sur"));
    // The panel shows the new alternative, which is the node highlighted; a
    // click on the flow highlighted before brings the flow's table back.
    QCOMPARE(w->panelTable()->item(0, 0)->text(), QStringLiteral("Sur"));
    QCOMPARE(w->tree()->currentItem(), w->tree()->topLevelItem(1));
    const QPoint flow = w->tree()->visualItemRect(income->child(0)).center();
    QTest::mouseClick(w->tree()->viewport(), Qt::LeftButton, {}, flow);
    QCOMPARE(w->panelTable()->item(0, 0)->text(), QStringLiteral("Pago"));
}

void TestProjectWindow::panelFollowsCurrentNode()
{
    QTreeWidgetItem *a = first();
    QTreeWidgetItem *b = addAlternative(w, "B");
    fill(w, a, {"A", "5", "0.1"});
    QTreeWidgetItem *flow = addFlow(w, a, "EG|Cuota|900|0.05|4|1");
    QTreeWidgetItem *current[] = {flow, b->child(0), a};
    const QStringList shown[] = {{"Cuota", "900", "0.05", "4", "1"}, {"Cuota", "900", "0.05", "4", "1"},
                                 {"A", "5", "0.1"}}; // a group changes nothing
    for (int k = 0; k < 3; ++k) {
        QTableWidget *table = showNode(w, current[k]);
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row)
            cells << table->item(row, 0)->text();
        QCOMPARE(cells, shown[k]);
        QCOMPARE(table->verticalHeaderItem(2)->text(), k < 2 ? "Gradiente Geométrico" : "Interés de Oportunidad");
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
    // The node shown goes: the panel shows the node that becomes current.
    w->tree()->setCurrentItem(flow);
    QVERIFY(w->commands()->removeNode(flow));
    QCOMPARE(w->tree()->currentItem(), a);
    QCOMPARE(w->panelTable()->rowCount(), 3);
    QCOMPARE(w->panelTable()->item(1, 0)->text(), QStringLiteral("12"));
    // The last alternative goes: the panel is empty and hidden.
    QVERIFY(w->commands()->removeNode(b) && w->commands()->removeNode(a));
    QVERIFY(w->panelTable()->isHidden());
}

// The dialogs' texts are found under their own class in a translation.
void TestProjectWindow::dialogsTranslatedAsTheirOwn()
{
    struct Marking : QTranslator {
        QString translate(const char *context, const char *source, const char *, int) const override
        {
            return QByteArray(context) == "Dialogs" ? QStringLiteral("[D] ") + QString::fromUtf8(source) : QString();
        }
    } marking;
    QCoreApplication::installTranslator(&marking);
    QString title;
    whenShown(QApplication::activeModalWidget, [&title](QWidget *dialog) {
        title = dialog->windowTitle();
        static_cast<QDialog *>(dialog)->reject();
    });
    w->contextActions(nullptr).at(0)->trigger();
    QCoreApplication::removeTranslator(&marking);
    QCOMPARE(title, QStringLiteral("[D] Añadir Alternativa"));
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
