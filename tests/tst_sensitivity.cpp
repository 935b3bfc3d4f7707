// "Sensibilidad": sensitivities and break-evens against the long-double
// oracle, the simulation against the triangular distribution's exact
// moments, its determinism by seed and by thread count, and the report
// through the real window: the button, the spin boxes, the seed, cancel.
#include "aftertaxfigures.h"
#include "breakeven.h"
#include "drawvaluation.h"
#include "driver.h"
#include "montecarlo.h"
#include "oracle.h"
#include "sensitivity.h"
#include "sensitivitycontrols.h"
#include "sensitivityreport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

// "rate; IU 1000 0 5 1; EA 500 50 5 0; ..." : income or expense, kind
// (U, A, G, S), amount, change, payments, start.
Estimates parse(const QString &text)
{
    const QStringList parts = text.split(';');
    Estimates figures;
    figures.rate = parts[0].toDouble();
    figures.horizon = 10;
    for (const QString &part : parts.mid(1)) {
        const QStringList f = part.simplified().split(' ');
        const CashFlow flow{CashFlow::Kind(QString("UAGS").indexOf(f[0][1])), f[1].toDouble(),
                            f[2].toDouble(), f[3].toInt(), f[4].toInt()};
        (f[0][0] == 'I' ? figures.income : figures.expenses).push_back(flow);
    }
    return figures;
}

// The VPN payment by payment, in long double.
Oracle oracleOf(const Estimates &e)
{
    Oracle sum;
    for (int side = 0; side < 2; ++side) {
        for (const CashFlow &f : side ? e.expenses : e.income) {
            const int kind = f.kind == CashFlow::Single ? 0 : int(f.kind);
            sum.add(Oracle::flow(kind, e.rate, f.amount, f.change,
                                 f.kind == CashFlow::Single ? 1 : f.payments, f.start), side ? -1 : 1);
        }
    }
    return sum;
}

Oracle oracleAt(Estimates e, const Estimate &estimate, double value)
{
    estimate.set(e, value);
    return oracleOf(e);
}

ProjectSnapshot projectOf(int alternatives, int flows)
{
    ProjectSnapshot project;
    for (int a = 0; a < alternatives; ++a) {
        AlternativeSnapshot alternative{QString("Alt %1").arg(a), "10", QString::number(0.08 + 0.01 * a), {}, {}};
        alternative.expenses.append({CashFlow::Single, "Inversión", QString::number(5000 + 100 * a), "", "1", "0"});
        for (int f = 1; f < flows; ++f)
            alternative.income.append({CashFlow::Kind(f % 3), QString("Ventas %1").arg(f),
                                       QString::number(100 + 10 * f), f % 3 == 2 ? "0.02" : "5", "10", "1"});
        project.alternatives.append(alternative);
    }
    return project;
}

QString plainReport(ProjectWindow *w) { return w->report()->toPlainText(); }

} // namespace

