// Depreciation, loans and the statement after taxes: textbook answers, an
// oracle of their own in long double (each year and each cuota worked out
// apart from the code), and the identities every schedule keeps.
#include "depreciationschedule.h"
#include "driver.h"
#include "flowscsv.h"
#include "loanschedule.h"
#include "projectfile.h"
#include "taxstatement.h"

#include <QComboBox>
#include <QUndoStack>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

using LD = long double;

// Depreciation year by year as a course tables it, in long double.
std::vector<LD> yearsOracle(const DepreciableAsset &a)
{
    std::vector<LD> years;
    const LD basis = LD(a.cost) - a.residual;
    const int n = a.life;
    if (a.method == DepreciableAsset::StraightLine)
        years.assign(size_t(n), basis / n);
    if (a.method == DepreciableAsset::SumOfDigits) {
        for (int k = 1; k <= n; ++k)
            years.push_back(basis * (n + 1 - k) * 2 / (LD(n) * (n + 1)));
    }
    if (a.method == DepreciableAsset::DecliningBalance) {
        LD book = a.cost;
        bool straight = false;
        for (int k = 1; k <= n; ++k) {
            const LD left = n - k + 1, rate = LD(a.factor) / n;
            straight = straight || (book - a.residual) / left > book * rate;
            LD d = straight ? (book - a.residual) / left : book * rate;
            if (book - d < a.residual)
                d = book - a.residual;
            years.push_back(d);
            book -= d;
        }
    }
    return years;
}

// The balance carried cuota by cuota without rounding: the cuota of level
// payments from the balance at the end of the grace, by its own sum of
// discount factors.
std::vector<LD> levelCuotasOracle(const LoanTerms &l)
{
    LD annuity = 0;
    for (int k = 1; k <= l.payments - l.grace; ++k)
        annuity += powl(1 + LD(l.rate), -k);
    std::vector<LD> cuotas;
    for (int k = 1; k <= l.payments; ++k)
        cuotas.push_back(k <= l.grace ? l.amount * LD(l.rate) : l.amount / annuity);
    return cuotas;
}

LD worthAt(const TaxStatement::Payments &payments, LD i)
{
    LD sum = 0;
    for (const auto &p : payments)
        sum += p.second / powl(1 + i, p.first);
    return sum;
}

} // namespace

class TestAfterTax : public QObject
{
    Q_OBJECT

private slots:
    void textbookSchedules_data();
    void textbookSchedules();
    void depreciationOracle_data();
    void depreciationOracle();
    void loans_data();
    void loans();
    void sale_data();
    void sale();
    void statementOracle();
};

void TestAfterTax::textbookSchedules_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("cost");
    QTest::addColumn<double>("residual");
    QTest::addColumn<int>("life");
    QTest::addColumn<std::vector<double>>("years");
    QTest::newRow("MACRS 5") << int(DepreciableAsset::Macrs) << 100.0 << 0.0 << 5
                             << std::vector<double>{20, 32, 19.2, 11.52, 11.52, 5.76};
    QTest::newRow("línea recta") << int(DepreciableAsset::StraightLine) << 10000.0 << 1000.0 << 5
                                 << std::vector<double>{1800, 1800, 1800, 1800, 1800};
    QTest::newRow("suma de dígitos") << int(DepreciableAsset::SumOfDigits) << 10000.0 << 1000.0
                                     << 5 << std::vector<double>{3000, 2400, 1800, 1200, 600};
    // Straight line gives more from year 4 on: the switch.
    QTest::newRow("doble saldo, cambio en el año 4")
        << int(DepreciableAsset::DecliningBalance) << 100000.0 << 0.0 << 5
        << std::vector<double>{40000, 24000, 14400, 10800, 10800};
    // The last year stops at the residual value.
    QTest::newRow("doble saldo hasta el residual")
        << int(DepreciableAsset::DecliningBalance) << 10000.0 << 1000.0 << 5
        << std::vector<double>{4000, 2400, 1440, 864, 296};
    QTest::newRow("sin depreciación") << int(DepreciableAsset::NoDepreciation) << 5000.0 << 0.0
                                      << 0 << std::vector<double>{};
}

void TestAfterTax::textbookSchedules()
{
    QFETCH(int, method);
    QFETCH(double, cost);
    QFETCH(double, residual);
    QFETCH(int, life);
    QFETCH(std::vector<double>, years);
    DepreciableAsset asset;
    asset.method = DepreciableAsset::Method(method);
    asset.cost = cost;
    asset.residual = residual;
    asset.life = life;
    asset.sale = 30;
    const DepreciationSchedule schedule(asset);
    QCOMPARE(schedule.fault(), DepreciableAsset::None);
    QCOMPARE(schedule.years().size(), years.size());
    for (size_t k = 0; k < years.size(); ++k)
        QVERIFY2(std::fabs(schedule.years()[k] - years[k]) < 1e-9 * cost, qPrintable(QString::number(k)));
}

