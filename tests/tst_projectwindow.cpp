// The project window's tree: the commands it offers on each node, the real
// menu and dialogs, the property panel that follows the current node, the
// names typed into the tables and the figures it flags.
#include "driver.h"
#include "figuredelegate.h"
#include "mainwindow.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTextBrowser>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <QWindow>

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
    // Without a node: the empty space at the bottom of the tree.
    const QPoint pos = node ? tree->visualItemRect(node).center()
                            : QPoint(5, tree->viewport()->height() - 5);
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
    void flags_data();
    void flags();
    void emptyCellsAndRates();
    void rateConverter();
    void projectMenu_data();
    void projectMenu();
    void menuShortcutsGuideAndWidths();
};

// The menu "Proyecto" does on the current node what the tree's context menu
// does on its node: the same tree, the same undo step.
void TestProjectWindow::projectMenu_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("current"); // 0 the alternative, 1 "Ingresos", 2 "Egresos", 3 its flow
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("node");    // where the context menu opens; 4 the empty space
    QTest::newRow("alternative") << "action_Anadir_alternativa" << 3 << "Añadir Alternativa" << 0;
    QTest::newRow("income") << "action_Anadir_ingreso" << 3 << "Añadir Ingreso" << 1;
    QTest::newRow("expense") << "action_Anadir_egreso" << 0 << "Añadir Egreso" << 2;
    QTest::newRow("replacement") << "action_Anadir_reemplazo" << 3 << "Añadir análisis de reemplazo" << 4;
    QTest::newRow("duplicate") << "action_Duplicar_alternativa" << 0 << "Duplicar alternativa" << 0;
    QTest::newRow("remove") << "action_Eliminar" << 3 << "Eliminar" << 3;
}

void TestProjectWindow::projectMenu()
{
    QFETCH(QString, action); QFETCH(int, current); QFETCH(QString, entry); QFETCH(int, node);
    MainWindow main;
    main.show();
    main.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    ProjectWindow *p = main.activeProject();
    QTreeWidgetItem *a = p->tree()->topLevelItem(0);
    fill(p, a, {"A", "3", "0.1"});
    addFlow(p, a, "EU|Cuota|100|3|1");
    const auto at = [a](int k) {
        return k == 0 ? a : k < 3 ? a->child(k - 1) : k == 3 ? a->child(1)->child(0) : nullptr;
    };
    Answers answers;
    answers.title = "Sur";
    answers.kind = 1;
    const QStringList before = stateOf(p);
    QStringList after[2];
    QString step[2];
    for (int way = 0; way < 2; ++way) {
        if (way == 0) {
            p->tree()->setCurrentItem(at(current));
            QAction *command = main.findChild<QAction *>(action);
            QVERIFY(command->isEnabled());
            command->trigger();
        } else {
            chooseFromMenu(p->tree(), at(node), entry);
        }
        after[way] = stateOf(p);
        step[way] = p->undoStack()->undoText();
        p->undoStack()->undo();
        QCOMPARE(stateOf(p), before);
    }
    QVERIFY(after[0] != before);
    QCOMPARE(after[0], after[1]);
    QCOMPARE(step[0], step[1]);
    p->discardChanges();
}

