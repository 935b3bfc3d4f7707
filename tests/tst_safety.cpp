// Nothing lost: a project killed with unsaved changes comes back from its
// recovery copy, a copy is never half written, a save that fails says why in
// Spanish and keeps the project and the old file, and a file open in another
// window is not overwritten. The crashes are real: this executable runs
// itself as the child that is killed.
#include "driver.h"
#include "fileplaces.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "recoverydialog.h"
#include "recoverystore.h"
#include "recoverywriter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList copiesIn(const QString &folder)
{
    return QDir(folder).entryList({"*.quintavo"}, QDir::Files);
}

// Runs the event loop until `done` holds, 20 s at most.
bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return done();
}

// A window's project, both reports, its title and whether it is modified.
QString stateText(ProjectWindow *w)
{
    return stateOf(w).join("\n--\n") + "\n--\n" + w->windowTitle() + (w->isWindowModified() ? " *" : "");
}

// Child: types a project into a new window of the real main window, waits
// until its recovery copy holds all of it, writes its state to `out`, says
// "ready" and waits to be killed.
int typeAndWait(const QString &out)
{
    RecoveryWriter::setInterval(300);
    MainWindow main;
    main.show();
    main.findChild<QAction *>("action_Nuevo")->trigger();
    ProjectWindow *w = main.activeProject();
    QTreeWidgetItem *x = w->tree()->topLevelItem(0);
    addFlow(w, x, "ES|Compra|10000|0");
    fill(w, x, {"Máquina X", "3", "10 %"});
    addFlow(w, x, "IU|Ahorro|4500|3|1");
    QTreeWidgetItem *y = addAlternative(w, "Máquina Y");
    fill(w, y, {QString(), "-2", ""});
    addFlow(w, y, "EA|Uso|=1+1|50|3|");
    const QString folder = main.recoveryStore()->folder();
    const bool copied = waitFor([&]() {
        ProjectSnapshot copy;
        const QStringList files = copiesIn(folder);
        return files.size() == 1 && ProjectFile::read(QDir(folder).filePath(files.first()), &copy, nullptr)
            && copy == w->snapshot();
    });
    if (!copied || !writeText(out, stateText(w)))
        return 1;
    printf("ready\n");
    fflush(stdout);
    return QCoreApplication::exec();
}

// Child: recovers what a killed run left, writes the recovered window's
// state and the rows offered to `out`, and ends normally.
int recover(const QString &out)
{
    MainWindow main;
    main.show();
    Answers answers;
    answers.recovery = Dialogs::Recovery::Recover;
    main.recoverProjects();
    ProjectWindow *w = main.activeProject();
    if (!w || main.projects().size() != 1)
        return 1;
    QString offered;
    for (const QStringList &row : answers.offered)
        offered += row.mid(0, 2).join(" | ") + "\n";
    if (!writeText(out, stateText(w)) || !writeText(out + ".offered", offered))
        return 1;
    main.recoveryStore()->waitForDone();
    w->discardChanges();
    return 0;
}

// Child: writes copies of a large project into `folder` without end.
int churn(const QString &folder)
{
    RecoveryStore store(nullptr, folder);
    ProjectSnapshot project;
    for (int a = 0; a < 300; ++a) {
        AlternativeSnapshot alternative{QString("Alternativa %1 ").arg(a) + QString(200, 'x'), "10", "0.1", {}, {}};
        for (int f = 0; f < 20; ++f)
            alternative.income.append({CashFlow::Uniform, QString(100, 'f'), "1000", "", "10", "1"});
        project.alternatives.append(alternative);
    }
    const QString path = store.newCopyPath();
    for (int round = 0;; ++round) {
        project.alternatives.first().horizon = QString::number(round);
        store.write(path, project, QString(), "Grande");
        store.waitForDone();
        if (round == 0) {
            printf("writing\n");
            fflush(stdout);
        }
    }
}

// Child: saves a small project to `path` within a file-size limit of
// `limit` bytes (0: none); prints the errors shown, fails if it was saved
// or is no longer modified.
int save(const QString &path, qint64 limit)
{
    if (limit > 0) {
        signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
        rlimit size{};
        getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &size);
    }
    Answers answers;
    ProjectWindow w;
    addFlow(&w, w.tree()->topLevelItem(0), "IU|Venta|1000|5|1");
    const bool saved = w.saveTo(path);
    printf("%s\n", qPrintable(answers.errors.join("\n")));
    return saved || !w.isWindowModified() ? 1 : 0;
}

} // namespace