void TestAfterTax::depreciationOracle_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("life");
    QTest::addColumn<int>("sale");
    for (int method : {0, 1, 2}) {
        for (int life : {1, 3, 7, 40}) {
            for (int sale : {2, 9, 60}) {
                const QString name = QStringLiteral("m%1 n%2 s%3").arg(method).arg(life).arg(sale);
                QTest::newRow(qPrintable(name)) << method << (life == 7 ? 1.5 : 2.0) << life << sale;
            }
        }
    }
}

void TestAfterTax::depreciationOracle()
{
    QFETCH(int, method);
    QFETCH(double, factor);
    QFETCH(int, life);
    QFETCH(int, sale);
    DepreciableAsset asset{123456.78, 1, life, 2345.6, DepreciableAsset::Method(method), factor,
                           5, sale, 500.0};
    const DepreciationSchedule schedule(asset);
    const std::vector<LD> expected = yearsOracle(asset);
    QCOMPARE(schedule.years().size(), expected.size());
    LD taken = 0;
    for (long long t = 0; t <= sale + 2; ++t) {
        const long long year = t - asset.purchase;
        const LD want = year >= 1 && year <= life && t <= sale ? expected[size_t(year - 1)] : 0;
        QVERIFY2(fabsl(schedule.depreciation(t) - want) < 1e-7L, qPrintable(QString::number(t)));
        taken += want;
    }
    // What was deducted and the book value at the sale make up the cost.
    QVERIFY(fabsl(taken + schedule.bookValue(sale) - asset.cost) < 1e-7L);
    QVERIFY(schedule.bookValue(sale) >= asset.residual - 1e-7);
}

void TestAfterTax::loans_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("payments");
    QTest::addColumn<int>("grace");
    QTest::newRow("francés 10 000 al 1 % en 12") << 0 << 10000.0 << 0.01 << 12 << 0;
    QTest::newRow("francés con gracia") << 0 << 250000.0 << 0.085 << 10 << 2;
    QTest::newRow("francés sin interés") << 0 << 1000.0 << 0.0 << 7 << 0;
    QTest::newRow("abono constante") << 1 << 90000.0 << 0.12 << 9 << 1;
    QTest::newRow("pago al final") << 2 << 50000.0 << 0.1 << 5 << 0;
}

void TestAfterTax::loans()
{
    QFETCH(int, system);
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(int, payments);
    QFETCH(int, grace);
    const LoanTerms loan{amount, 2, rate, payments, grace, LoanTerms::System(system)};
    const std::vector<LoanPeriod> table = LoanSchedule::of(loan);
    QCOMPARE(int(table.size()), payments);
    if (QTest::currentDataTag() == QByteArray("francés 10 000 al 1 % en 12"))
        QCOMPARE(table.front().payment, 888.49);
    const std::vector<LD> level = levelCuotasOracle(loan);
    LD balance = amount, paid = 0;
    for (int k = 0; k < payments; ++k) {
        const LoanPeriod &row = table[size_t(k)];
        QCOMPARE(row.period, 3LL + k);
        QVERIFY(fabsl(row.opening - balance) < 0.01L * (k + 1));
        QVERIFY(fabsl(row.interest - balance * rate) < 0.01L * (k + 1));
        QCOMPARE(row.payment, row.interest + row.principal);
        const LD principal = k < grace ? 0
            : system == 0              ? level[size_t(k)] - balance * rate
            : system == 1              ? LD(amount) / (payments - grace)
            : k + 1 == payments        ? LD(amount)
                                       : 0;
        QVERIFY2(fabsl(row.principal - principal) < 0.01L * (k + 2), qPrintable(QString::number(k)));
        balance -= principal;
        paid += row.principal;
    }
    // The table closes at 0 to the cent; the principal repaid is the amount.
    QCOMPARE(table.back().closing, 0.0);
    QVERIFY(fabsl(paid - amount) < 1e-6L);
    // At the loan's own rate the loan is worth nothing to the investor.
    const TaxStatement untaxed({}, {}, 0.0, {}, {loan});
    QVERIFY(fabsl(worthAt(untaxed.loanPayments(0), rate)) < 0.01L * payments);
}

void TestAfterTax::sale_data()
{
    QTest::addColumn<double>("saleValue");
    QTest::addColumn<double>("saleFlow");
    // 10 000 straight line over 5 years, sold after 3: book value 4 000.
    QTest::newRow("sobre el valor en libros") << 6000.0 << 6000.0 - 0.3 * 2000.0;
    QTest::newRow("bajo el valor en libros") << 3000.0 << 3000.0 + 0.3 * 1000.0;
    QTest::newRow("al valor en libros") << 4000.0 << 4000.0;
}