class TestSensitivity : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void oracle_data()
    {
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<bool>("rateRoot"); // some rate makes the VPN zero
        QTest::newRow("uniform and single") << "0.1; IU 1000 0 5 1; ES 3000 0 1 0" << true;
        QTest::newRow("arithmetic") << "0.12; IA 800 -40 8 1; EU 200 0 8 1; ES 2500 0 1 0" << true;
        QTest::newRow("geometric, deferred") << "0.08; IG 500 0.05 10 3; ES 2000 0 1 0; EG 100 -0.02 6 2" << true;
        QTest::newRow("negative rate, past start") << "-0.05; IU 300 0 6 -2; EA 100 30 4 0" << false;
        QTest::newRow("only income") << "0.1; IU 100 0 3 1" << false;
    }

    // Each VPN at -p and +p and each break-even against the oracle; the
    // lines sorted by swing.
    void oracle()
    {
        QFETCH(QString, alternative); QFETCH(bool, rateRoot);
        const Estimates figures = parse(alternative);
        const std::vector<Sensitivity::Line> lines = Sensitivity::of(figures, 0.2);
        QCOMPARE(lines.size(), Estimate::quantities(figures).size());
        for (size_t k = 0; k < lines.size(); ++k) {
            const Sensitivity::Line &line = lines[k];
            QVERIFY(k == 0 || lines[k - 1].swing >= line.swing);
            QVERIFY(oracleAt(figures, line.estimate, line.typed * 0.8).near(line.vpnLow));
            QVERIFY(oracleAt(figures, line.estimate, line.typed * 1.2).near(line.vpnHigh));
            // The simulation's valuation of the same figures.
            Estimates drawn = figures;
            line.estimate.set(drawn, line.low);
            QVERIFY(oracleAt(figures, line.estimate, line.low).near(DrawValuation(figures).netWorth(drawn)));
            const std::optional<double> zero = BreakEven::ofNetWorth(figures, line.estimate);
            const Oracle at = zero ? oracleAt(figures, line.estimate, *zero) : Oracle();
            if (zero)
                QVERIFY2(fabsl(at.sum) <= 1e-9L * at.size, qPrintable(QString::number(double(at.sum))));
            QCOMPARE(bool(zero), line.estimate.field != Estimate::Rate || rateRoot);
            if (line.estimate.field == Estimate::Amount) {
                // Linear in an amount: the root from two oracle values.
                const long double v0 = oracleAt(figures, line.estimate, 0).sum;
                const long double v1 = oracleAt(figures, line.estimate, line.typed).sum;
                const long double root = -v0 * line.typed / (v1 - v0);
                QVERIFY(zero && fabsl(*zero - root) <= 1e-9L * (fabsl(root) + 1));
            }
        }
    }

    // Where the best stops being the best: its VPN meets the runner-up's.
    void lead()
    {
        const std::vector<Estimates> all = {parse("0.1; IU 1000 0 5 1; ES 3000 0 1 0"),
                                            parse("0.1; IU 600 0 5 1; ES 1500 0 1 0")};
        for (const Estimate &estimate : Estimate::quantities(all[0])) {
            const std::optional<double> lead = BreakEven::ofLead(all, 0, estimate, false);
            QVERIFY(lead);
            const Oracle best = oracleAt(all[0], estimate, *lead);
            const Oracle rival = oracleOf(all[1]);
            QVERIFY(fabsl(best.sum - rival.sum) <= 1e-9L * (best.size + rival.size));
        }
    }

    // After taxes the tax rate, the asset's cost and sale value and the
    // loan's rate are varied, the decision flow made again from them: at 0
    // each equals the VPN "Comparar" shows, and a higher tax rate moves it
    // as the textbook's arithmetic says.
    void afterTax()
    {
        AlternativeFigures lathe;
        lathe.name = "Torno";
        lathe.horizon = 5;
        lathe.rate = 0.12;
        lathe.income = {{"Ventas", {CashFlow::Uniform, 20000, 0, 5, 1}}};
        lathe.expenses = {{"Operación", {CashFlow::Uniform, 3000, 0, 5, 1}}};
        lathe.taxRate = 0.3;
        lathe.assets = {{"Torno", {50000, 0, 5, 5000, DepreciableAsset::StraightLine, 2, 5, 5, 8000}}};
        lathe.loans = {{"Banco", {30000, 0, 0.1, 5, 0, LoanTerms::LevelPayment}}};
        AfterTaxFigures::apply(&lathe);
        const Estimates figures = SensitivityReport::estimatesOf(lathe);
        QStringList labels;
        for (const Sensitivity::Line &line : Sensitivity::of(figures, 0.0)) {
            labels << SensitivityReport::plainLabel(lathe, line.estimate);
            const double vpn = lathe.valuation().netWorth(lathe.rate);
            QVERIFY(std::fabs(line.vpnLow - vpn) < 1e-6 && std::fabs(line.vpnHigh - vpn) < 1e-6);
        }
        labels.sort();
        QCOMPARE(labels.join('|'), QString("Banco: tasa|Interés de Oportunidad|Tasa de Impuestos|Torno: costo|"
                                           "Torno: valor de venta|«Operación»|«Ventas»"));
        const auto vpnAt = [](long double T) {
            long double vpn = -50000 + 30000, balance = 30000;
            const long double cuota = 30000 * 0.1L / (1 - powl(1.1L, -5));
            for (int t = 1; t <= 5; ++t) {
                const long double interest = balance * 0.1L;
                vpn += ((1 - T) * 17000 + T * 9000 + (t == 5 ? 8000 - T * 3000 : 0) - cuota + T * interest)
                    / powl(1.12L, t);
                balance -= cuota - interest;
            }
            return vpn;
        };
        for (const Sensitivity::Line &line : Sensitivity::of(figures, 0.2)) {
            if (line.estimate.field == Estimate::TaxRate)
                QVERIFY(fabsl(line.vpnHigh - vpnAt(0.36L)) < 0.05L && fabsl(line.vpnLow - vpnAt(0.24L)) < 0.05L);
        }
        MonteCarlo::Outcome outcome;
        QCOMPARE(MonteCarlo({figures}, 0.3).run(500, 1, 2, &outcome), MonteCarlo::Result::Done);
        QVERIFY(std::isfinite(outcome.vpn[0][499]) && outcome.vpn[0][0] != outcome.vpn[0][1]);
    }

    // VPN = 10 G with G triangular from -0.5 T to 2.5 T, mode T: the mean
    // and P(VPN > 0) within four standard errors of the exact values.
    void triangular()
    {
        const double p = 1.5, T = 40.0;
        const Estimates figures = parse("0; IA 0 40 5 0");
        MonteCarlo::Outcome outcome;
        QCOMPARE(MonteCarlo({figures}, p).run(20000, 7, 2, &outcome), MonteCarlo::Result::Done);
        const TriangularDraw g = TriangularDraw::around(T, p);
        const double n = 20000, a = g.low, b = g.high, c = g.mode;
        long double sum = 0;
        long long positive = 0;
        for (const double vpn : outcome.vpn[0]) {
            sum += vpn;
            positive += vpn > 0;
        }
        QVERIFY(fabs(double(sum / n) - 10 * g.mean()) <= 4 * 10 * sqrt(g.variance() / n));
        const double exact = 1 - a * a / ((b - a) * (c - a)); // 1 - F(0)
        QVERIFY(fabs(positive / n - exact) <= 4 * sqrt(exact * (1 - exact) / n));
    }

    // The same seed, the same draws, on any number of threads.
    void determinism()
    {
        std::vector<Estimates> all;
        for (const char *text : {"0.1; IU 1000 0 5 1; ES 3000 0 1 0", "0.1; IG 500 0.05 5 1; ES 2000 0 1 0",
                                 "0.09; IA 700 20 5 1; ES 2800 0 1 0"})
            all.push_back(parse(text));
        const MonteCarlo simulation(all, 0.3);
        MonteCarlo::Outcome one, two, three, other;
        simulation.run(1234, 42, 1, &one);
        simulation.run(1234, 42, 2, &two);
        simulation.run(1234, 42, 3, &three);
        simulation.run(1234, 43, 2, &other);
        QVERIFY(one.vpn == two.vpn && one.vpn == three.vpn && one.wins == two.wins && one.wins == three.wins);
        QVERIFY(one.vpn != other.vpn);
        QCOMPARE(one.wins[0] + one.wins[1] + one.wins[2], 1234LL);
    }

    // The button and spin boxes of the real window, the seed shown and kept.
    void window()
    {
        w->document()->setProject(projectOf(2, 4));
        auto *controls = w->sensitivityControls();
        auto *variation = w->findChild<QSpinBox *>("sbVariacion");
        QCOMPARE(variation->value(), 10);
        QCOMPARE(w->findChild<QSpinBox *>("sbSimulaciones")->value(), 10000);
        variation->setValue(20);
        QCOMPARE(QSettings().value("sensitivity/variation").toInt(), 20);
        w->findChild<QPushButton *>("pbSensibilidad")->click();
        QCOMPARE(w->shownReport(), ProjectWindow::Report::Sensitivity);
        const QString seed = w->findChild<QLabel *>("lbSemilla")->text();
        QVERIFY(seed.startsWith("Semilla ") && plainReport(w).contains(seed));
        for (const QString probe : {"VPN con \u221220 %", "VPN = 0 con", "deja de ser la mejor si",
                                    "P(VPN > 0) = ", "Probabilidad de ser la mejor", "10 000 simulaciones"})
            QVERIFY2(plainReport(w).contains(probe), qPrintable(probe));
        QCOMPARE(w->report()->document()->toHtml().count("quintavo:"), 6); // tornado, spider, histogram of each
        const ReportDocument again = w->sensitivityDocument();
        QCOMPARE(again, w->sensitivityDocument());
        w->findChild<QPushButton *>("pbOtraSemilla")->click();
        QVERIFY(w->findChild<QLabel *>("lbSemilla")->text() != seed);
        QVERIFY(w->sensitivityDocument() != again);
        QCOMPARE(controls->settings().variation, 0.2);
    }

    // A long simulation goes on in the background with its progress;
    // "Cancelar" leaves the report shown before, a finished one replaces it.
    void background()
    {
        w->document()->setProject(projectOf(20, 20));
        w->showComparison();
        const QString before = plainReport(w);
        w->findChild<QSpinBox *>("sbSimulaciones")->setValue(1000000);
        w->findChild<QPushButton *>("pbSensibilidad")->click();
        auto *cancel = w->findChild<QPushButton *>("pbCancelar");
        QVERIFY(cancel->isVisible() && w->findChild<QProgressBar *>("pbProgreso")->isVisible());
        QTest::qWait(200); // the window stays responsive meanwhile
        cancel->click();
        QVERIFY(!cancel->isVisible());
        QCOMPARE(w->shownReport(), ProjectWindow::Report::Comparison);
        QCOMPARE(plainReport(w), before);

        w->findChild<QSpinBox *>("sbSimulaciones")->setValue(40000);
        QSignalSpy shown(w, &ProjectWindow::reportShown);
        w->findChild<QPushButton *>("pbSensibilidad")->click();
        QVERIFY(shown.count() || shown.wait(60000));
        QCOMPARE(w->shownReport(), ProjectWindow::Report::Sensitivity);
        QVERIFY(plainReport(w).contains("40 000 simulaciones"));
    }
};

QTEST_MAIN(TestSensitivity)
#include "tst_sensitivity.moc"
