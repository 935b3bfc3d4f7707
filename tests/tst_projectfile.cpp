// The project file read and written without any window: the documented
// example, what the reader takes and refuses, and seeded mutations.
#include "projectfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray documentedExample()
{
    QFile doc(QStringLiteral(QUINTAVO_SOURCE_DIR "/docs/file-format.md"));
    if (!doc.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray text = doc.readAll();
    const int start = text.indexOf("```json\n") + 8;
    return text.mid(start, text.indexOf("```", start) - start);
}

QByteArray project(const QByteArray &alternatives, const QByteArray &version = "1")
{
    return R"({"format": "quintavo-project", "version": )" + version + R"(, "alternatives": [)"
        + alternatives + "]}";
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

private slots:
    void documentedExampleIsWhatIsWritten();
    void reads_data();
    void reads();
    void mutatedFilesOpenOrSayWhy();
};

void TestProjectFile::documentedExampleIsWhatIsWritten()
{
    const QByteArray example = documentedExample();
    ProjectSnapshot read;
    QString reason;
    QVERIFY2(ProjectFile::fromJson(example, &read, &reason), qPrintable(reason));
    QCOMPARE(read.alternatives.size(), 2);
    const AlternativeSnapshot &plant = read.alternatives.at(0);
    QCOMPARE(plant.income.at(0).kind, FlowSnapshot::Kind::Geometric);
    QCOMPARE(plant.income.at(0).change, QStringLiteral("0.04"));
    QCOMPARE(plant.expenses.at(1).kind, FlowSnapshot::Kind::Arithmetic);
    QCOMPARE(plant.expenses.at(1).change, QStringLiteral("150"));
    QCOMPARE(read.alternatives.at(1).rate, QString());
    QCOMPARE(ProjectFile::toJson(read), example);
}

void TestProjectFile::reads_data()
{
    // Either "=" and the first alternative's name, horizon and rate, or a
    // part of the reason for refusing.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("numbers as their shortest text")
        << project(R"({"name": 1500, "horizon": 10, "rate": 1e21})") << "=1500|10|1e+21";
    QTest::newRow("missing and unknown keys")
        << project(R"({"rate": "12%", "more": {"a": [1]}, "income": [{"kind": "geometric"}]})")
        << "=||12%";
    QTest::newRow("brackets inside text") << project(R"({"name": "[[[[[[{{{{{{\"]]"})")
                                           << "=[[[[[[{{{{{{\"]]||";
    QTest::newRow("empty project") << project("") << "=";
    QTest::newRow("cut short") << project("{").left(60) << "JSON válido";
    QTest::newRow("error line") << QByteArray("{\n\n  \"format\" x") << "línea 3";
    QTest::newRow("not UTF-8") << project(R"({"name": ")" "\xff\xfe" R"("})") << "JSON válido";
    QTest::newRow("an array") << QByteArray("[]") << "no es un proyecto de Quintavo";
    QTest::newRow("other format") << QByteArray(R"({"format": "x", "version": 1})")
                                  << "no es un proyecto de Quintavo";
    QTest::newRow("newer") << project("", "2") << "creado con una versión más reciente de Quintavo";
    QTest::newRow("version as text") << project("", "\"1\"") << "versión válida";
    QTest::newRow("version 0.5") << project("", "0.5") << "versión válida";
    QTest::newRow("true cell") << project(R"({"name": true})") << "«name» de la alternativa 1";
    QTest::newRow("null cell") << project(R"({}, {"rate": null})") << "«rate» de la alternativa 2";
    QTest::newRow("false cell") << project(R"({"income": [{"kind": "uniform", "start": false}]})")
                                 << "«start» de el flujo 1 de «Ingresos»";
    QTest::newRow("number alternative") << project("1") << "alternativa 1 no es un objeto";
    QTest::newRow("object as list") << project(R"({"expenses": {}})") << "no es una lista";
    QTest::newRow("unknown kind") << project(R"({"expenses": [{"kind": "perpetual"}]})") << "kind";
    QTest::newRow("no kind") << project(R"({"income": [{}]})") << "kind";
    QTest::newRow("too deep") << project("[[[[]]]]") << "anidado más hondo";
    QTest::newRow("too long") << project("{\"name\": \"" + QByteArray(100001, 'x') + "\"}")
                              << "pasa de 100000 caracteres";
    QByteArray many = "{}";
    for (int i = 0; i < 10000; ++i)
        many += ",{}";
    QTest::newRow("10001 alternatives") << project(many) << "más de 10000 alternativas";
    QTest::newRow("100001 flows") << project(R"({"income": [)" + (many + ",").repeated(10) + "{}]}")
                                  << "más de 100000 flujos";
    QTest::newRow("over 64 MiB") << project("") + QByteArray(64 << 20, ' ') << "pasa de 64 MiB";
}

void TestProjectFile::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, outcome);
    ProjectSnapshot read;
    QString reason;
    const bool opens = ProjectFile::fromJson(file, &read, &reason);
    if (outcome.startsWith(QLatin1Char('='))) {
        QVERIFY2(opens, qPrintable(reason));
        const AlternativeSnapshot first = read.alternatives.value(0);
        QCOMPARE(read.alternatives.isEmpty() ? QStringLiteral("=")
                                             : QStringLiteral("=%1|%2|%3").arg(
                                                 first.name, first.horizon, first.rate),
                 outcome);
    } else {
        QVERIFY(!opens);
        QVERIFY2(reason.contains(outcome), qPrintable(reason));
    }
}

void TestProjectFile::mutatedFilesOpenOrSayWhy()
{
    const QByteArray example = documentedExample();
    const QList<QByteArray> values = {"1", "true", "null", "{}", "[]", "\"x\"", "[{}]", "-1e999",
                                      "{\"kind\": \"uniform\"}", "\"\\u0000\\ud800\""};
    QRandomGenerator random(13);
    for (int i = 0; i < 3000; ++i) {
        QByteArray file = example;
        for (int step = random.bounded(1, 4); step > 0; --step) {
            const int at = random.bounded(file.size() + 1);
            switch (random.bounded(5)) {
            case 0: // truncation
                file.truncate(at);
                break;
            case 1: // flipped bytes
                if (!file.isEmpty())
                    file[at % file.size()] = char(random.bounded(256));
                break;
            case 2: { // a value of another type
                const int colon = file.indexOf(": ", at);
                if (colon >= 0) {
                    int end = colon + 2;
                    while (end < file.size() && file.at(end) != ',' && file.at(end) != '\n')
                        ++end;
                    file.replace(colon + 2, end - colon - 2, values.at(random.bounded(values.size())));
                }
                break;
            }
            case 3: // deep nesting
                file.insert(at, QByteArray(random.bounded(1, 3000), "[{"[random.bounded(2)]));
                break;
            default: // huge counts, seldom: they are slow under the sanitizers
                const int copies = i % 300 == 0 ? 100001 : random.bounded(1, 50);
                file.replace("\"income\": [", "\"income\": [" + QByteArray("{\"kind\": \"uniform\"},").repeated(copies));
                break;
            }
        }
        ProjectSnapshot read;
        QString reason;
        if (ProjectFile::fromJson(file, &read, &reason)) {
            ProjectSnapshot again;
            QVERIFY(ProjectFile::fromJson(ProjectFile::toJson(read), &again, &reason));
            QVERIFY2(again == read, file.constData());
        } else {
            QVERIFY2(!reason.isEmpty(), file.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
