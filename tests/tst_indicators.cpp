// "Comparar": VPI, VPE, VPN, VAE, TIR and B/C side by side, and the best
// alternative named; both reports carry their pictures. Projects are typed as
// snapshots; the expected figures come from each payment discounted one by one.
#include "cashflowdiagram.h"
#include "driver.h"
#include "oracle.h"

#include <cmath>

namespace {

using LD = long double;
// Each alternative as {name, N, rate, flows...}, a flow "I|E payment n start"
// paying uniformly from start >= 0, or once in period start when n is "u".
using Project = QList<QStringList>;

// Worth now at r of the flows' income (side 1), expenses (-1) or net (0),
// payment by payment; adds the payments' absolute worths to *magnitude.
LD worth(const QStringList &flows, LD r, int side = 0, LD *magnitude = nullptr)
{
    LD sum = 0;
    for (const QString &flow : flows) {
        const QStringList f = flow.split(' ');
        const int sign = f.at(0) == "I" ? 1 : -1;
        const int n = f.at(2) == "u" ? 1 : f.at(2).toInt();
        const Oracle one = Oracle::flow(0, r, sign * f.at(1).toDouble(), 0, n, f.at(3).toInt());
        sum += side == 0 || side == sign ? one.sum : 0;
        if (magnitude)
            *magnitude += one.size;
    }
    return sum;
}

double shown(const QString &cell) { return QString(cell).remove(QChar(0x00A0)).toDouble(); }

} // namespace

class TestIndicators : public QObject
{
    Q_OBJECT

private slots:
    void comparison_data()
    {
        QTest::addColumn<Project>("project");
        QTest::addColumn<QString>("sentence"); // amounts worked out payment by payment
        QTest::newRow("equal horizons") // A's TIR is the textbook 0.152382
            << Project{{"A", "5", "0.1", "E 1000 u 0", "I 300 5 1"}, {"B", "5", "0.08", "E 500 1 0", "I 190 5 1"}}
            << "La mejor alternativa es «B»: tiene el mayor VPN (258.61).";
        QTest::newRow("unequal horizons: B's VPN is larger, A's VAE")
            << Project{{"A", "3", "0.1", "E 1000 1 0", "I 450 3 1"}, {"B", "6", "0.1", "E 1000 1 0", "I 260 6 1"}}
            << "La mejor alternativa es «A»: tiene el mayor VAE (47.89); horizontes distintos: se compara el VAE.";
        QTest::newRow("tie, names escaped") << Project{{"I&D <b>", "4", "0.1", "I 10 4 1"}, {"Otra", "4", "0.1", "I 10 4 1"},
                                                      {"Sur", "4", "0.1"}}
            << "Las mejores alternativas son «I&D <b>» y «Otra», empatadas con el mayor VPN (31.70).";
        QTest::newRow("TIRs 0.1 and 0.2, a TIR < 0, all VPN < 0")
            << Project{{"Compra", "2", "0.05", "E 100 1 0", "I 230 1 1", "E 132 1 2"}, {"Gasto", "0", "0.1", "E 50 1 0"},
                       {"Este", "1", "0.2", "E 300 1 0", "I 100 1 1"}}
            << "Ninguna alternativa rinde su interés de oportunidad: todas tienen VPN negativo.";
    }

