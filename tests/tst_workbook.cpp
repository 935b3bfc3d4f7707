// Exported workbooks recalculated by a real spreadsheet engine (LibreOffice,
// headless, in a profile of its own that makes it recalculate on load): every
// figure of "Comparar" equals the program's to the cent (rates to 1e-9), on
// textbook projects and seeded random ones with every kind of flow, horizons
// at the cell and column limits and names that look like formulas.
#include "benefitcost.h"
#include "comparisonsheet.h"
#include "paymentschedule.h"
#include "perpetualnotice.h"
#include "rateofreturn.h"
#include "workbookexport.h"

#include <QtTest>

#include <xlsxwriter.h>

#include <cmath>

namespace {

using Flow = AlternativeFigures::Flow;

Flow flow(const QString &name, CashFlow::Kind kind, double amount, double change, int payments, int start,
          bool perpetual = false)
{
    return {name, {kind, amount, change, payments, start, perpetual}};
}

AlternativeFigures alternative(const QString &name, int horizon, double rate, QVector<Flow> income,
                               QVector<Flow> expenses)
{
    return {name, horizon, rate, false, std::move(income), std::move(expenses)};
}

// Alternatives of 1 to 4 flows of each side, every kind, some running past the horizon.
ProjectFigures randomProject(quint32 seed, int count)
{
    QRandomGenerator random(seed);
    const auto between = [&random](double low, double high) { return low + random.generateDouble() * (high - low); };
    ProjectFigures project;
    for (int a = 0; a < count; ++a) {
        AlternativeFigures figures = alternative(QStringLiteral("Alt %1").arg(a), random.bounded(0, 25), between(0.005, 0.3), {}, {});
        for (QVector<Flow> *side : {&figures.income, &figures.expenses}) {
            for (int f = random.bounded(1, 5); f > 0; --f) {
                const auto kind = static_cast<CashFlow::Kind>(random.bounded(4));
                const double change = kind == CashFlow::Arithmetic ? between(-300, 300) : between(-0.2, 0.3);
                *side << flow(QStringLiteral("F%1").arg(f), kind, std::round(between(-500, 20000) * 100) / 100, change,
                              random.bounded(0, 20), random.bounded(-2, 15));
            }
        }
        project.alternatives << figures;
    }
    return project;
}

// A number as LibreOffice writes it: "1234.5", "12.5%"; NaN for anything else.
double numberOf(const QString &field)
{
    bool ok = false;
    const bool percent = field.endsWith('%');
    const double value = (percent ? field.chopped(1) : field).toDouble(&ok);
    return !ok ? std::nan("") : percent ? value / 100 : value;
}

// The TIRM as the textbook puts it, over the net payments of periods 0..N
// in long double: positives carried to N, negatives brought to 0, at i.
double modifiedRate(const AlternativeFigures &a)
{
    std::vector<long double> net(static_cast<size_t>(a.horizon) + 1, 0);
    for (const QVector<Flow> *side : {&a.income, &a.expenses}) {
        for (const Flow &f : *side)
            PaymentSchedule(f.figures).forEach(a.horizon + 1, [&](long long k, double pay) {
                net[static_cast<size_t>(k)] += side == &a.income ? pay : -pay;
            });
    }
    long double future = 0, present = 0;
    for (size_t k = 0; k < net.size(); ++k) {
        if (net[k] > 0)
            future += net[k] * powl(1.0L + a.rate, a.horizon - static_cast<long double>(k));
        else
            present -= net[k] / powl(1.0L + a.rate, static_cast<long double>(k));
    }
    return future > 0 && present > 0 ? static_cast<double>(powl(future / present, 1.0L / a.horizon) - 1) : std::nan("");
}

const QStringList oddNames = {"=1+1", "+A1", "-2", "@SUM(A1)", "=HYPERLINK(\"http://x\")", "a[b]:c*?/\\'!", "Comparar",
                              "Una alternativa con un nombre de más de treinta y un caracteres", "Dup", "dup", "", "History", "%1 %2"};
const QStringList oddSheets = {"=1+1", "+A1", "-2", "@SUM(A1)", "=HYPERLINK(\"http___x\")", "a_b__c______", "Comparar (2)",
                               "Una alternativa con un nombre d", "Dup", "dup (2)", "Alternativa 11", "History (2)", "%1 %2"};

} // namespace