// Commands disabled where they do not apply, the reports' shortcuts in the order of their buttons,
// the guide on F1, and at 800 x 600 the panel's bold labels whole and the tree's "Descripción" in sight.
void TestProjectWindow::menuShortcutsGuideAndWidths()
{
    MainWindow main;
    main.resize(800, 600);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QVERIFY(!main.findChild<QAction *>(QStringLiteral("action_Comparar"))->isEnabled());
    main.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    ProjectWindow *p = main.activeProject();
    QVERIFY(p->parentWidget()->isMaximized()); // alone, it fills the area
    QTreeWidgetItem *a = p->tree()->topLevelItem(0);
    p->tree()->setCurrentItem(a->child(0));
    QString enabled;
    for (const char *name : {"action_Anadir_alternativa", "action_Anadir_egreso", "action_Duplicar_alternativa", "action_Eliminar"})
        enabled += main.findChild<QAction *>(name)->isEnabled() ? '1' : '0';
    QCOMPARE(enabled, QStringLiteral("1100"));
    using R = ProjectWindow::Report;
    const R reports[] = {R::CashFlows, R::Comparison, R::WorkedSolution, R::Sensitivity};
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(&main, Qt::Key(Qt::Key_1 + k), Qt::ControlModifier);
        QTRY_COMPARE(p->shownReport(), reports[k]);
    }
    QTest::keyClick(&main, Qt::Key_F1);
    auto *guide = main.findChild<QDialog *>();
    QVERIFY(guide && guide->isVisible() && guide->windowTitle() == QStringLiteral("Guía de Quintavo"));
    QVERIFY(guide->findChild<QTextBrowser *>()->toPlainText().contains(QStringLiteral("Inicia en")));
    Answers printed; // "Imprimir…" prints the guide, here to a PDF
    printed.file = QDir::temp().filePath(QStringLiteral("quintavo-guia-%1.pdf").arg(QCoreApplication::applicationPid()));
    for (QPushButton *button : guide->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("&Imprimir…"))
            button->click();
    QVERIFY(QFile(printed.file).size() > 1000 && QFile::remove(printed.file));
    fill(p, a, {QString(72, QChar('N')), "5", "0.1"});
    QTreeWidgetItem *flow = addFlow(p, a, "IG|Venta|100|0.05|5|1");
    for (QTreeWidgetItem *node : {a, flow}) {
        QTableWidget *table = showNode(p, node);
        QFont bold = table->verticalHeader()->font();
        bold.setBold(true);
        for (int row = 0; row < table->rowCount(); ++row)
            QVERIFY(table->verticalHeader()->width() > QFontMetrics(bold).horizontalAdvance(table->verticalHeaderItem(row)->text()));
    }
    QHeaderView *columns = p->tree()->header();
    QTRY_VERIFY(columns->sectionSize(1) >= p->tree()->viewport()->width() / 3);
    QVERIFY(columns->sectionPosition(1) + 20 < p->tree()->viewport()->width());
    p->discardChanges();
}

// "Herramientas" → "Convertir tasa…" writes 24 % NAMV as 2 % EM into the
// current flow's alternative: one step, undone at once.
void TestProjectWindow::rateConverter()
{
    MainWindow main;
    main.findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    ProjectWindow *project = main.activeProject();
    project->tree()->setCurrentItem(addFlow(project, project->tree()->topLevelItem(0)->child(1), 0));
    const NodePlace alternative{0, -1, -1};
    const QString before = project->document()->cellText(alternative, 2);
    whenShown(QApplication::activeModalWidget, [](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("rate"))->setText(QStringLiteral(" 24 %"));
        dialog->findChild<QComboBox *>(QStringLiteral("kind"))->setCurrentIndex(1);      // nominal vencida
        dialog->findChild<QComboBox *>(QStringLiteral("target"))->setCurrentIndex(5);    // mensual
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("Usar en la alternativa"))
                button->click();
    });
    main.findChild<QAction *>(QStringLiteral("action_Convertir_tasa"))->trigger();
    QCOMPARE(project->document()->cellText(alternative, 2), QStringLiteral("0.02"));
    QCOMPARE(project->undoStack()->undoText(), QStringLiteral("Convertir tasa"));
    project->undoStack()->undo();
    QCOMPARE(project->document()->cellText(alternative, 2), before);
}