    void comparison()
    {
        QFETCH(Project, project);
        QFETCH(QString, sentence);
        ProjectSnapshot snapshot;
        for (const QStringList &a : project) {
            AlternativeSnapshot typed{a.at(0), a.at(1), a.at(2), {}, {}};
            for (const QString &flow : a.mid(3)) {
                const QStringList f = flow.split(' ');
                (f.at(0) == "I" ? typed.income : typed.expenses)
                    << (f.at(2) == "u" ? FlowSnapshot{CashFlow::Single, "Pago", f.at(1), {}, {}, f.at(3)}
                                       : FlowSnapshot{CashFlow::Uniform, "Pago", f.at(1), "0", f.at(2), f.at(3)});
            }
            snapshot.alternatives << typed;
        }
        ProjectWindow window(snapshot);
        window.showComparison();
        QTextDocument *document = window.report()->document();
        const Rows rows = reportTables(window.report()).value(0);
        const auto cell = [&rows](int row, int column) { return rows.value(row).value(column); };
        QVERIFY(rows.size() == 7 && rows.at(0).size() == project.size() + 1);
        QCOMPARE(cell(1, 0) + cell(2, 0) + cell(3, 0) + cell(4, 0) + cell(5, 0) + cell(6, 0),
                 QStringLiteral("VPIVPEVPNVAETIRB/C"));

        for (int a = 0; a < project.size(); ++a) {
            const QStringList flows = project.at(a).mid(3);
            const LD i = project.at(a).at(2).toDouble();
            const int n = project.at(a).at(1).toInt();
            // VAE: the payment in periods 1..N worth the VPN; B/C: VPI / VPE.
            LD annuity = 0;
            for (int p = 1; p <= n; ++p)
                annuity += 1 / std::pow(1 + i, LD(p));
            const LD vae = worth(flows, i) / annuity, vpe = -worth(flows, i, -1);
            const LD worths[] = {worth(flows, i, 1), vpe, worth(flows, i)}; // VPI, VPE, VPN
            QCOMPARE(cell(0, a + 1), project.at(a).at(0));
            for (int r = 0; r < 3; ++r)
                QVERIFY(std::fabs(shown(cell(r + 1, a + 1)) - worths[r]) <= 0.005L + 1e-9L);
            QVERIFY(n > 0 ? std::fabs(shown(cell(4, a + 1)) - vae) <= 0.005L + 1e-9L : cell(4, a + 1) == "\u2014");
            QVERIFY(vpe ? std::fabs(shown(cell(6, a + 1)) - worth(flows, i, 1) / vpe) <= 5e-4L + 1e-9L
                        : cell(6, a + 1) == "\u2014");

            // Each TIR zeroes the net worth (to its six digits); as many as the
            // net worth changes sign on a grid even in log(1 + r), -0.99..100.
            const QStringList tirs = cell(5, a + 1).replace(QChar(0x00A0), u' ').split("; "); // kept on one line
            for (const QString &tir : tirs) {
                LD magnitude = 0;
                QVERIFY2(tir == "no existe" || std::fabs(worth(flows, tir.toDouble(), 0, &magnitude)) <= 1e-5L * magnitude,
                         qPrintable(tir));
            }
            const auto grid = [](int k) { return std::expm1(std::log(0.01L) + k * std::log(10100.0L) / 2000); };
            int changes = 0;
            for (int k = 1; k <= 2000; ++k)
                changes += (worth(flows, grid(k)) < 0) != (worth(flows, grid(k - 1)) < 0);
            QCOMPARE(tirs.at(0) == "no existe" ? 0 : tirs.size(), changes);
            QCOMPARE(document->toPlainText().contains("La TIR de «" + project.at(a).at(0)
                                                      + "» no es única: su flujo neto cambia de signo más de una vez."),
                     changes > 1);
        }
        QVERIFY2(document->toPlainText().contains(sentence), qPrintable(document->toPlainText()));

        // The pictures are the document's own, as wide as its page.
        const auto image = [document](const QString &name) {
            return document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        };
        QCOMPARE(image("quintavo:profile").width(), window.reports()->pictureWidth());
        window.showCashFlows();
        QVERIFY(image("quintavo:profile").isNull());
        for (int a = 0; a < project.size(); ++a) {
            const QString name = QStringLiteral("quintavo:diagram/%1").arg(a);
            QCOMPARE(image(name).size(), QSize(window.reports()->pictureWidth(), CashFlowDiagram::Height));
            QVERIFY(document->toHtml().contains("src=\"" + name + "\""));
        }
    }
};

QTEST_MAIN(TestIndicators)
#include "tst_indicators.moc"
