#include "cashflowreport.h"
#include "comparisonreport.h"
#include "flowscsv.h"
#include "reportexport.h"

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
        QTest::newRow("pdf landscape") << "informe.pdf" << 14 << QStringList{"pdfinfo %1 ~ size: +842 x 595", pdf};
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
        QFETCH(QString, file);
        QFETCH(int, columns);
        QFETCH(QStringList, probes);
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
                project.alternatives.append({"A", 9, 0.1, {{"Ventas", {CashFlow::Uniform, 1234567.5, 0, 9, 1}}}, {}});
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
            // The flow and the Total of each period; VPI, VPN of each alternative and the sentence.
            QVERIFY2(text.count(alternatives == 1 ? "1 234 567.50" : "7 109 903.64") == 18 - 3 * (alternatives == 7), qPrintable(text));
        }
    }

    void csv()
    {
        QVector<CashFlowTable> alternatives(2);
        alternatives[0].name = "Planta \"A\", norte";
        alternatives[0].income = {{"Ventas", {0, 1500.5}, 1, 2}};
        alternatives[0].net = {-200, 1500.5};
        alternatives[1].name = "B\nsur";
        alternatives[1].net = {0.1, 1e20, 3};
        const QByteArray expected = "\xEF\xBB\xBF" "Alternativa,Concepto,0,1,2\r\n"
                                    "\"Planta \"\"A\"\", norte\",Ventas,0,1500.5,\r\n"
                                    "\"Planta \"\"A\"\", norte\",Total,-200,1500.5,\r\n"
                                    "\"B\nsur\",Total,0.1,1e+20,3\r\n";
        QCOMPARE(FlowsCsv::write(alternatives, dir.filePath("flujos.csv")), QString());
        QCOMPARE(run("cat", {dir.filePath("flujos.csv")}), QString::fromUtf8(expected));
        QVERIFY(FlowsCsv::write(alternatives, dir.filePath("falta/f.csv")).contains("falta/f.csv"));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
