// "Detallar": each flow's worth in factor notation against the oracle, and
// every figure of "Comparar" shown the same in it.
#include "comparisonreport.h"
#include "oracle.h"
#include "reportformat.h"
#include "workedsolution.h"
#include "worthformula.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

using LD = long double;

class TestDetail : public QObject
{
    Q_OBJECT

private slots:
    void formula_data()
    {
        QTest::addColumn<int>("kind"); // CashFlow::Kind
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("n"); // -1: perpetual
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("symbols"); // a no-break space written as '_'
        QTest::newRow("uniform") << 0 << 0.1 << 3500.0 << 0.0 << 5 << 1
            << "3_500.00 × (P/A, 10 %, 5) × (P/F, 10 %, 0)";
        QTest::newRow("uniform, start 0") << 0 << 0.08 << 100.0 << 0.0 << 4 << 0
            << "100.00 × (P/A, 8 %, 4) × (F/P, 8 %, 1)";
        QTest::newRow("uniform, negative start") << 0 << 0.1 << 100.0 << 0.0 << 5 << -2
            << "100.00 × (P/A, 10 %, 3) × (F/P, 10 %, 1)";
        QTest::newRow("arithmetic, deferred") << 1 << 0.12 << 200.0 << 50.0 << 6 << 4
            << "[200.00 × (P/A, 12 %, 6) + 50.00 × (P/G, 12 %, 6)] × (P/F, 12 %, 3)";
        QTest::newRow("arithmetic, rate 0") << 1 << 0.0 << 200.0 << -20.0 << 5 << 1
            << "[200.00 × (P/A, 0 %, 5) + -20.00 × (P/G, 0 %, 5)] × (P/F, 0 %, 0)";
        QTest::newRow("geometric") << 2 << 0.1 << 1000.0 << 0.05 << 8 << 2
            << "1_000.00 × (P/A1, 5 %, 10 %, 8) × (P/F, 10 %, 1)";
        QTest::newRow("geometric, g = i") << 2 << 0.1 << 1000.0 << 0.1 << 5 << 1
            << "1_000.00 × 5/(1 + 0.1) × (P/F, 10 %, 0)";
        QTest::newRow("single") << 3 << 0.1 << 5000.0 << 0.0 << 1 << 7
            << "5_000.00 × (P/F, 10 %, 7)";
        QTest::newRow("single, now") << 3 << 0.1 << 5000.0 << 0.0 << 1 << 0
            << "5_000.00 × (P/F, 10 %, 0)";
        QTest::newRow("perpetual uniform") << 0 << 0.1 << 1000.0 << 0.0 << -1 << 3
            << "1_000.00 / 0.1 × (P/F, 10 %, 2)";
        QTest::newRow("perpetual arithmetic, start 0") << 1 << 0.1 << 1000.0 << 20.0 << -1 << 0
            << "(1_000.00 / 0.1 + 20.00 / 0.1²) × (F/P, 10 %, 1)";
        QTest::newRow("perpetual geometric") << 2 << 0.12 << 500.0 << 0.04 << -1 << 1
            << "500.00 / (0.12 − 0.04) × (P/F, 12 %, 0)";
    }

