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

// A banded row of a name and `columns` figures, and a 300 x 100 picture.
void fill(QTextDocument *document, int columns)
{
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    document->addResource(QTextDocument::ImageResource, QUrl("diagrama"), image);
    QString html = "<table border=1><tr style=\"background-color:#86BCFF\"><td>Planta Ñandú</td>";
    document->setHtml(html + QString("<td>1234.5</td>").repeated(columns)
                      + "</tr></table><p><img src=\"diagrama\"></p>");
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
        QTest::newRow("pdf portrait") << "informe.pdf" << 3;
        QTest::newRow("pdf landscape") << "informe.pdf" << 14;
        QTest::newRow("odt") << "Informe.ODT" << 3;
        QTest::newRow("html") << "informe.htm" << 3;
    }

    void write()
    {
        QFETCH(QString, file);
        QFETCH(int, columns);
        QTextDocument document;
        fill(&document, columns);
        const QString name = dir.filePath(file);
        QCOMPARE(ReportExport::write(document, name), QString());
        QString text;
        if (ReportExport::formatOf(name) == ReportExport::Format::Pdf) {
            const QString info = run("pdfinfo", {name});
            QVERIFY(info.contains(QRegularExpression("Pages: +[1-9]")));
            const auto size = QRegularExpression("Page size: +([\\d.]+) x ([\\d.]+)").match(info);
            QCOMPARE(size.captured(1).toDouble() > size.captured(2).toDouble(), columns > 10);
            QCOMPARE(run("pdfimages", {"-list", name}).count("image"), 1);
            text = run("pdftotext", {name, "-"});
        } else if (ReportExport::formatOf(name) == ReportExport::Format::Odt) {
            text = run("unzip", {"-p", name, "content.xml"});
            QVERIFY(text.contains(QRegularExpression("paragraph-properties[^>]*background-color=\"#86bcff\"")));
            QVERIFY(run("unzip", {"-l", name}).contains("Pictures/"));
        } else {
            QFile html(name);
            QVERIFY(html.open(QIODevice::ReadOnly));
            text = QString::fromUtf8(html.readAll());
            QVERIFY(text.contains("src=\"informe_archivos/imagen-1.png\""));
            QCOMPARE(QImage(dir.filePath("informe_archivos/imagen-1.png")).size(), QSize(300, 100));
        }
        QVERIFY(text.simplified().contains("Planta Ñandú"));
        QCOMPARE(text.count("1234.5"), columns);
    }

    void failure_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("blocker"); // made a plain file beforehand
        QTest::newRow("no such folder") << "falta/informe.pdf" << "";
        QTest::newRow("unknown type") << "informe.doc" << "";
        QTest::newRow("image folder taken") << "viejo.html" << "viejo_archivos";
        QTest::newRow("csv, no such folder") << "falta/flujos.csv" << "";
    }

    void failure()
    {
        QFETCH(QString, file);
        QFETCH(QString, blocker);
        const QString name = dir.filePath(file);
        QFile earlier(name);
        if (earlier.open(QIODevice::WriteOnly))
            earlier.write("anterior");
        earlier.close();
        if (!blocker.isEmpty())
            QVERIFY(QFile(dir.filePath(blocker)).open(QIODevice::WriteOnly));
        QTextDocument document;
        fill(&document, 1);
        const QString message = file.endsWith(".csv") ? FlowsCsv::write({}, name)
                                                      : ReportExport::write(document, name);
        QVERIFY2(message.contains(QDir::toNativeSeparators(name)), qPrintable(message));
        QVERIFY(!earlier.open(QIODevice::ReadOnly) || earlier.readAll() == "anterior");
    }

    void csv()
    {
        const QVector<FlowsCsv::Alternative> alternatives{
            {"Planta \"A\", norte", {{"Ventas", {0, 1500.5}}, {"Total", {-200, 1500.5}}}},
            {"B\nsur", {{"Total", {0.1, 1e20, 3}}}}};
        const QByteArray expected = "\xEF\xBB\xBF" "Alternativa,Concepto,0,1,2\r\n"
                                    "\"Planta \"\"A\"\", norte\",Ventas,0,1500.5,\r\n"
                                    "\"Planta \"\"A\"\", norte\",Total,-200,1500.5,\r\n"
                                    "\"B\nsur\",Total,0.1,1e+20,3\r\n";
        QCOMPARE(FlowsCsv::write(alternatives, dir.filePath("flujos.csv")), QString());
        QFile file(dir.filePath("flujos.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
