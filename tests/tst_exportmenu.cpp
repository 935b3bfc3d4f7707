// The export and print commands of "Archivo", through the main window: when
// they are offered, what the files they write hold, a failed export, and the
// Spanish of Qt's file dialog.
#include "dialogs.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "projectwindow.h"
#include "standardtexts.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QAction>
#include <QPrinter>
#include <QtTest>

// Answers the menu's dialogs with one file and keeps the errors shown.
struct Answers : Dialogs
{
    QString file;
    QStringList errors;
    QString exportFileName(QWidget *, const QString &) override { return file; }
    QString csvFileName(QWidget *) override { return file; }
    bool print(QWidget *, QPrinter *printer) override { printer->setOutputFileName(file); return true; }
    void error(QWidget *, const QString &message) override { errors << message; }
};

class TestExportMenu : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // One project, "Planta Ñandú" (N = 3, i = 0.1) and "Compra" (N = 2): sales of 1500 in the
    // periods 1..3, upkeep of 200, 250, 300 in the periods 0..2. `expected`: the CSV's lines after
    // its header, or texts the PDF holds (present worths discounted by hand); none for a failure.
    void menu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("enabled"); // export, CSV, print
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("cells"); // the window's cell limit, 0 for its own
        QTest::newRow("no report") << "" << "action_Exportar" << "nada.pdf" << "000" << QStringList() << 0;
        QTest::newRow("cash flows to PDF") << "pbVisualizar" << "action_Exportar" << "informe.pdf" << "111"
            << QStringList{"Planta Ñandú", "Mantenimiento", "Compra", "1 500.00", "-200.00", "1 250.00"} << 0;
        QTest::newRow("cash flows to CSV") << "pbVisualizar" << "action_Exportar_csv" << "flujos.csv" << "111"
            << QStringList{"Planta Ñandú,Ventas,0,1500,1500,1500", "Planta Ñandú,Mantenimiento,200,250,300,0",
                           "Planta Ñandú,Total,-200,1250,1200,1500", "Compra,Ventas,0,1500,1500,", "Compra,Total,0,1500,1500,"} << 0;
        // The periods "Visualizar" shows within the window's limit: 6 cells for Compra, 4 for Planta.
        QTest::newRow("cash flows to CSV, cut") << "pbVisualizar" << "action_Exportar_csv" << "cortos.csv" << "111"
            << QStringList{"Planta Ñandú,Ventas,0,", "Planta Ñandú,Mantenimiento,200,", "Planta Ñandú,Total,-200,",
                           "Compra,Ventas,0,1500", "Compra,Total,0,1500"} << 12;
        QTest::newRow("comparison printed") << "pbComparar" << "action_Imprimir" << "impreso.pdf" << "101"
            << QStringList{"Planta Ñandú", "Compra", "3 730.28", "675.21", "3 055.07"} << 0;
        QTest::newRow("folder missing") << "pbComparar" << "action_Exportar" << "falta/i.pdf" << "101" << QStringList() << 0;
    }

    void menu()
    {
        QFETCH(QString, button);
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QString, enabled);
        QFETCH(QStringList, expected);
        QFETCH(int, cells);
        QStandardPaths::setTestModeEnabled(true);
        const FlowSnapshot sales{CashFlow::Uniform, "Ventas", "1500", "", "3", "1"};
        const FlowSnapshot upkeep{CashFlow::Arithmetic, "Mantenimiento", "200", "50", "3", "0"};
        QVERIFY(ProjectFile::write(dir.filePath("p.quintavo"), {{{"Planta Ñandú", "3", "0.1", {sales}, {upkeep}},
                                                                 {"Compra", "2", "0.08", {sales}, {}}}}, nullptr));
        MainWindow main;
        ProjectWindow *project = main.openFile(dir.filePath("p.quintavo"));
        if (cells)
            project->setCellLimit(cells);
        if (!button.isEmpty())
            project->findChild<QAbstractButton *>(button)->click();
        QString offered;
        for (const char *name : {"action_Exportar", "action_Exportar_csv", "action_Imprimir"})
            offered += main.findChild<QAction *>(name)->isEnabled() ? '1' : '0';
        QCOMPARE(offered, enabled);
        Answers answers;
        answers.file = dir.filePath(file);
        Dialogs::setInstance(&answers);
        main.findChild<QAction *>(action)->trigger(); // even a disabled one
        Dialogs::setInstance(nullptr);
        const bool fails = file.startsWith("falta"); // then one error, naming the file
        QVERIFY(answers.errors.size() == fails && answers.errors.join("").contains(QDir::toNativeSeparators(answers.file)) == fails);
        QCOMPARE(QFile::exists(answers.file), !expected.isEmpty());
        QProcess reader; // "cat file -" ends at the closed input
        reader.start(file.endsWith("csv") ? "cat" : "pdftotext", {answers.file, "-"});
        reader.closeWriteChannel();
        reader.waitForFinished();
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        if (file.endsWith("csv"))
            QCOMPARE(text.split("\r\n", Qt::SkipEmptyParts).mid(1), expected);
        for (const QString &probe : expected)
            QVERIFY2(text.simplified().contains(probe), qPrintable(text));
        main.findChild<QAction *>("action_Nuevo")->trigger(); // the actions follow the active project
        QVERIFY(!main.findChild<QAction *>("action_Exportar")->isEnabled());
        project->discardChanges();
    }

    // The export dialog's "Tipo" column calls a folder "Carpeta", as it did on Qt 5.
    void folderType()
    {
        StandardTexts texts;
        QVERIFY(!texts.isEmpty());
        QCoreApplication::installTranslator(&texts);
        const QString type = QAbstractFileIconProvider().type(QFileInfo(dir.path()));
        QCoreApplication::removeTranslator(&texts);
        QCOMPARE(type, QStringLiteral("Carpeta"));
    }
};

QTEST_MAIN(TestExportMenu)
#include "tst_exportmenu.moc"