    // The shown formula; each factor to six decimals as its definition in
    // long double gives it; the worth as the oracle values it, and rebuilt
    // from the shown amounts and factors within their rounding.
    void formula()
    {
        QFETCH(int, kind); QFETCH(double, i); QFETCH(double, a); QFETCH(double, b);
        QFETCH(int, n); QFETCH(int, s); QFETCH(QString, symbols);
        CashFlow flow{CashFlow::Kind(kind), a, b, std::max(n, 0), s, n < 0};
        const WorthFormula f = WorthFormula::of(flow, i);
        QCOMPARE(f.symbols, symbols.replace('_', QChar(0x00A0)));

        const LD li = i, lg = b;
        const int m = n + std::min(s, 0);
        const int first = std::max(s, 0);
        std::vector<LD> factors; // the definitions, term by term
        Oracle oracle;
        if (kind == CashFlow::Single) {
            factors = {powl(1 + li, -s)};
            oracle = Oracle::flow(0, li, a, 0, 1, s);
        } else if (n < 0) {
            factors = kind == 0 ? std::vector<LD>{1 / li}
                : kind == 1 ? std::vector<LD>{1 / li, 1 / (li * li)} : std::vector<LD>{1 / (li - lg)};
            oracle = Oracle::perpetual(kind, li, a, b, s);
        } else {
            const LD pa = Oracle(0, li, 1, 0, 1, m, 0).sum;
            factors = kind == 0 ? std::vector<LD>{pa}
                : kind == 1 ? std::vector<LD>{pa, Oracle(1, li, 0, 1, 1, m, 0).sum}
                            : std::vector<LD>{Oracle(2, li, 1, lg, 1, m, 0).sum};
            oracle = Oracle::flow(kind, li, a, b, n, s);
        }
        const LD move = kind == CashFlow::Single ? 1 : first == 0 ? 1 + li : powl(1 + li, -(first - 1));
        QVERIFY2(oracle.near(f.worth), qPrintable(QString::number(f.worth, 'g', 17)));
        QCOMPARE(f.terms.size(), factors.size());
        const auto shown = [](LD value) { return QString::number(double(value), 'f', 6); };
        LD rebuilt = 0, slack = 0;
        for (size_t t = 0; t < factors.size(); ++t) {
            QCOMPARE(WorthFormula::factor(f.terms[t].factor), shown(factors[t]));
            QVERIFY(f.values.contains(WorthFormula::factor(f.terms[t].factor)));
            const LD amount = f.terms[t].amount;
            rebuilt += amount * shown(factors[t]).toDouble();
            slack += fabsl(amount) * (5e-7L * move + 5e-7L * fabsl(factors[t]) + 1e-12L);
        }
        QCOMPARE(WorthFormula::factor(f.move), shown(move));
        QVERIFY(f.values.endsWith(QString::fromUtf8(" × ") + shown(move)) || kind == CashFlow::Single);
        rebuilt *= kind == CashFlow::Single ? 1 : shown(move).toDouble();
        QVERIFY2(fabsl(rebuilt - f.worth) <= slack + 0.005L, qPrintable(f.values));
        QVERIFY(f.line().endsWith(ReportFormat::amount(f.worth)) || !f.note.isEmpty());
        QCOMPARE(f.note.isEmpty(), s >= 0 && !(i == 0.0 && kind < 2));
    }

    // Payments all before period 0, and a perpetual series that never converges.
    void nothingOrEndless()
    {
        const WorthFormula gone = WorthFormula::of({CashFlow::Uniform, 100, 0, 3, -3, false}, 0.1);
        QVERIFY(!gone.shown && gone.worth == 0.0 && gone.line().contains("antes del período 0"));
        const WorthFormula endless = WorthFormula::of({CashFlow::Geometric, 100, 0.2, 0, 1, true}, 0.1);
        QCOMPARE(endless.line(), QString::fromUtf8("VP = 100.00 / (0.1 − 0.2) = ∞. La serie no converge con i = 10 %: su valor no tiene fin."));
    }

    // Every figure of "Comparar" (the table's cells) appears as such in "Detallar".
    void figuresOfComparison()
    {
        ProjectFigures project;
        AlternativeFigures a{"<Planta & Ñandú>", 5, 0.1, false, {{"Ventas", {CashFlow::Uniform, 3500, 0, 5, 1, false}}},
                             {{"Compra", {CashFlow::Single, 10000, 0, 1, 0, false}},
                              {"Mantenimiento", {CashFlow::Arithmetic, 200, 50, 5, 1, false}}}};
        AlternativeFigures b{"Otra", 5, 0.1, false, {{"Ventas", {CashFlow::Geometric, 2000, 0.05, 5, 1, false}}},
                             {{"Compra", {CashFlow::Single, 6000, 0, 1, 0, false}}}};
        project.alternatives = {a, b};
        const QString comparison = ComparisonReport::document(project, 480).html;
        QRegularExpression cell("<td align=\"center\">([^<]*)</td>");
        QStringList figures;
        for (auto m = cell.globalMatch(comparison); m.hasNext();)
            figures << m.next().captured(1);
        QVERIFY(figures.size() >= 2 * 9); // the table first, then the incremental analysis
        for (int k = 0; k < 2; ++k) {
            QTextDocument shown; // as read: markup that breaks would hide a figure
            shown.setHtml(WorkedSolution::alternative(project.alternatives.at(k), 5));
            const QString detail = shown.toPlainText();
            for (int row = 0; row < 9; ++row) {
                const QString figure = QString(figures.at(2 * row + k)).replace(QChar(0x00A0), ' ');
                QVERIFY2(detail.contains(" = " + figure + "\n") || detail.contains(" = " + figure + " (") || detail.contains(" = " + figure + ":"),
                         qPrintable(figure + "\n" + detail));
            }
        }
        const QString whole = WorkedSolution::document(project, 24000).html;
        QVERIFY(whole.contains("&lt;Planta &amp; Ñandú&gt;") && !whole.contains("<Planta"));
        QVERIFY(whole.contains("Análisis incremental"));
        QVERIFY(whole.contains(QString::fromUtf8("VP = 3\u00A0500.00 × (P/A, 10 %, 5) × (P/F, 10 %, 0) = "
                                                 "3\u00A0500.00 × 3.790787 × 1.000000 = 13\u00A0267.75")));
    }
};

QTEST_MAIN(TestDetail)
#include "tst_detail.moc"
