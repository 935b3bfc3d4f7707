// One user's story: a project built, saved, trimmed, copied and edited, then
// undone step by step back to its start and redone to its end through the
// menu "Edición". After every step the tree, its cells and both reports are
// what they were the first time.
#include "driver.h"
#include "mainwindow.h"
#include "projectfile.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>


class TestUndo : public QObject
{
    Q_OBJECT

    ProjectWindow *project = nullptr;
    QList<QStringList> states;

    // The project's file and both reports.
    QStringList state() const
    {
        return {QString::fromUtf8(ProjectFile::toJson(project->snapshot())),
                project->cashFlowDocument().html, project->comparisonDocument().html};
    }
    // A step was taken: one more on the stack.
    void record()
    {
        QCoreApplication::processEvents();
        states << state();
        QCOMPARE(project->undoStack()->index(), states.size() - 1);
    }
    template<class Node> Node *step(Node *made)
    {
        record();
        return made;
    }
    // Types the cells that are not empty into the node's table from row 0,
    // as a user does: Enter commits and moves down; each cell is a step.
    void fill(QTreeWidgetItem *node, const QStringList &cells)
    {
        project->tree()->setCurrentItem(node);
        QTableWidget *table = project->panelTable();
        for (int row = 0; row < cells.size(); ++row) {
            if (cells.at(row).isEmpty())
                continue;
            type(table, row, cells.at(row));
            QCOMPARE(table->currentRow(), qMin(row + 1, table->rowCount() - 1));
            record();
        }
    }

private slots:
    void storyUndoneAndRedone()
    {
        QStandardPaths::setTestModeEnabled(true);
        MainWindow main;
        main.show();
        const auto action = [&main](const char *name) {
            return main.findChild<QAction *>(QLatin1String(name));
        };
        QAction *undo = action("action_Deshacer"), *redo = action("action_Rehacer");
        action("action_Nuevo")->trigger();
        project = main.activeProject();
        project->showComparison();
        QTreeWidget *tree = project->tree();
        states = {state()};

        QTreeWidgetItem *buy = tree->topLevelItem(0);
        fill(buy, {"Compra", "5", "0.1"});
        QTreeWidgetItem *sales = step(addFlow(project, buy->child(0), 0));
        fill(sales, {"Ventas", "3500", "5", "1"});
        QCOMPARE(sales->text(1), QStringLiteral("Anualidad 3\u00A0500.00 × 5 desde 1"));
        fill(step(addFlow(project, buy->child(1), 1)), {"", "", "100"});
        QTreeWidgetItem *rent = step(addAlternative(project, "Alquiler"));
        fill(rent, {"", "", "0.08"});
        QCOMPARE(rent->text(1), QStringLiteral("N = 0, i = 0.08"));
        QTreeWidgetItem *fee = step(addFlow(project, rent->child(1), 2));
        fill(fee, {"Cuota", "900", "0.05", "4", "1"});
        QTreeWidgetItem *salvage = step(addFlow(project, rent->child(0), 3));
        fill(salvage, {"Salvamento", "25000", "0"});
        QCOMPARE(salvage->text(1), QStringLiteral("Único 25\u00A0000.00 en 0"));

        QTemporaryDir folder;
        QVERIFY(project->saveTo(folder.filePath("a.quintavo")));
        const int saved = states.size() - 1;
        QVERIFY(!project->isWindowModified());

        // Supr on a flow, then on the first alternative.
        QApplication::setActiveWindow(&main);
        tree->setFocus();
        tree->setCurrentItem(sales);
        QTest::keyClick(tree, Qt::Key_Delete);
        record();
        QCOMPARE(tree->currentItem(), buy);
        QCOMPARE(undo->text(), QStringLiteral("&Deshacer Eliminar «Ventas»"));
        tree->setCurrentItem(buy);
        QTest::keyClick(tree, Qt::Key_Delete);
        record();
        QCOMPARE(project->panelTable()->item(0, 0)->text(), QStringLiteral("Alquiler"));

        QTreeWidgetItem *copy = step(project->commands()->duplicateAlternative(rent));
        QCOMPARE(copy->text(0), QStringLiteral("Alquiler (copia)"));
        fill(copy, {"", "", "0.2"});
        QCOMPARE(copy->child(1)->child(0)->text(0), fee->text(0));
        QVERIFY(project->commands()->removeNode(fee));
        record();

        // Undone to the start, then redone to the end; saved half way.
        for (QAction *command : {undo, redo}) {
            const int by = command == undo ? -1 : 1;
            for (int k = by < 0 ? states.size() - 2 : 1; k >= 0 && k < states.size(); k += by) {
                command->trigger();
                QCoreApplication::processEvents();
                QCOMPARE(state(), states.at(k));
                QCOMPARE(project->isWindowModified(), k != saved);
            }
            QVERIFY(!command->isEnabled());
        }
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