void TestAfterTax::sale()
{
    QFETCH(double, saleValue);
    QFETCH(double, saleFlow);
    const DepreciableAsset asset{10000, 0, 5, 0, DepreciableAsset::StraightLine, 2, 5, 3, saleValue};
    const TaxStatement statement({}, {}, 0.3, {asset}, {});
    const TaxStatement::Payments payments = statement.assetPayments(0);
    QCOMPARE(int(payments.size()), 4);
    QCOMPARE(payments[0].second, -10000.0);
    QCOMPARE(payments[1].second, 0.3 * 2000.0);
    QVERIFY(std::fabs(payments[3].second - (saleFlow + 600.0)) < 1e-9);
    const std::vector<StatementPeriod> rows = statement.periods(5);
    QVERIFY(std::fabs(rows[3].saleTax - 0.3 * (saleValue - 4000.0)) < 1e-9);
}

// The statement of an alternative with income, an expense, an asset and a
// loan: each period's lines and both flows against the textbook's arithmetic
// done apart in long double.
void TestAfterTax::statementOracle()
{
    const LD T = 0.35L;
    const CashFlow income{CashFlow::Arithmetic, 40000, 1500, 6, 1, false};
    const CashFlow expense{CashFlow::Uniform, 12000, 0, 6, 1, false};
    const DepreciableAsset asset{60000, 0, 5, 6000, DepreciableAsset::SumOfDigits, 2, 5, 6, 9000};
    const LoanTerms loan{30000, 0, 0.09, 4, 1, LoanTerms::LevelPayment};
    const TaxStatement statement({income}, {expense}, double(T), {asset}, {loan});
    QCOMPARE(statement.lastPeriod(), 6LL);
    const std::vector<StatementPeriod> rows = statement.periods(7);
    const std::vector<LoanPeriod> cuotas = LoanSchedule::of(loan);
    LD book = 60000;
    for (int t = 0; t <= 6; ++t) {
        const LD in = t >= 1 ? 40000 + 1500.0L * (t - 1) : 0, out = t >= 1 ? 12000 : 0;
        const LD dep = t >= 1 && t <= 5 ? 54000.0L * (6 - t) / 15 : 0;
        book -= dep;
        const LD interest = t >= 1 && t <= 4 ? cuotas[size_t(t - 1)].interest : 0;
        const LD cuota = t >= 1 && t <= 4 ? cuotas[size_t(t - 1)].payment : 0;
        const LD sale = t == 6 ? 9000 - T * (9000 - book) : 0;
        const LD project = (in - out - dep) * (1 - T) + dep - (t == 0 ? 60000 : 0) + sale;
        const LD investor = project + (t == 0 ? 30000 : 0) - cuota + T * interest;
        const StatementPeriod &row = rows[size_t(t)];
        QVERIFY2(fabsl(row.project - project) < 1e-8L, qPrintable(QString::number(t)));
        QVERIFY2(fabsl(row.investor - investor) < 1e-8L, qPrintable(QString::number(t)));
        QVERIFY(fabsl(row.taxable - (in - out - dep - interest)) < 1e-8L);
        // The statement adds up: net income back to the investor's flow.
        QVERIFY(std::fabs(row.net + row.depreciation - row.investment + row.sale - row.saleTax
                          + row.loan - row.principal - row.investor) < 1e-8);
    }
}

// An asset and a loan typed into a window: the file, both reports, undo.
class TestAfterTaxWindow : public WindowTest
{
    Q_OBJECT

private slots:
    void typedAssetAndLoan();
};

namespace {

// The figure of the cell under `label` in the report's tables, column `column`.
double figureOf(const QList<Rows> &tables, const QString &label, int column)
{
    for (const Rows &table : tables) {
        for (const QStringList &row : table) {
            if (QString(row.value(0)).replace(QChar(0xA0), ' ') != label)
                continue;
            QString figure;
            for (const QChar c : row.value(column)) {
                if (c.isDigit() || c == '.' || c == '-' || c == QChar(0x2212))
                    figure += c == QChar(0x2212) ? QChar('-') : c;
            }
            return figure.toDouble();
        }
    }
    return qQNaN();
}

} // namespace

