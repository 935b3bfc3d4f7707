// Project files: what the reader takes and refuses, seeded mutations that
// either open or say why; through the windows, nothing typed is lost on the
// way to a file and back; the unsaved-changes prompt; a failed save; a story
// undone and redone around the point it was saved.
#include "driver.h"
#include "mainwindow.h"
#include "projectfile.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>

using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(Dialogs::Answer)

static QByteArray project(const QByteArray &alternatives)
{
    return R"({"format": "quintavo-project", "version": 1, "alternatives": [)" + alternatives + "]}";
}

// Opens one more project window through "&Nuevo".
static ProjectWindow *newProject(MainWindow *main)
{
    main->findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    return main->projects().constLast();
}

class TestFiles : public QObject
{
    Q_OBJECT
    std::unique_ptr<Answers> dialogs;
    MainWindow *main = nullptr;
    QTemporaryDir folder;
    QByteArray example;

    ProjectWindow *story = nullptr; // of the undo story
    QList<QStringList> states;

    // A step was taken: one more on the stack.
    void record()
    {
        QCoreApplication::processEvents();
        states << stateOf(story);
        QCOMPARE(story->undoStack()->index(), states.size() - 1);
    }
    QTreeWidgetItem *step(QTreeWidgetItem *made) { return record(), made; }
    // Types the cells that are not empty into the node's table from row 0,
    // as a user does: Enter commits and moves down; each cell is a step.
    void typeCells(QTreeWidgetItem *node, const QStringList &cells)
    {
        story->tree()->setCurrentItem(node);
        QTableWidget *table = story->panelTable();
        for (int row = 0; row < cells.size(); ++row) {
            if (cells.at(row).isEmpty())
                continue;
            type(table, row, cells.at(row));
            QCOMPARE(table->currentRow(), qMin(row + 1, table->rowCount() - 1));
            record();
        }
    }

private slots:
    void initTestCase()
    {
        QFile doc(QStringLiteral(QUINTAVO_SOURCE_DIR "/docs/file-format.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QByteArray text = doc.readAll();
        const int start = text.indexOf("```json\n") + 8;
        example = text.mid(start, text.indexOf("```", start) - start);
        ProjectSnapshot read;
        QString reason;
        QVERIFY2(ProjectFile::fromJson(example, &read, &reason), qPrintable(reason));
        // The document shows a file exactly as Quintavo writes it: version 2
        // for its single payment, version 1 without one.
        QCOMPARE(ProjectFile::toJson(read), example);
        read.alternatives[0].expenses.removeFirst();
        QVERIFY(ProjectFile::toJson(read).endsWith("\"version\": 1\n}\n"));
    }

    void reads_data()
    {
        // "=" and the first alternative's name|horizon|rate, or a part of the reason.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("outcome");
        const QByteArray many = "{}" + QByteArray(",{}").repeated(10000);
        QTest::newRow("numbers") << project(R"({"name": 15, "horizon": 1e21})") << "=15|1e+21|";
        QTest::newRow("missing, unknown keys") << project(R"({"rate": "1%", "x": [1]})") << "=||1%";
        QTest::newRow("cut short") << QByteArray("{\n\"format\": [") << "JSON válido: unterminated array (línea 2";
        QTest::newRow("version 2") << project(R"({"name": "U", "income": [{"kind": "single", "start": 2}]})").replace("1,", "2,") << "=U||";
        QTest::newRow("newer") << project("").replace("1,", "5,") << "creado con una versión más reciente";
        QTest::newRow("true cell") << project(R"({"name": true})") << "alternativa 1, «name» no es un texto";
        QTest::newRow("not an object") << project("1") << "la alternativa 1 no es un objeto";
        QTest::newRow("too deep") << project("[[[[]]]]") << "anidado más hondo";
        QTest::newRow("too long") << project("{\"name\": \"" + QByteArray(100001, 'x') + "\"}")
                                  << "«name» pasa de 100000 caracteres";
        QTest::newRow("10001 alternatives") << project(many) << "más de 10000 alternativas";
        QTest::newRow("100011 flows") << project(R"({"income": [)" + (many + ",").repeated(10) + "{}]}")
                                      << "más de 100000 flujos";
        QTest::newRow("over 64 MiB") << project("") + QByteArray(64 << 20, ' ') << "pasa de 64 MiB";
    }

    void reads()
    {
        QFETCH(QByteArray, file); QFETCH(QString, outcome);
        ProjectSnapshot read;
        QString reason;
        if (ProjectFile::fromJson(file, &read, &reason)) {
            const AlternativeSnapshot &first = read.alternatives.at(0);
            QCOMPARE(QStringLiteral("=%1|%2|%3").arg(first.name, first.horizon, first.rate), outcome);
        } else {
            QVERIFY2(reason.contains(outcome), qPrintable(reason));
        }
    }

    void mutatedFilesOpenOrSayWhy()
    {
        const QList<QByteArray> values = {"1", "true", "null", "{}", "[{}]", "-1e999", "\"\\ud800\""};
        QRandomGenerator random(13);
        for (int i = 0; i < 3000; ++i) {
            QByteArray file = example;
            for (int step = random.bounded(1, 4); step > 0; --step) {
                const int at = random.bounded(file.size() + 1);
                const int colon = file.indexOf(": ", at) + 2;
                switch (random.bounded(4)) {
                case 0:
                    file.truncate(at);
                    break;
                case 1:
                    file.replace(at, 1, QByteArray(1, char(random.bounded(256))));
                    break;
                case 2: // a value of another type
                    if (colon > 1)
                        file.replace(colon, qMax(file.indexOf('\n', colon), colon) - colon,
                                     values.at(random.bounded(values.size())) + ',');
                    break;
                default:
                    file.insert(at, QByteArray(random.bounded(1, 3000), "[{"[random.bounded(2)]));
                }
            }
            ProjectSnapshot read;
            ProjectSnapshot again;
            QString reason;
            if (ProjectFile::fromJson(file, &read, &reason))
                QVERIFY(ProjectFile::fromJson(ProjectFile::toJson(read), &again, &reason) && again == read);
            else
                QVERIFY2(!reason.isEmpty(), file.constData());
        }
    }

    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        dialogs.reset(); // gives back the dialogs it found, then answers afresh
        dialogs = std::make_unique<Answers>();
        main = new MainWindow;
    }

    void cleanup() { delete main; }
    void savedAndOpenedAgain_data()
    {
        // Cells typed in turn from a list into two alternatives with a flow of
        // each of the first `kinds` kinds; a single payment makes it version 2, ∞ does not.
        QTest::addColumn<int>("kinds");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("every kind of flow") << 4
            << QStringList{"Planta", "10", "0.12", "Venta", "5000", "1", "", "10", "0.04", "-1"};
        QTest::newRow("no single payment, a horizon of ∞") << 3 << QStringList{"Planta", u8"\u221E", "0.12", "Venta", "5000", "1", "-1"};
        // Read as 0.12 from version 2 on: an earlier release must refuse it.
        QTest::newRow("rate in per cent") << 3 << QStringList{"Planta", "10", "12 %", "Venta", "5000", "1", "-1"};
        QTest::newRow("hostile text in every cell") << 4
            << QStringList{"<b>&amp;", "1.500,50", "12%", "\"\\", "-0", "1e999", QStringLiteral("𝄞 ñ"),
                           "   ", "0x10", QString(3000, 'x'), "{\"a\": 1}", "2147483648", ""};
    }

    void savedAndOpenedAgain()
    {
        QFETCH(int, kinds);
        QFETCH(QStringList, texts);
        ProjectWindow *typed = newProject(main);
        ProjectSnapshot project;
        int next = 0;
        auto cell = [&]() { return texts.at(next++ % texts.size()); };
        for (int a = 0; a < 2; ++a) {
            AlternativeSnapshot alternative{cell() + "a", cell(), cell(), {}, {}};
            if (a)
                addAlternative(typed, alternative.name);
            QTreeWidgetItem *node = typed->tree()->topLevelItem(a);
            fill(typed, node, {alternative.name, alternative.horizon, alternative.rate});
            for (int kind = 0; kind < kinds; ++kind) {
                const bool series = kind < 3;
                const FlowSnapshot flow{CashFlow::Kind(kind), cell(), cell(), kind && series ? cell() : QString(),
                                        series ? cell() : QString(), cell()};
                QStringList cells{flow.name, flow.amount, flow.change, flow.payments, flow.start};
                if (!series)
                    cells = QStringList{flow.name, flow.amount, flow.start};
                else if (!kind)
                    cells.removeAt(2);
                fill(typed, addFlow(typed, node->child(kind % 2), kind), cells);
                (kind % 2 ? alternative.expenses : alternative.income).append(flow);
            }
            project.alternatives.append(alternative);
        }
        QCOMPARE(typed->snapshot(), project);
        dialogs->file = folder.filePath(QStringLiteral("planta.quintavo"));
        main->findChild<QAction *>(QStringLiteral("action_Guardar"))->trigger();
        QVERIFY(dialogs->errors.isEmpty() && !typed->isWindowModified());
        QCOMPARE(typed->windowTitle(), QStringLiteral("planta.quintavo[*]"));
        const QStringList state = stateOf(typed); // the file and both reports
        QVERIFY(typed->parentWidget()->close());
        QFile written(dialogs->file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const bool second = kinds > 3 || texts.contains("12 %") || texts.contains("12%");
        QVERIFY(written.readAll().contains(second ? "\"version\": 2" : "\"version\": 1"));

        ProjectWindow *opened = main->openFile(dialogs->file);
        QVERIFY(opened && opened != typed && !opened->isWindowModified());
        QCOMPARE(stateOf(opened), state);
        // Opened again by another spelling of its path: the same window.
        QCOMPARE(main->openFile(folder.path() + QStringLiteral("/./planta.quintavo")), opened);
        QCOMPARE(main->projects().size(), 1);
        QCOMPARE(main->recentFiles(), QStringList{dialogs->file});
    }

    void unsavedChanges_data()
    {
        // Two modified projects; closing the first window, or quitting. A
        // Guardar that does not save is one whose file dialog was cancelled
        // (saved 0) or whose file cannot be written (-1): the old one stays.
        QTest::addColumn<bool>("quitting");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("saved");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("stillModified");
        using L = QList<Answer>;
        const Answer save = Answer::Save, discard = Answer::Discard, cancel = Answer::Cancel;
        QTest::newRow("close, Guardar") << false << L{save} << 1 << true << 1;
        QTest::newRow("close, Descartar") << false << L{discard} << 0 << true << 1;
        QTest::newRow("close, Cancelar") << false << L{cancel} << 0 << false << 2;
        QTest::newRow("close, no file name") << false << L{save} << 0 << false << 2;
        QTest::newRow("close, the save fails") << false << L{save} << -1 << false << 2;
        QTest::newRow("quit, Guardar, Descartar") << true << L{save, discard} << 1 << true << 0;
        QTest::newRow("quit, Descartar, Cancelar") << true << L{discard, cancel} << 0 << false << 2;
        QTest::newRow("quit, Guardar, Cancelar") << true << L{save, cancel} << 1 << false << 1;
    }

    void unsavedChanges()
    {
        QFETCH(bool, quitting); QFETCH(QList<Answer>, answers); QFETCH(int, saved); QFETCH(bool, closed);
        QFETCH(int, stillModified);
        const QList<ProjectWindow *> projects{newProject(main), newProject(main)};
        for (ProjectWindow *project : projects)
            addAlternative(project, QStringLiteral("B"));
        // The longest name a file may have leaves no room for the temporary
        // file to take it: the save fails at its very last step.
        const QString path = folder.filePath(saved < 0 ? QString(255 - 9, 'p') + ".quintavo" : "prompt.quintavo");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("antes") == 5);
        file.close();
        dialogs->file = saved ? path : QString();
        dialogs->answers = answers;

        QWidget *closing = quitting ? static_cast<QWidget *>(main) : projects.at(0)->parentWidget();
        QCOMPARE(closing->close(), closed);
        QVERIFY(dialogs->answers.isEmpty() && file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() != "antes", saved > 0);
        QCOMPARE(dialogs->errors.size(), int(saved < 0));
        QVERIFY(saved >= 0 || (dialogs->errors.at(0).contains(path) && dialogs->errors.at(0).endsWith("el nombre es demasiado largo.")));
        QCOMPARE(main->projects().size(), closed ? (quitting ? 0 : 1) : 2);
        for (ProjectWindow *project : main->projects())
            stillModified -= project->isWindowModified();
        QCOMPARE(stillModified, 0);
    }

    // A refused write names the alternative as typed, if a message is wanted at all;
    // an "&" in a file's name is no keyboard shortcut in "Abrir reciente" or "Ventana".
    void namesAsTyped()
    {
        const ProjectSnapshot tooLong{{{"Planta %1 %2", QString(100001, '9'), "0.1", {}, {}}}};
        const QString missing = folder.filePath("falta/p.quintavo");
        ProjectSnapshot read;
        QVERIFY(!ProjectFile::write(missing, {}, nullptr) && !ProjectFile::read(missing, &read, nullptr));
        QString error;
        QVERIFY(!ProjectFile::write(folder.filePath("p.quintavo"), tooLong, nullptr));
        QVERIFY(!ProjectFile::write(folder.filePath("p.quintavo"), tooLong, &error));
        QVERIFY2(error.contains("una celda de «Planta %1 %2» pasa de 100000 caracteres"), qPrintable(error));
        const QString path = folder.filePath("I&D %1.quintavo");
        QVERIFY(ProjectFile::write(path, {{{"A", "1", "0.1", {}, {}}}}, nullptr) && main->openFile(path));
        for (const QString &menu : QStringList{"menu_Abrir_reciente", "menu_Ventana"}) {
            QMenu *entries = main->findChild<QMenu *>(menu);
            emit entries->aboutToShow();
            QStringList shown;
            for (const QAction *action : entries->actions())
                shown << action->iconText(); // "&&" shown as "&"
            QVERIFY2(shown.contains(menu.endsWith("reciente") ? "1 " + QDir::toNativeSeparators(path) : "1 I&D %1.quintavo"),
                     qPrintable(shown.join('|')));
        }
    }

    void realDialogsSaveBeforeClosing()
    {
        Dialogs::setInstance(nullptr);
        ProjectWindow *project = newProject(main);
        addAlternative(project, QStringLiteral("B"));
        const QString path = folder.filePath(QStringLiteral("real"));
        whenShown(QApplication::activeModalWidget, [path](QWidget *box) {
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
                if (button->text() == QStringLiteral("Guardar"))
                    button->click();
            }
            whenShown(QApplication::activeModalWidget, [path](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                qobject_cast<QDialog *>(dialog)->accept();
            });
        });
        QVERIFY(project->parentWidget()->close());
        QVERIFY(QFile::exists(path + QStringLiteral(".quintavo")));
    }