class TestSafety : public QObject
{
    Q_OBJECT

    QTemporaryDir home;

    // This executable in a child mode, with data and settings folders of its own.
    void start(QProcess *child, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(child->waitForStarted());
    }

    static void waitForLine(QProcess *child, const QByteArray &line)
    {
        QElapsedTimer clock;
        clock.start();
        while (!child->canReadLine() && child->state() == QProcess::Running && clock.elapsed() < 120000)
            child->waitForReadyRead(1000);
        QCOMPARE(child->readLine().trimmed(), line);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QVERIFY(home.isValid());
    }

    // Typed, copied, killed with SIGKILL: the next run offers the copy and
    // recovers the tree, the cells and both reports as typed.
    void crashAndRecover()
    {
        QProcess first;
        start(&first, {"type", home.filePath("typed")});
        waitForLine(&first, "ready");
        const QString folder = home.filePath("data/") + QCoreApplication::applicationName() + "/recovery";
        QCOMPARE(copiesIn(folder).size(), 1);
        // Another run does not take the copies of one that is still running.
        QCOMPARE(RecoveryStore(nullptr, folder).claimOrphans().size(), 0);
        first.kill();
        QVERIFY(first.waitForFinished());

        QProcess second;
        start(&second, {"recover", home.filePath("recovered")});
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(second.exitCode(), 0);
        const QString typed = readText(home.filePath("typed"));
        QVERIFY(typed.contains("Máquina Y") && typed.endsWith("Proyecto[*] *"));
        QCOMPARE(readText(home.filePath("recovered")), typed);
        QCOMPARE(readText(home.filePath("recovered.offered")), "Proyecto (Máquina X, Máquina Y) | sin guardar\n");
        QCOMPARE(copiesIn(folder), QStringList()); // ended normally: nothing left to offer
    }

    // Killed in the middle of writing a copy (stopped until the file it
    // writes is seen open), the previous copy is whole; the next run clears what
    // the write left unfinished.
    void killedWhileWriting()
    {
        const QString folder = home.filePath("churn");
        for (int round = 0; round < 2; ++round) {
            QProcess child;
            start(&child, {"churn", folder});
            waitForLine(&child, "writing");
            const auto pid = pid_t(child.processId());
            bool caught = false;
            for (int look = 0; look < 20000 && !caught; ++look) {
                QThread::usleep(300 + 97 * (look % 13));
                kill(pid, SIGSTOP);
                // QSaveFile's new file, nameless or not, is open in the folder.
                const QString fds = QString("/proc/%1/fd/").arg(pid);
                for (const QString &fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
                    char target[4096] = {};
                    const ssize_t size = readlink(QFile::encodeName(fds + fd).constData(), target, sizeof target - 1);
                    const QString file = QFile::decodeName(QByteArray(target, int(qMax<ssize_t>(size, 0))));
                    caught = caught || (file.startsWith(folder + '/') && !file.endsWith(".lock"));
                }
                kill(pid, caught ? SIGKILL : SIGCONT);
            }
            if (!caught)
                child.kill();
            QVERIFY(caught);
            QVERIFY(child.waitForFinished());
            const QStringList copies = copiesIn(folder);
            QCOMPARE(copies.size(), 1);
            ProjectSnapshot project;
            QString error;
            QVERIFY2(ProjectFile::read(QDir(folder).filePath(copies.first()), &project, &error), qPrintable(error));
            QCOMPARE(project.alternatives.size(), 300);
            RecoveryStore next(nullptr, folder);
            const QVector<RecoveryStore::Copy> offered = next.claimOrphans();
            QVERIFY(offered.size() == 1 && offered.first().name == "Grande");
            next.discard(offered.first());
            next.release();
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
        }
    }

