// Project files through the windows: saved and opened again, nothing typed
// is lost; the unsaved-changes prompt; failed saves; files already open.
#include "dialogs.h"
#include "flowitem.h"
#include "guidriver.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "projectwindow.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace GuiDriver;
using Answer = Dialogs::Answer;

Q_DECLARE_METATYPE(ProjectSnapshot)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

// Answers every question at once, as the test says, and keeps the errors.
class Answers : public Dialogs
{
public:
    QList<Answer> answers;
    QString saveName;
    QStringList errors;

    Answer unsavedChanges(QWidget *, const QString &) override
    {
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &) override { return saveName; }
    void error(QWidget *, const QString &message) override { errors << message; }
};

QStringList cellsOf(const FlowSnapshot &flow)
{
    if (flow.kind == FlowSnapshot::Kind::Uniform)
        return {flow.name, flow.amount, flow.payments, flow.start};
    return {flow.name, flow.amount, flow.change, flow.payments, flow.start};
}

// Builds `project` in `window` through its commands, typing every cell.
void type(ProjectWindow *window, const ProjectSnapshot &project)
{
    for (int i = 0; i < project.alternatives.size(); ++i) {
        const AlternativeSnapshot &alternative = project.alternatives.at(i);
        if (i > 0)
            window->addAlternative(alternative.name);
        QTreeWidgetItem *node = window->tree()->topLevelItem(i);
        fillCells(window, node, {alternative.name, alternative.horizon, alternative.rate});
        for (int g = 0; g < 2; ++g) {
            for (const FlowSnapshot &flow : g == 0 ? alternative.income : alternative.expenses)
                fillCells(window, window->addFlow(node->child(g), int(flow.kind)), cellsOf(flow));
        }
    }
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void savedAndOpenedAgain_data();
    void savedAndOpenedAgain();
    void unsavedChanges_data();
    void unsavedChanges();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void openFilesAndRecentFiles();
    void realDialogsSaveBeforeClosing();

private:
    Answers dialogs;
    MainWindow *main = nullptr;
    QTemporaryDir folder;
};

void TestFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(folder.isValid());
}

void TestFiles::init()
{
    dialogs = Answers();
    Dialogs::setInstance(&dialogs);
    QSettings().clear();
    main = new MainWindow;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void TestFiles::cleanup()
{
    delete main;
    Dialogs::setInstance(nullptr);
}

void TestFiles::savedAndOpenedAgain_data()
{
    QTest::addColumn<ProjectSnapshot>("project");
    QFile doc(QStringLiteral(QUINTAVO_SOURCE_DIR "/docs/file-format.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const int start = text.indexOf("```json\n") + 8;
    ProjectSnapshot example;
    QString reason;
    QVERIFY(ProjectFile::fromJson(text.mid(start, text.indexOf("```", start) - start), &example,
                                  &reason));
    QTest::newRow("every kind of flow") << example;

    const QStringList hostile = {"<b>&amp;</b>", "1.500,50", "12%", "\"\\", "-0", "1e999",
                                 QStringLiteral("𝄞 ñ"), "   ", "0x10", QString(3000, 'x'),
                                 "{\"a\": [1]}", "2147483648", ""};
    ProjectSnapshot wild;
    int next = 0;
    auto cell = [&]() { return hostile.at(next++ % hostile.size()); };
    for (int a = 0; a < 2; ++a) {
        AlternativeSnapshot alternative{cell() + "a", cell(), cell(), {}, {}};
        for (int kind = 0; kind < 3; ++kind) {
            FlowSnapshot flow{FlowSnapshot::Kind(kind), cell(), cell(), kind ? cell() : QString(),
                              cell(), cell()};
            (kind % 2 ? alternative.expenses : alternative.income).append(flow);
        }
        wild.alternatives.append(alternative);
    }
    QTest::newRow("hostile text in every cell") << wild;
}

void TestFiles::savedAndOpenedAgain()
{
    QFETCH(ProjectSnapshot, project);
    ProjectWindow *typed = newProject(main);
    type(typed, project);
    QCOMPARE(typed->snapshot(), project);
    QVERIFY(typed->isWindowModified());

    dialogs.saveName = folder.filePath(QStringLiteral("planta.quintavo"));
    main->findChild<QAction *>(QStringLiteral("action_Guardar"))->trigger();
    QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join('\n')));
    QVERIFY(!typed->isWindowModified());
    QCOMPARE(typed->windowTitle(), QStringLiteral("planta.quintavo[*]"));
    const QString cashFlows = typed->cashFlowDocument();
    const QString comparison = typed->comparisonDocument();
    QVERIFY(qobject_cast<QMdiSubWindow *>(typed->parentWidget())->close());

    ProjectWindow *opened = main->openFile(dialogs.saveName);
    QVERIFY(opened && opened != typed);
    QCOMPARE(opened->snapshot(), project);
    QVERIFY(!opened->isWindowModified());
    QCOMPARE(opened->cashFlowDocument(), cashFlows);
    QCOMPARE(opened->comparisonDocument(), comparison);
}