    // One user's story: a project built, saved, trimmed, copied and edited, then
    // undone step by step back to its start and redone to its end through the
    // menu "Edición". After every step the tree, its cells and both reports are
    // what they were the first time.
    void storyUndoneAndRedone()
    {
        main->show();
        const auto action = [this](const char *name) { return main->findChild<QAction *>(QLatin1String(name)); };
        QAction *undo = action("action_Deshacer"), *redo = action("action_Rehacer");
        action("action_Nuevo")->trigger();
        story = main->activeProject();
        story->showComparison();
        QTreeWidget *tree = story->tree();
        states = {stateOf(story)};

        QTreeWidgetItem *buy = tree->topLevelItem(0);
        typeCells(buy, {"Compra", "5", "0.1"});
        QTreeWidgetItem *sales = step(addFlow(story, buy->child(0), 0));
        typeCells(sales, {"Ventas", "3500", "5", "1"});
        QCOMPARE(sales->text(1), QStringLiteral("Anualidad 3\u00A0500.00 × 5 desde 1"));
        typeCells(step(addFlow(story, buy->child(1), 1)), {"", "", "100"});
        QTreeWidgetItem *rent = step(addAlternative(story, "Alquiler"));
        typeCells(rent, {"", "", "0.08"});
        QCOMPARE(rent->text(1), QStringLiteral("N = 0, i = 0.08"));
        QTreeWidgetItem *fee = step(addFlow(story, rent->child(1), 2));
        typeCells(fee, {"Cuota", "900", "0.05", "4", "1"});
        QTreeWidgetItem *salvage = step(addFlow(story, rent->child(0), 3));
        typeCells(salvage, {"Salvamento", "25000", "0"});
        QCOMPARE(salvage->text(1), QStringLiteral("Único 25\u00A0000.00 en 0"));

        QVERIFY(story->saveTo(folder.filePath("a.quintavo")));
        const int saved = states.size() - 1; // not modified, as savedAndOpenedAgain checks

        // Supr on a flow, then on the first alternative.
        QApplication::setActiveWindow(main);
        tree->setFocus();
        tree->setCurrentItem(sales);
        QTest::keyClick(tree, Qt::Key_Delete);
        record();
        QCOMPARE(tree->currentItem(), buy);
        QCOMPARE(undo->text(), QStringLiteral("&Deshacer Eliminar «Ventas»"));
        tree->setCurrentItem(buy);
        QTest::keyClick(tree, Qt::Key_Delete);
        record();
        QCOMPARE(story->panelTable()->item(0, 0)->text(), QStringLiteral("Alquiler"));

        QTreeWidgetItem *copy = step(story->commands()->duplicateAlternative(rent));
        typeCells(copy, {"", "", "0.2"});
        QCOMPARE(copy->child(1)->child(0)->text(0), fee->text(0));
        QVERIFY(story->commands()->removeNode(fee));
        record();

        // Undone to the start, then redone to the end; saved half way.
        for (QAction *command : {undo, redo}) {
            const int by = command == undo ? -1 : 1;
            for (int k = by < 0 ? states.size() - 2 : 1; k >= 0 && k < states.size(); k += by) {
                command->trigger();
                QCoreApplication::processEvents();
                QCOMPARE(stateOf(story), states.at(k));
                QCOMPARE(story->isWindowModified(), k != saved);
            }
            QVERIFY(!command->isEnabled());
        }
    }
};

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