void TestAfterTaxWindow::typedAssetAndLoan()
{
    QTreeWidgetItem *lathe = first();
    fill(w, lathe, {"Torno con préstamo", "5", "0.12"});
    addFlow(w, lathe, "IU|Ventas|20000|5|1");
    addFlow(w, lathe, "EU|Operación|3000|5|1");
    addFlow(w, lathe, "IP|Banco|30000|0|0.1|5");
    QTreeWidgetItem *asset = addFlow(w, lathe, "ED|Torno|50000|0|5|5000|Línea recta|5|8000");
    w->showComparison();
    const QString beforeTaxes = w->comparisonDocument().html;
    // A tax rate of 0 is the appraisal before taxes, to the byte.
    type(showNode(w, lathe), 3, "0");
    QCOMPARE(w->comparisonDocument().html, beforeTaxes);
    type(showNode(w, lathe), 3, "0.3");

    // The method is chosen from its list.
    QTableWidget *table = showNode(w, asset);
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("Línea recta"));
    table->setCurrentIndex(table->model()->index(5, 0));
    table->edit(table->currentIndex());
    auto *methods = table->viewport()->findChild<QComboBox *>();
    QVERIFY(methods);
    QCOMPARE(methods->count(), 11);
    methods->setCurrentIndex(1);
    emit methods->activated(1);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(w->document()->cellText(w->projectTree()->placeOf(asset), 5), QStringLiteral("Suma de dígitos"));
    w->undoStack()->undo();

    // Written as the example of docs/file-format.md, and read back the same.
    QFile doc(QStringLiteral(QUINTAVO_SOURCE_DIR "/docs/file-format.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const int start = text.indexOf("```json\n", text.indexOf("## Example after taxes")) + 8;
    const QByteArray example = text.mid(start, text.indexOf("```", start) - start);
    QCOMPARE(ProjectFile::toJson(w->snapshot()), example);
    ProjectSnapshot read;
    QString reason;
    QVERIFY2(ProjectFile::fromJson(example, &read, &reason), qPrintable(reason));
    QVERIFY(read == w->snapshot());

    // The project's flow: 14 600 a year after taxes with the depreciation's
    // shield, the lathe's cost now and its sale less the tax on the gain.
    LD project = -50000, investor = 30000, balance = 30000;
    const LD cuota = 30000 * 0.1L / (1 - powl(1.1L, -5));
    for (int t = 1; t <= 5; ++t) {
        const LD v = powl(1.12L, -t), interest = balance * 0.1L;
        project += (14600 + (t == 5 ? 8000 - 0.3L * 3000 : 0)) * v;
        investor -= (cuota - 0.3L * interest) * v;
        balance -= cuota - interest;
    }
    investor += project;
    w->showComparison();
    const QList<Rows> comparison = reportTables(w->report());
    QVERIFY(fabsl(figureOf(comparison, "VPN del proyecto", 1) - project) < 0.006L);
    QVERIFY(fabsl(figureOf(comparison, "VPN", 1) - investor) < 0.05L);
    QVERIFY(w->comparisonDocument().html.contains("flujo de caja del inversionista, después de impuestos y con financiación"));

    w->showCashFlows();
    const QList<Rows> flows = reportTables(w->report());
    QCOMPARE(figureOf(flows, "Flujo de caja del proyecto", 2), 14600.0);
    QCOMPARE(figureOf(flows, "Flujo de caja del proyecto", 6), 14600.0 + 7100.0);
    // The depreciation table ends at the book value of the sale, the
    // amortization table at a balance of 0.00.
    QCOMPARE(flows.at(flows.size() - 2).last().join('|').replace(QChar(0xA0), ' '),
             QStringLiteral("5|9 000.00|45 000.00|5 000.00"));
    QCOMPARE(flows.last().last().last(), QStringLiteral("0.00"));
    // The CSV carries the same lines, a column per period (empty where a table has no row).
    const ProjectFigures &shown = w->shownFigures();
    const QStringList csv = QString::fromUtf8(FlowsCsv::text(CashFlowTable::ofProject(shown), shown.alternatives)).split("\r\n");
    const QList<QPair<QString, QVector<double>>> lines{
        {"Flujo de caja del proyecto,Después de impuestos", {-50000, 14600, 14600, 14600, 14600, 21700}},
        {"Torno: valor en libros,Depreciación", {50000, 41000, 32000, 23000, 14000, 5000}},
        {"Banco: saldo inicial,Amortización", {qQNaN(), 30000}}};
    for (const auto &line : lines) {
        const QStringList found = csv.filter("Torno con préstamo," + line.first + ",");
        QCOMPARE(found.size(), 1);
        const QStringList fields = found.first().split(',').mid(3);
        for (int k = 0; k < line.second.size(); ++k)
            QVERIFY2(std::isnan(line.second[k]) ? fields[k].isEmpty() : std::fabs(fields[k].toDouble() - line.second[k]) < 1e-6, qPrintable(found.first()));
    }
    // Undoing the rate appraises before taxes again.
    while (w->document()->alternative(0).taxRate != "0")
        w->undoStack()->undo();
    w->undoStack()->undo();
    QCOMPARE(w->document()->alternative(0).taxRate, QString());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestAfterTax schedules;
    TestAfterTaxWindow window;
    return QTest::qExec(&schedules, argc, argv) | QTest::qExec(&window, argc, argv);
}

#include "tst_aftertax.moc"