void TestFiles::unsavedChanges_data()
{
    // Two modified projects; closing the first window, or quitting.
    QTest::addColumn<bool>("quitting");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveCancelled");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("stillModified");
    using L = QList<Answer>;
    QTest::newRow("close, Guardar") << false << L{Answer::Save} << false << true << true << 1;
    QTest::newRow("close, Descartar") << false << L{Answer::Discard} << false << true << false << 1;
    QTest::newRow("close, Cancelar") << false << L{Answer::Cancel} << false << false << false << 2;
    QTest::newRow("close, no file name") << false << L{Answer::Save} << true << false << false << 2;
    QTest::newRow("quit, Guardar, Descartar")
        << true << L{Answer::Save, Answer::Discard} << false << true << true << 0;
    QTest::newRow("quit, Descartar, Cancelar")
        << true << L{Answer::Discard, Answer::Cancel} << false << false << false << 2;
    QTest::newRow("quit, Guardar, Cancelar")
        << true << L{Answer::Save, Answer::Cancel} << false << false << true << 1;
    QTest::newRow("quit, no file name") << true << L{Answer::Save} << true << false << false << 2;
}

void TestFiles::unsavedChanges()
{
    QFETCH(bool, quitting);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveCancelled);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    QFETCH(int, stillModified);
    const QList<ProjectWindow *> projects{newProject(main), newProject(main)};
    for (ProjectWindow *project : projects)
        project->addAlternative(QStringLiteral("B"));
    const QString path = folder.filePath(QStringLiteral("prompt.quintavo"));
    QFile::remove(path);
    dialogs.saveName = saveCancelled ? QString() : path;
    dialogs.answers = answers;

    QWidget *closing = quitting ? static_cast<QWidget *>(main) : projects.at(0)->parentWidget();
    QCOMPARE(closing->close(), closed);
    QVERIFY(dialogs.answers.isEmpty());
    QCOMPARE(QFile::exists(path), saved);
    int modified = 0;
    for (ProjectWindow *project : main->projects())
        modified += project->isWindowModified();
    QCOMPARE(modified, stillModified);
    QCOMPARE(main->projects().size(), quitting ? (closed ? 0 : 2) : (closed ? 1 : 2));
}

void TestFiles::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("missing folder") << "falta/planta.quintavo" << QByteArray("-");
    // The longest name a file may have leaves no room for a temporary one.
    QTest::newRow("no room beside it") << QString(255 - 9, 'p') + ".quintavo" << QByteArray("antes");
}

void TestFiles::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, before);
    const QString path = folder.filePath(name);
    QFile old(path);
    QCOMPARE(old.open(QIODevice::WriteOnly) && old.write("antes") == 5, before == "antes");
    old.close();
    ProjectWindow *project = newProject(main);
    project->setFilePath(path);
    project->addAlternative(QStringLiteral("B"));
    QVERIFY(!project->save());
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY2(dialogs.errors.at(0).contains(QFileInfo(path).fileName()), qPrintable(dialogs.errors.at(0)));
    QVERIFY(project->isWindowModified());
    QCOMPARE(old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray("-"), before);
}

void TestFiles::openFilesAndRecentFiles()
{
    const QStringList paths{folder.filePath(QStringLiteral("a.quintavo")),
                            folder.filePath(QStringLiteral("b.quintavo"))};
    for (const QString &path : paths) {
        dialogs.saveName = path;
        QVERIFY(newProject(main)->saveAs());
    }
    QCOMPARE(main->recentFiles(), (QStringList{paths.at(1), paths.at(0)}));
    ProjectWindow *first = main->projects().at(0);
    QCOMPARE(main->openFile(folder.path() + QStringLiteral("/./a.quintavo")), first);
    QCOMPARE(main->activeProject(), first);
    QCOMPARE(main->projects().size(), 2);
    QCOMPARE(main->recentFiles(), paths);

    QVERIFY(QFile::remove(paths.at(1)));
    QMenu *recent = main->findChild<QMenu *>(QStringLiteral("menu_Abrir_reciente"));
    recent->actions().at(1)->trigger();
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(main->recentFiles(), QStringList{paths.at(0)});
    QCOMPARE(recent->actions().size(), 1);
    QCOMPARE(main->projects().size(), 2);
}

void TestFiles::realDialogsSaveBeforeClosing()
{
    Dialogs::setInstance(nullptr);
    ProjectWindow *project = newProject(main);
    project->addAlternative(QStringLiteral("B"));
    const QString path = folder.filePath(QStringLiteral("real"));
    whenModalOpens([path](QWidget *box) {
        for (QAbstractButton *button : box->findChildren<QAbstractButton *>()) {
            if (button->text() == QStringLiteral("Guardar")) {
                button->click();
                break;
            }
        }
        whenModalOpens([path](QWidget *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            qobject_cast<QDialog *>(dialog)->accept();
        });
    });
    QVERIFY(project->parentWidget()->close());
    QVERIFY(QFile::exists(path + QStringLiteral(".quintavo")));
    QCOMPARE(main->projects().size(), 0);
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