void TestProjectWindow::commandsFitTheNode()
{
    // The first alternatives are numbered across windows.
    const int number = first()->text(0).mid(9).toInt();
    QCOMPARE(first()->text(0), QStringLiteral("Proyecto %1").arg(number));
    QCOMPARE(ProjectWindow().tree()->topLevelItem(0)->text(0), QStringLiteral("Proyecto %1").arg(number + 1));
    QTreeWidgetItem *analysis = w->commands()->addReplacement();
    QTreeWidgetItem *nodes[] = {nullptr, first(), first()->child(0), first()->child(1), addFlow(w, first()->child(0), 0),
                                analysis, analysis->child(0)};
    const QStringList expected[] = {{"Añadir Alternativa", "Añadir análisis de reemplazo"},
                                    {"Añadir Alternativa", "Duplicar alternativa", "Eliminar"},
                                    {"Añadir Ingreso"}, {"Añadir Egreso"}, {"Eliminar"},
                                    {"Añadir análisis de reemplazo", "Duplicar análisis", "Eliminar"}, {}};
    for (int k = 0; k < 7; ++k) {
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
    QCOMPARE(w->tree()->currentItem(), income->child(0)); // the new flow, its first figure ready
    QCOMPARE(w->panelTable()->currentRow(), 1);
    QCOMPARE(kinds, (QStringList{"Pago Anualidad", "Pago con incremento Aritmético", "Pago con incremento geométrico",
                                 "Pago único", "Activo depreciable"})); // under "Egresos": no loan
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
                                 {"A", "5", "0.1", ""}}; // a group changes nothing
    for (int k = 0; k < 3; ++k) {
        QTableWidget *table = showNode(w, current[k]);
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row)
            cells << table->item(row, 0)->text();
        QCOMPARE(cells, shown[k]);
        QCOMPARE(table->verticalHeaderItem(2)->text(), k < 2 ? "Gradiente Geométrico" : "Interés de Oportunidad");
        QVERIFY(table->verticalHeaderItem(2)->toolTip().contains(k < 2 ? "0.05 o 5 %" : "0.1 o 10 %"));
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
    QCOMPARE(w->panelTable()->rowCount(), 4);
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

// Property cells flag the figures that are not read as typed: the tint and
// tooltip a user sees on each kind of table, for each way a text misreads.
void TestProjectWindow::flags_data()
{
    QTest::addColumn<int>("node"); // the form's alternative (-2), an added one (-1), an expense of kind 0..3
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("toolTip"); // none: no tint; "12 se usa...": amber; "Se lee como 0...": red
    const QString notWhole = "Se lee como 0: escriba un número entero, sin decimales";
    const QString tooBig = "Se lee como 0: el número entero es demasiado grande";
    QTest::newRow("rate 12") << -2 << 2 << "12" << "12 se usa como 1200 % por período; para 12 % escriba 0.12";
    QTest::newRow("rate 1") << -2 << 2 << "1" << QString();
    QTest::newRow("rate 1e309") << -2 << 2 << "1e309" << "Se lee como 0: el número está fuera del rango que se puede calcular";
    QTest::newRow("name 0,12") << -2 << 0 << "0,12" << QString();
    QTest::newRow("horizon 2,5") << -1 << 1 << "2,5" << notWhole;
    const QString negative = "Se lee como 0: un número de períodos no puede ser negativo";
    QTest::newRow("horizon INT_MIN") << -1 << 1 << "-2147483648" << negative;
    QTest::newRow("count -2") << 1 << 3 << "-2" << negative;
    QTest::newRow("start -1") << 1 << 4 << "-1" << QString();
    QTest::newRow("rate 10 %") << -2 << 2 << "10 %" << QString();
    QTest::newRow("rate 150%") << -1 << 2 << "150%" << QString();
    QTest::newRow("horizon INT_MAX + 1") << -1 << 1 << "2147483648" << tooBig;
    QTest::newRow("payment 1.500,50") << 0 << 1 << "1.500,50" << "Se lee como 0: use punto decimal, 1500.50";
    QTest::newRow("expense -7") << 0 << 1 << "-7" << "Un egreso negativo cuenta como ingreso";
    QTest::newRow("payment 1,500.50") << 0 << 1 << "1,500.50" << "Se lee como 0: escriba sin separador de miles, 1500.50";
    QTest::newRow("horizon ∞") << -1 << 1 << u8"\u221E" << QString();
    QTest::newRow("count Infinito") << 0 << 2 << " Infinito " << QString();
    QTest::newRow("start inf") << 0 << 3 << "inf" << "Se lee como 0: no es un número";
    QTest::newRow("count 2.5") << 1 << 3 << "2.5" << notWhole;
    QTest::newRow("count 11 digits") << 1 << 3 << "99999999999" << tooBig;
    QTest::newRow("growth 12,5 %") << 2 << 2 << "12,5 %" << "Se lee como 0: use punto decimal, 12.5 %";
    QTest::newRow("payment 12 %") << 0 << 1 << "12 %" << "Se lee como 0: escriba la fracción sin %, 0.12";
    QTest::newRow("growth nan") << 2 << 2 << "nan" << QString();
    QTest::newRow("start nan") << 2 << 4 << "nan" << "Se lee como 0: no es un número";
    QTest::newRow("single -5") << 3 << 1 << "-5" << "Un egreso negativo cuenta como ingreso";
    QTest::newRow("period 2.5") << 3 << 2 << "2.5" << notWhole;
}

// The colour on screen at the top of the cell, and the tooltip when the mouse rests on it.
void TestProjectWindow::flags()
{
    QFETCH(int, node); QFETCH(int, row); QFETCH(QString, typed); QFETCH(QString, toolTip);
    QTableWidget *table = showNode(w, node == -2 ? first() : node == -1 ? addAlternative(w, "Sur")
                                                                        : addFlow(w, first()->child(1), node));
    const auto shown = [table, row]() {
        table->setCurrentIndex(QModelIndex());
        const QRect cell = table->visualRect(table->model()->index(row, 0)).intersected(table->viewport()->rect());
        const QPoint spot = table->viewport()->mapTo(table->window(), QPoint(cell.center().x(), cell.top() + 3));
        QHelpEvent event(QEvent::ToolTip, cell.center(), table->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(table->viewport(), &event);
        QWindow *window = table->window()->windowHandle();
        return qMakePair(window->screen()->grabWindow(window->winId(), spot.x(), spot.y(), 1, 1).toImage().pixelColor(0, 0),
                         event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString());
    };
    const QColor plain = table->palette().color(QPalette::Base);
    const QRgb tint = toolTip.isEmpty() ? plain.rgba() : toolTip.startsWith("Se lee") ? FigureDelegate::UnreadableTint
                                                                                       : FigureDelegate::DoubtfulTint;
    type(table, row, typed);
    QTRY_COMPARE(shown(), qMakePair(QColor(tint), toolTip));
    QCOMPARE(table->item(row, 0)->text(), typed); // painted, never stored
    QVERIFY(!table->item(row, 0)->data(Qt::BackgroundRole).isValid());
    type(table, row, "1");
    QTRY_COMPARE(shown(), qMakePair(plain, QString()));
    QToolTip::hideText();
}

// An empty figure cell counts as 0 without being an error: its cell shows
// "0 (vacío)" untinted and the reports' line names it. A rate in per cent
// reads as that fraction in every rate cell.
void TestProjectWindow::emptyCellsAndRates()
{
    QTableWidget *table = showNode(w, first());
    const auto *delegate = qobject_cast<FigureDelegate *>(table->itemDelegate());
    QCOMPARE(delegate->placeholder(table->model()->index(1, 0)), QStringLiteral("0 (vacío)"));
    QCOMPARE(delegate->placeholder(table->model()->index(0, 0)), QString()); // the name is text
    fill(w, first(), {"A", "", "10%"});
    fill(w, addFlow(w, first()->child(0), 2), {"Venta", "100", "5 %", "2", " "});
    w->showComparison();
    QCOMPARE(w->report()->document()->firstBlock().text(),
             QStringLiteral("Atención: se leyeron como 0 Total Períodos de «A» (vacío), Inicia en de «Venta» (vacío)."));
    QCOMPARE(first()->data(0, Qt::ForegroundRole), QVariant()); // not marked as unreadable
    const AlternativeFigures figures = w->figures().alternatives.value(0);
    QCOMPARE(figures.rate, 0.1);
    QCOMPARE(figures.income.value(0).figures.change, 0.05);
    type(table, 1, "3");
    QCOMPARE(delegate->placeholder(table->model()->index(1, 0)), QString());
}

QTEST_MAIN(TestProjectWindow)
#include "tst_projectwindow.moc"