    // Each failure says the file and its cause in Spanish; the project stays
    // modified and a file that was there keeps its content.
    void saveFails_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("limit"); // bytes a file may take
        QTest::addColumn<QString>("cause");
        QTest::newRow("no folder") << "falta/p.quintavo" << qint64(0) << "la carpeta «%1/falta» no existe";
        QTest::newRow("read-only folder") << "solo-lectura/p.quintavo" << qint64(0)
                                          << "no hay permiso de escritura en la carpeta «%1/solo-lectura»";
        QTest::newRow("full disk") << "lleno/p.quintavo" << qint64(100) << "el disco está lleno";
    }

    void saveFails()
    {
        QFETCH(QString, file); QFETCH(qint64, limit); QFETCH(QString, cause);
        QTemporaryDir dir;
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const QString path = dir.filePath(file);
        const QString folder = QFileInfo(path).absolutePath();
        if (!file.startsWith("falta")) {
            QVERIFY(QDir().mkpath(folder) && writeText(path, "antes"));
            QFile::setPermissions(folder, QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadOwner
                                              | QFileDevice::ExeOwner | (limit ? QFileDevice::WriteOwner | QFileDevice::WriteOther
                                                                               : QFileDevice::Permissions()));
        }
        QProcess child;
        // Permissions bind the superuser only after it becomes somebody else.
        if (geteuid() == 0 && !limit)
            child.setChildProcessModifier([]() { (void)!setgid(65534); (void)!setuid(65534); });
        start(&child, {"save", path, QString::number(limit)});
        QVERIFY(child.waitForFinished(120000));
        const QString said = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(said, QString("No se pudo guardar «%1»: %2.").arg(path, QString(cause).replace("%1", dir.path())));
        if (!file.startsWith("falta"))
            QCOMPARE(readText(path), "antes");
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), file.startsWith("falta") ? 0 : 1);
    }

    // "Guardar como" onto a file that another window has open writes nothing.
    void fileOpenElsewhere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.quintavo");
        QVERIFY(ProjectFile::write(path, {{{"A", "1", "0.1", {}, {}}}}, nullptr));
        const QString before = readText(path);
        Answers answers;
        MainWindow main;
        QVERIFY(main.openFile(path));
        main.findChild<QAction *>("action_Nuevo")->trigger();
        answers.file = path;
        main.findChild<QAction *>("action_Guardar_como")->trigger();
        QCOMPARE(answers.errors, QStringList{QString("No se guardó «%1»: está abierto en la ventana «a.quintavo». "
                                                     "Ciérrela o guarde con otro nombre.").arg(path)});
        QCOMPARE(readText(path), before);
        QCOMPARE(main.activeProject()->filePath(), QString());
    }

    // The dialog's buttons as the user presses them; closing it keeps the copies.
    void recoveryDialog()
    {
        RecoveryDialog dialog({{"Proyecto (A)", "sin guardar", "7/12/26 23:00"}});
        QCOMPARE(dialog.findChild<QTreeWidget *>("copies")->topLevelItemCount(), 1);
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            button->click();
            QCOMPARE(dialog.result(), int(button->text() == "Recuperar" ? RecoveryDialog::Recover : RecoveryDialog::Discard));
        }
        dialog.reject();
        QCOMPARE(dialog.result(), int(RecoveryDialog::Later));
    }

    // The first "Guardar" proposes the first alternative's name in a folder that exists.
    void firstSaveProposal()
    {
        Answers answers;
        ProjectWindow w;
        fill(&w, w.tree()->topLevelItem(0), {"Planta: norte/sur"});
        QTemporaryDir dir;
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString fallback = QFileInfo(documents).isDir() ? documents : QDir::homePath();
        for (const QString &last : {dir.filePath("x.quintavo"), dir.filePath("gone/x.quintavo"), QString()}) {
            QSettings().remove("lastFolder");
            FilePlaces::remember(last);
            QVERIFY(!w.save()); // cancelled
            const QString folder = last == dir.filePath("x.quintavo") ? dir.path() : fallback;
            QCOMPARE(answers.proposed, QDir(folder).filePath("Planta- norte-sur.quintavo"));
        }
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == "type")
        return typeAndWait(arguments.value(2));
    if (mode == "recover")
        return recover(arguments.value(2));
    if (mode == "churn")
        return churn(arguments.value(2));
    if (mode == "save")
        return save(arguments.value(2), arguments.value(3).toLongLong());
    TestSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_safety.moc"
