// Reports written to PDF, ODF and HTML, and flows to CSV; the export and print
// commands of "Archivo", through the main window: when they are offered, what
// the files they write hold, a failed export, and the Spanish of Qt's file dialog.
#include "cashflowreport.h"
#include "comparisonreport.h"
#include "driver.h"
#include "flowscsv.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "reportexport.h"
#include "standardtexts.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QAction>
#include <QtTest>
#include <QTextDocument>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void write_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("probes"); // "command ~ what its output holds"
        const QString pdf = "pdftotext %1 - ~ Planta\\s+Ñandú(\\s+1234.5){%2}\\s(?!1234)";
        QTest::newRow("pdf portrait") << "informe.pdf" << 3 << QStringList{
            "pdfinfo %1 ~ Pages: +1\\s", "pdfinfo %1 ~ size: +595.* x 842", "pdfimages -list %1 ~ image", pdf};
        // Wider than a landscape page: shrunk to fit, no figure cut off.
        QTest::newRow("pdf shrunk") << "informe.pdf" << 40 << QStringList{"pdfinfo %1 ~ size: +842 x 595", pdf};
        const QString content = "unzip -p %1 content.xml ~ ";
        QTest::newRow("odt") << "Informe.ODT" << 3 << QStringList{"unzip -l %1 ~ Pictures/",
            content + "paragraph-properties[^>]*background-color=\"#86bcff\"",
            content + "Planta Ñandú(.*1234.5){%2}(?!.*1234)"};
        QTest::newRow("html") << "informe.htm" << 3 << QStringList{
            "cat %1 ~ Planta Ñandú(.*1234.5){%2}(?!.*1234).*src=\"informe_archivos/imagen-1.png\""};
        // Failures name the file and leave the earlier one whole.
        QTest::newRow("no such folder") << "falta/informe.pdf" << 0 << QStringList();
        QTest::newRow("image folder taken") << "viejo.html" << 0 << QStringList{"viejo_archivos"};
    }

    void write()
    {
        QFETCH(QString, file); QFETCH(int, columns); QFETCH(QStringList, probes);
        const QString name = dir.filePath(file);
        for (const QString &path : {name, dir.filePath(columns ? "" : probes.value(0))}) {
            QFile earlier(path);
            if (earlier.open(QIODevice::WriteOnly))
                earlier.write("anterior");
        }
        // A banded row of a name and the figures, and a 300 x 100 picture.
        QTextDocument document;
        QImage image(300, 100, QImage::Format_RGB32);
        image.fill(Qt::red);
        document.addResource(QTextDocument::ImageResource, QUrl("diagrama"), image);
        document.setHtml("<table border=1><tr style=\"background-color:#86BCFF\"><td>Planta Ñandú</td>"
                         + QString("<td style=\"white-space:nowrap\">1234.5</td>").repeated(columns) + "</tr></table><img src=diagrama>");
        const QString message = ReportExport::write(document, name);
        QCOMPARE(message.contains(QDir::toNativeSeparators(name)), !columns);
        QCOMPARE(!QFile::exists(name) || run("cat", {name}) == "anterior", !columns);
        if (file.endsWith(".htm"))
            QCOMPARE(QImage(dir.filePath("informe_archivos/imagen-1.png")).size(), QSize(300, 100));
        for (int p = 0; p < probes.size() && columns; ++p) {
            QStringList command = probes[p].section(" ~ ", 0, 0).replace("%1", name).split(' ');
            const QString output = run(command.takeFirst(), command).simplified();
            QVERIFY2(output.contains(QRegularExpression(probes[p].section(" ~ ", 1).replace("%2", QString::number(columns)))),
                     qPrintable(probes[p] + "\n" + output));
        }
    }

    // Reports too wide for a portrait page print on a landscape one, each figure
    // whole (Qt breaks "1 234 567.50" after a space or the point): 9 periods, or 7 alternatives.
    void wideReports()
    {
        for (const int alternatives : {1, 7}) {
            ProjectFigures project;
            for (int a = 0; a < alternatives; ++a)
                project.alternatives.append({"A", 9, 0.1, false, {{"Ventas", {CashFlow::Uniform, 1234567.5, 0, 9, 1}}}, {}});
            const ReportDocument report = alternatives == 1 ? CashFlowReport::document(project, 480)
                                                            : ComparisonReport::document(project, 480);
            QTextDocument document;
            for (const auto &image : report.images)
                document.addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
            document.setHtml(report.html);
            const QString name = dir.filePath("ancho.pdf");
            QCOMPARE(ReportExport::write(document, name), QString());
            QVERIFY(run("pdfinfo", {name}).contains(QRegularExpression("size: +842 x 595")));
            const QString text = run("pdftotext", {name, "-"}).simplified();
            // The flow and the Total of each period; VPI, VPN of each alternative, the sentence and
            // the first increment.
            QVERIFY2(text.count(alternatives == 1 ? "1 234 567.50" : "7 109 903.64") == 18 - 2 * (alternatives == 7), qPrintable(text));
        }
    }

    // One project, "Planta Ñandú" (N = 3, i = 0.1) and "Compra" (N = 2): sales of 1500 in the
    // periods 1..3, upkeep of 200, 250, 300 in the periods 0..2. `expected`: the CSV's lines after
    // its header, or texts the PDF holds (present worths discounted by hand); none for a failure.
    void menu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("enabled"); // export, CSV, print, workbook
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("cells"); // the window's cell limit, 0 for its own
        QTest::newRow("opened: Comparar") << "" << "action_Exportar" << "abierto.pdf" << "1011" << QStringList{"Compra", "3 730.28"} << 0;
        QTest::newRow("cash flows to PDF") << "pbVisualizar" << "action_Exportar" << "informe.pdf" << "1111"
            << QStringList{"«p» — " + QDate::currentDate().toString("dd/MM/yyyy"), "Planta Ñandú: N = 3, i = 0.1",
                           "Compra: N = 2, i = 0.08", "Mantenimiento", "1 500.00", "-200.00", "1 250.00"} << 0;
        QTest::newRow("comparison to HTML") << "pbComparar" << "action_Exportar" << "informe.html" << "1011"
            << QStringList{"<title>p</title>", "Compra: N = 2, i = 0.08"} << 0;
        QTest::newRow("cash flows to CSV") << "pbVisualizar" << "action_Exportar_csv" << "flujos.csv" << "1111"
            << QStringList{"Planta Ñandú,Ventas,Ingreso,0,1500,1500,1500", "Planta Ñandú,Mantenimiento,Egreso,-200,-250,-300,0",
                           "Planta Ñandú,Total,,-200,1250,1200,1500", "Compra,Ventas,Ingreso,0,1500,1500,", "Compra,Total,,0,1500,1500,"} << 0;
        // The periods "Visualizar" shows within the window's limit: 6 cells for Compra, 4 for Planta.
        QTest::newRow("cash flows to CSV, cut") << "pbVisualizar" << "action_Exportar_csv" << "cortos.csv" << "1111"
            << QStringList{"Planta Ñandú,Ventas,Ingreso,0,", "Planta Ñandú,Mantenimiento,Egreso,-200,", "Planta Ñandú,Total,,-200,",
                           "Compra,Ventas,Ingreso,0,1500", "Compra,Total,,0,1500"} << 12;
        QTest::newRow("workbook") << "" << "action_Exportar_xlsx" << "libro.xlsx" << "1011"
            << QStringList{"name=\"Comparar\"", "name=\"Planta Ñandú\"", "name=\"Compra\""} << 0;
        QTest::newRow("comparison printed") << "pbComparar" << "action_Imprimir" << "impreso.pdf" << "1011"
            << QStringList{"Planta Ñandú", "Compra", "3 730.28", "675.21", "3 055.07"} << 0;
        QTest::newRow("worked solution to PDF") << "pbDetallar" << "action_Exportar" << "detalle.pdf" << "1011"
            << QStringList{"Planta Ñandú", "VP = 1 500.00 × (P/A, 10 %, 3) × (P/F, 10 %, 0)", "3 730.28", "Análisis incremental"} << 0;
        QTest::newRow("sensitivity to PDF") << "pbSensibilidad" << "action_Exportar" << "sensibilidad.pdf" << "1011"
            << QStringList{"Planta Ñandú", "VPN = 0 con", "Semilla", "P(VPN > 0) ="} << 0;
        QTest::newRow("folder missing") << "pbComparar" << "action_Exportar" << "falta/i.pdf" << "1011" << QStringList() << 0;
    }

    void menu()
    {
        QFETCH(QString, button); QFETCH(QString, action); QFETCH(QString, file); QFETCH(QString, enabled);
        QFETCH(QStringList, expected); QFETCH(int, cells);
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
        for (const char *name : {"action_Exportar", "action_Exportar_csv", "action_Imprimir", "action_Exportar_xlsx"})
            offered += main.findChild<QAction *>(name)->isEnabled() ? '1' : '0';
        QCOMPARE(offered, enabled);
        Answers answers;
        answers.file = dir.filePath(file);
        main.findChild<QAction *>(action)->trigger(); // even a disabled one
        const bool fails = file.startsWith("falta"); // then one error, naming the file
        QVERIFY(answers.errors.size() == fails && answers.errors.join("").contains(QDir::toNativeSeparators(answers.file)) == fails);
        QVERIFY(!fails || answers.errors.join("").contains("no existe"));
        if (!button.isEmpty() && action != "action_Imprimir") // proposed beside the project, after its name
            QCOMPARE(answers.proposed, dir.filePath(action.endsWith("csv") ? "p-flujos.csv" : "p.pdf"));
        if (file == "informe.pdf") // two short alternatives on one page
            QVERIFY(run("pdfinfo", {answers.file}).contains(QRegularExpression("Pages: +1\\b")));
        QCOMPARE(QFile::exists(answers.file), !expected.isEmpty());
        const QString text = file.endsWith("csv") ? run("cat", {answers.file})
            : file.endsWith("xlsx") ? run("unzip", {"-p", answers.file, "xl/workbook.xml"})
            : file.endsWith("html") ? run("cat", {answers.file}) : run("pdftotext", {answers.file, "-"});
        if (file.endsWith("csv"))
            QCOMPARE(text.split("\r\n", Qt::SkipEmptyParts).mid(1), expected);
        for (const QString &probe : expected)
            QVERIFY2(text.simplified().contains(probe), qPrintable(text));
        if (!button.isEmpty() && !fails) { // the report shown is shown again when the file is opened
            QVERIFY(project->saveTo(dir.filePath("visto.quintavo")));
            QCOMPARE(MainWindow().openFile(dir.filePath("visto.quintavo"))->shownReport(), project->shownReport());
        }
        main.findChild<QAction *>("action_Nuevo")->trigger(); // the actions follow the active project
        QVERIFY(!main.findChild<QAction *>("action_Exportar")->isEnabled());
        project->discardChanges();
    }

    // "Visualizar" of three short alternatives exported from a wide window: a page, two at most.
    void cashFlowPages()
    {
        MainWindow main;
        main.resize(1400, 900);
        main.show();
        main.findChild<QAction *>("action_Nuevo")->trigger();
        ProjectWindow *p = main.activeProject();
        for (int a = 0; a < 3; ++a) {
            QTreeWidgetItem *node = a ? addAlternative(p, QString("Alternativa %1").arg(a)) : p->tree()->topLevelItem(0);
            fill(p, node, {QString(), "4", "0.1"});
            addFlow(p, node, "IU|Venta|100|4|1");
            addFlow(p, node, "ES|Compra|300|0");
        }
        p->showCashFlows();
        Answers answers;
        answers.file = dir.filePath("tres.pdf");
        main.findChild<QAction *>("action_Exportar")->trigger();
        const QString info = run("pdfinfo", {answers.file});
        QVERIFY2(QRegularExpression("Pages: +[12]\\b").match(info).hasMatch(), qPrintable(info));
        p->discardChanges();
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

    // A text that a spreadsheet would run is written after an apostrophe; figures stay numbers.
    void csv_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field"); // as written
        QTest::newRow("plain") << "Planta" << "Planta";
        QTest::newRow("=") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("+") << "+1" << "'+1";
        QTest::newRow("-") << "-2+3" << "'-2+3";
        QTest::newRow("@") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("tab") << "\t=1" << "'\t=1";
        QTest::newRow("carriage return") << "\r=1" << "\"'\r=1\"";
        QTest::newRow("inside") << "a=b-c" << "a=b-c";
        QTest::newRow("comma, quote, line") << "Planta \"A\",\nnorte" << "\"Planta \"\"A\"\",\nnorte\"";
    }

    void csv()
    {
        QFETCH(QString, name); QFETCH(QString, field);
        QVector<CashFlowTable> alternatives(2);
        alternatives[0].name = name;
        alternatives[0].income = {{name, {0, 1500.5}, 1, 2}};
        alternatives[0].expenses = {{"Costo", {200, 0}, 0, 1}};
        alternatives[0].net = {-200, 1500.5};
        alternatives[1].name = "B";
        alternatives[1].net = {0.1, 1e20, 3};
        const QString expected = "\uFEFF" "Alternativa,Concepto,Tipo,0,1,2\r\n" + field + "," + field + ",Ingreso,0,1500.5,\r\n"
            + field + ",Costo,Egreso,-200,0,\r\n" + field + ",Total,,-200,1500.5,\r\n" "B,Total,,0.1,1e+20,3\r\n";
        QCOMPARE(QString::fromUtf8(FlowsCsv::text(alternatives)), expected);
    }

    // The replacement analyses' lives after the alternatives, every figure
    // worked by hand at a rate of 0 (exact): EUAC(k) = (P - MVk + c1..ck) / k.
    void replacementCsv()
    {
        ReplacementFigures analysis;
        analysis.name = "=Reemplazo";
        analysis.assetNames[0] = "Prensa";
        analysis.assets[0] = {9000, {6000, 4500}, {400, 700}};
        analysis.assets[1] = {100, {50}, {10}};
        QVector<CashFlowTable> alternatives(1);
        alternatives[0].name = "A";
        alternatives[0].net = {-1};
        const QString expected = "\uFEFF" "Alternativa,Concepto,Tipo,0\r\n" "A,Total,,-1\r\n" "\r\n"
            "Análisis de reemplazo,Interés de Oportunidad,Activo,Nombre,Años (k),Valor de mercado,"
            "Costo de operación,Recuperación de capital,Costo de operación equivalente,CAUE(k),Mínimo,"
            "Costo marginal del año\r\n"
            "'=Reemplazo,0,Defensor,Prensa,1,6000,400,3000,400,3400,,3400\r\n"
            "'=Reemplazo,0,Defensor,Prensa,2,4500,700,2250,550,2800,mínimo,2200\r\n"
            "'=Reemplazo,0,Retador,Retador,1,50,10,50,10,60,mínimo,\r\n";
        QCOMPARE(QString::fromUtf8(FlowsCsv::text(alternatives, {}, {analysis})), expected);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