class TestWorkbook : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QMap<QString, WorkbookSource> books; // by file name, without ".xlsx"
    QMap<QString, QList<QStringList>> sheets; // "book-sheet" → its rows of fields

    QList<QStringList> sheet(const QString &name) const { return sheets.value(name); }

private slots:
    void initTestCase()
    {
        // Textbook: an investment with sales and rising upkeep; a growing income; a flow whose
        // TIR is 10 % and 20 % (-100, +230, -132); and one of a longer horizon, compared by VAE.
        WorkbookSource textbook;
        textbook.project.alternatives = {
            alternative("Planta", 5, 0.1, {flow("Ventas", CashFlow::Uniform, 1500, 0, 5, 1)},
                        {flow("Inversión", CashFlow::Single, 4000, 0, 1, 0),
                         flow("Mantenimiento", CashFlow::Arithmetic, 200, 50, 5, 1)}),
            alternative("Creciente", 5, 0.1, {flow("Ingreso", CashFlow::Geometric, 1000, 0.05, 5, 1)},
                        {flow("Compra", CashFlow::Single, 3000, 0, 1, 0)}),
            alternative("Dos TIR", 2, 0.15, {flow("=SUM(1,2)", CashFlow::Single, 230, 0, 1, 1)},
                        {flow("Hoy", CashFlow::Single, 100, 0, 1, 0), flow("Cierre", CashFlow::Single, 132, 0, 1, 2)}),
            alternative("Larga", 8, 0.1, {flow("Renta", CashFlow::Uniform, 900, 0, 8, 1)},
                        {flow("Compra", CashFlow::Single, 3500, 0, 1, 0)}),
            alternative("Sin horizonte", 0, 0.1, {}, {flow("Gasto", CashFlow::Single, 10, 0, 1, 0)}),
        };
        books["textbook"] = textbook;
        for (quint32 seed : {1u, 2u, 3u})
            books[QString("random%1").arg(seed)].project = randomProject(seed, 6);
        // Two flows: 4 rows, 1,000 periods fit in 4,000 cells; the horizon just fits.
        WorkbookSource limit;
        limit.mostCells = 4000;
        limit.project.alternatives = {alternative("Límite", 999, 0.001, {flow("Renta", CashFlow::Uniform, 10, 0, 999, 1)},
                                                  {flow("Compra", CashFlow::Single, 5000, 0, 1, 0)})};
        books["limit"] = limit;
        // Past the sheet's last column (16,383 periods) and past the horizon: figures after K.
        WorkbookSource cut;
        cut.mostCells = 1000000;
        cut.project.alternatives = {alternative("Corte", 20000, 0.0005, {flow("Renta", CashFlow::Geometric, 10, 0.0001, 30000, 1)},
                                                {flow("Compra", CashFlow::Single, 5000, 0, 1, 0),
                                                 flow("Final", CashFlow::Single, 900, 0, 1, 25000)})};
        books["cut"] = cut;
        // A capitalized cost: a horizon without end, income for ever (worth after the sheet), against a finite one.
        WorkbookSource perpetual;
        perpetual.project.alternatives = {
            alternative("Perpetua", 0, 0.1, {flow("Renta", CashFlow::Arithmetic, 100, 5, 0, 1, true)},
                        {flow("Obra", CashFlow::Single, 1500, 0, 1, 0)}),
            alternative("Sin fin", 0, 0.1, {flow("Crece", CashFlow::Geometric, 10, 0.2, 0, 1, true)}, {flow("Obra", CashFlow::Single, 1500, 0, 1, 0)}),
            alternative("Finita", 5, 0.1, {flow("Renta", CashFlow::Uniform, 400, 0, 5, 1)}, {flow("Obra", CashFlow::Single, 1000, 0, 1, 0)})};
        perpetual.project.alternatives[0].perpetual = perpetual.project.alternatives[1].perpetual = true;
        books["perpetual"] = perpetual;
        WorkbookSource names;
        for (const QString &name : oddNames)
            names.project.alternatives << alternative(name, 1, 0.1, {flow(name, CashFlow::Uniform, 100, 0, 1, 1)}, {});
        names.project.unread = {{"=2*3", "Anualidad", "+A1"}};
        books["names"] = names;

        // Figures a user can type that have no worth: written, and opened without an error.
        WorkbookSource extreme;
        extreme.project.alternatives = {
            alternative("Negativo", -5, 0.1, {flow("A", CashFlow::Uniform, 100, 0, 3, 0)}, {}),
            alternative("Tasa -1", 3, -1, {flow("A", CashFlow::Geometric, 1e308, 9, 3, 0)}, {flow("B", CashFlow::Single, 1, 0, 1, 1)}),
            alternative("Enorme", INT_MAX, 0.1, {flow("A", CashFlow::Arithmetic, 1, 1, INT_MAX, INT_MIN)}, {}),
            alternative("NaN", 2, std::nan(""), {flow("A", CashFlow::Uniform, std::nan(""), 0, 2, 0)}, {})};
        QStringList files{dir.filePath("empty.xlsx"), dir.filePath("extreme.xlsx")};
        QCOMPARE(WorkbookExport::write({}, files.at(0)), QString());
        QCOMPARE(WorkbookExport::write(extreme, files.at(1)), QString());
        for (auto book = books.cbegin(); book != books.cend(); ++book) {
            files << dir.filePath(book.key() + ".xlsx");
            QCOMPARE(WorkbookExport::write(book.value(), files.last()), QString());
        }
        // A formula whose cached result is wrong: it comes back right only when recalculated.
        files << dir.filePath("probe.xlsx");
        lxw_workbook *probe = workbook_new(files.last().toUtf8().constData());
        worksheet_write_formula_num(workbook_add_worksheet(probe, "Hoja"), 0, 0, "=1+1", nullptr, 5);
        QCOMPARE(workbook_close(probe), LXW_NO_ERROR);

        QVERIFY(QDir(dir.path()).mkpath("profile/user"));
        QFile settings(dir.filePath("profile/user/registrymodifications.xcu"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\""
                       " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><item oor:path=\"/org.openoffice.Office.Calc/Formula/Load\">"
                       "<prop oor:name=\"OOXMLRecalcMode\" oor:op=\"fuse\"><value>0</value></prop></item></oor:items>\n");
        settings.close();
        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start("soffice", QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                                            "--headless", "--convert-to",
                                            "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1",
                                            "--outdir", dir.filePath("out")} + files);
        QVERIFY2(office.waitForStarted(), "LibreOffice (soffice) is missing: scripts/ensure-deps.sh libreoffice-calc-nogui");
        QVERIFY(office.waitForFinished(360000));
        const QString log = QString::fromUtf8(office.readAll());
        QVERIFY2(office.exitCode() == 0 && !log.contains("Error"), qPrintable(log));
        for (const QFileInfo &csv : QDir(dir.filePath("out")).entryInfoList({"*.csv"})) {
            QFile file(csv.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QList<QStringList> rows;
            // Fields hold no line break here; a quoted one may hold commas.
            static const QRegularExpression field("(?:^|,)(\"(?:[^\"]|\"\")*\"|[^,]*)");
            for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
                QStringList fields;
                for (auto m = field.globalMatch(line); m.hasNext();) {
                    QString text = m.next().captured(1);
                    if (text.startsWith('"'))
                        text = text.mid(1, text.size() - 2).replace("\"\"", "\"");
                    fields << text;
                }
                rows << fields;
            }
            sheets[csv.completeBaseName()] = rows;
        }
        QCOMPARE(sheet("probe-Hoja").value(0).value(0), QString("2"));
        QCOMPARE(sheet("empty-Comparar").value(2).mid(0, 2), (QStringList{"Mejor alternativa", "no hay alternativas"}));
        QCOMPARE(sheet("extreme-Comparar").value(4).value(0), QString("NaN"));
    }

    void recalculated_data()
    {
        QTest::addColumn<QString>("book");
        for (const QString &book : books.keys())
            QTest::newRow(qPrintable(book)) << book;
    }

    void recalculated()
    {
        QFETCH(QString, book);
        const WorkbookSource &source = books[book];
        const QList<QStringList> table = sheet(book + "-Comparar");
        QCOMPARE(table.value(0).mid(0, 4), (QStringList{"Alternativa", "VPI", "VPE", "VPN"}));
        const auto near = [](const QString &field, double expected, double tolerance) {
            if (std::isinf(expected))
                return field == (expected > 0 ? "∞" : "−∞");
            const double value = numberOf(field);
            return std::fabs(value - expected) <= tolerance * std::max(1.0, std::fabs(expected) / 1e9)
                || (std::isnan(value) && std::isnan(expected));
        };
        for (int a = 0; a < source.project.alternatives.size(); ++a) {
            const AlternativeFigures &alternative = source.project.alternatives.at(a);
            const QStringList row = table.value(a + 1);
            const QString where = book + ": " + alternative.name + ": " + row.join(" | ");
            QCOMPARE(row.value(ComparisonSheet::Name), alternative.name);
            const FlowValuation valuation = alternative.valuation();
            const double vpi = valuation.incomeWorth(alternative.rate), vpe = valuation.expenseWorth(alternative.rate);
            QVERIFY2(near(row.value(ComparisonSheet::Vpi), vpi, 0.005), qPrintable(where));
            QVERIFY2(near(row.value(ComparisonSheet::Vpe), vpe, 0.005), qPrintable(where));
            QVERIFY2(near(row.value(ComparisonSheet::Vpn), vpi - vpe, 0.005), qPrintable(where));
            if (!PerpetualNotice::noAnnualWorth(alternative))
                QVERIFY2(near(row.value(ComparisonSheet::Vae), PerpetualNotice::annualWorth(alternative, vpi - vpe), 0.005), qPrintable(where));
            else
                QCOMPARE(row.value(ComparisonSheet::Vae), QString("—"));
            const std::optional<double> bc = benefitCost(vpi, vpe);
            QVERIFY2(bc ? near(row.value(ComparisonSheet::Bc), *bc, 1e-9) : row.value(ComparisonSheet::Bc) == "—", qPrintable(where));
            const std::vector<double> tirs = RateOfReturn::rates(valuation);
            if (tirs.empty())
                QCOMPARE(row.value(ComparisonSheet::Tir), QString("no existe"));
            else
                QVERIFY2(near(row.value(ComparisonSheet::Tir), tirs.front(), 1e-9), qPrintable(where));
            for (size_t r = 0; r < tirs.size(); ++r)
                QVERIFY2(near(row.value(ComparisonSheet::FirstRoot + r), tirs.at(r), 1e-12), qPrintable(where));
            QCOMPARE(row.value(ComparisonSheet::Note).contains("no es única"), tirs.size() > 1);
            const double tirm = modifiedRate(alternative);
            if (!alternative.perpetual && alternative.horizon > 0 && alternative.horizon <= 16382) // on the sheet: MIRR
                QVERIFY2(std::isnan(tirm) ? row.value(ComparisonSheet::Tirm) == "—" : near(row.value(ComparisonSheet::Tirm), tirm, 1e-9), qPrintable(where));
        }
        if (book == "textbook") {
            // Different horizons: the largest VAE, Creciente's 302.40 against Larga's 243.95.
            QCOMPARE(table.value(7).mid(0, 2), (QStringList{"Mejor alternativa", "Creciente"}));
            QCOMPARE(table.value(8).value(1), QString("mayor VAE (horizontes distintos)"));
        }
    }

    // Names that look like formulas stay text, in the cells and in the sheets' names.
    void names()
    {
        const QList<QStringList> table = sheet("names-Comparar");
        for (int a = 0; a < oddNames.size(); ++a) {
            QCOMPARE(table.value(a + 1).value(0), oddNames.at(a));
            const QList<QStringList> rows = sheet("names-" + oddSheets.at(a));
            QCOMPARE(rows.value(0).value(1), oddNames.at(a));
            QCOMPARE(rows.value(6).value(0), oddNames.at(a)); // the flow, under "Ingresos"
        }
        QCOMPARE(table.value(oddNames.size() + 6).mid(0, 3), (QStringList{"+A1", "Anualidad", "=2*3"}));
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
