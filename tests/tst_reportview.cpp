// The reports as a reader sees them: the cash-flow tables, amounts to the cent,
// wide tables that scroll, a report that cannot be edited, follows the
// project and names the cells it read as 0; "Comparar": VPI, VPE, VPN, VAE,
// TIR and B/C side by side and the best alternative named, for projects typed
// as snapshots, against each payment discounted one by one; the cash-flow
// diagram and the VPN profile, and both reports carrying them.
#include "cashflowdiagram.h"
#include "driver.h"
#include "figuredelegate.h"
#include "mainwindow.h"
#include "oracle.h"
#include "projectsnapshot.h"
#include "reportformat.h"
#include "reportreflow.h"
#include "vpnprofile.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

#include <cmath>

namespace {

using LD = long double;
// Each alternative as {name, N, rate, flows...}, a flow as driver.h's addFlow() takes it.
using Project = QList<QStringList>;

// Worth now at r of an alternative's income (side 1), expenses (-1) or net (0),
// payment by payment.
Oracle worthOf(const AlternativeFigures &a, LD r, int side = 0)
{
    Oracle sum;
    for (const int sign : {1, -1}) {
        for (const auto &f : sign > 0 ? a.income : a.expenses) {
            if (!side || side == sign)
                sum.add(Oracle::flow(f.figures.kind, r, f.figures.amount, f.figures.change, f.figures.payments, f.figures.start), sign);
        }
    }
    return sum;
}

double shown(const QString &cell) { return QString(cell).remove(QChar(0x00A0)).toDouble(); }


} // namespace

class TestReportView : public WindowTest
{
    Q_OBJECT

    void click(const char *button) { QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton); }

private slots:
    // "Visualizar": the cash-flow table of each alternative as a user reads it.
    void table_data()
    {
        QTest::addColumn<QStringList>("alternative"); // name, horizon
        QTest::addColumn<QStringList>("flows");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<int>("cells"); // the window's cell limit, 0 for its own
        // Money to the cent, grouped by no-break spaces; the Total is the net flow; payments after
        // the horizon left out. The schedule itself is checked payment by payment in tst_schedule.
        QTest::newRow("formats, names as typed") << QStringList{"I&D <2027> %1 %2", "2"}
            << QStringList{"IU|<b>%3</b> & %1|2000000|1|0", "IA|Media|12.5|0.25|3|1", "EG|Costo|1234560|0.5|1|2"}
            << Rows{{"I&D <2027> %1 %2"}, {"Concepto", "0", "1", "2"}, {"Ingresos"},
                    {"<b>%3</b> & %1", u8"2\u00a0000\u00a0000.00", "0", "0"}, {"Media", "0", "12.50", "12.75"},
                    {"Egresos"}, {"Costo", "0", "0", u8"1\u00a0234\u00a0560.00"},
                    {"Total", u8"2\u00a0000\u00a0000.00", "12.50", u8"-1\u00a0234\u00a0547.25"}} << 0;
        // A single payment pays in its one period: not before 0, nor past the horizon.
        QTest::newRow("single payments") << QStringList{"U", "2"}
            << QStringList{"IS|Salvamento|1000|2", "IS|Antes|7|-1", "IS|Después|9|3", "ES|Inversión|2500|0"}
            << Rows{{"U"}, {"Concepto", "0", "1", "2"}, {"Ingresos"}, {"Salvamento", "0", "0", u8"1\u00a0000.00"},
                    {"Antes", "0", "0", "0"}, {"Después", "0", "0", "0"}, {"Egresos"}, {"Inversión", u8"2\u00a0500.00", "0", "0"},
                    {"Total", u8"-2\u00a0500.00", "0", u8"1\u00a0000.00"}} << 0;
        QTest::newRow("horizon INT_MIN, read as 0") << QStringList{"Atras", "-2147483648"} << QStringList{"EU|Renta|5|1|0"}
            << Rows{{"Atras"}, {"Concepto", "0"}, {"Ingresos"}, {"Egresos"}, {"Renta", "5.00"}, {"Total", "-5.00"}} << 0;
        // Room for 3 periods of 3 rows: of a horizon of 3 the first 3 periods are shown, and the notice says so.
        QTest::newRow("cut short") << QStringList{"Largo", "3"} << QStringList{"IU|Siempre|1|2147483647|-5"}
            << Rows{{"Largo"}, {"El horizonte de 3 períodos es demasiado largo para mostrarlo entero; se muestran los períodos 0 a 2 de 3."},
                    {"Concepto", "0", "1", "2"}, {"Ingresos"}, {"Siempre", "1.00", "1.00", "1.00"}, {"Egresos"},
                    {"Total", "1.00", "1.00", "1.00"}} << 9;
    }

    void table()
    {
        QFETCH(QStringList, alternative); QFETCH(QStringList, flows); QFETCH(Rows, expected); QFETCH(int, cells);
        if (cells)
            w->setCellLimit(cells);
        fill(w, first(), alternative);
        for (const QString &flow : flows)
            addFlow(w, first(), flow);
        w->showCashFlows();
        // The title band, then the diagram, then the table.
        QCOMPARE(reportTables(w->report()), (QList<Rows>{expected.mid(0, 1), expected.mid(1)}));
        const QString html = w->cashFlowDocument().html;
        const int title = html.indexOf(ReportFormat::name(alternative.at(0)));
        QVERIFY(title > 0 && title < html.indexOf("<img") && html.indexOf("<img") < html.indexOf("Concepto"));
    }

    // Grouping and negative amounts are read in table() above.
    void amountFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        const QString nb(QChar(0x00A0));
        QTest::newRow("rounds to zero") << -0.004 << "0.00";
        QTest::newRow("below 1e15") << 999999999999999.0 << QString("999" + nb).repeated(4) + "999.00";
        QTest::newRow("1e15") << 1e15 << "1e+15";
        QTest::newRow("inf") << double(INFINITY) << "inf";
        QTest::newRow("nan") << double(NAN) << "nan";
    }

    void amountFormat()
    {
        QFETCH(double, value); QFETCH(QString, shown);
        QCOMPARE(ReportFormat::amount(value), shown);
    }

    // The totals are checked against their payments in tst_schedule.
    void wideTableScrolls()
    {
        fill(w, first(), {"Planta", "20", "0.08"});
        for (const char *flow : {"IG|a|25000000|0.03|20|1", "EU|b|150000000|1|0", "EA|c|2000000|150000|20|1"})
            addFlow(w, first(), flow);
        click("pbVisualizar");
        // The table keeps its natural width, each cell on one line, and scrolls.
        QTextEdit *report = w->report();
        QTRY_VERIFY(report->horizontalScrollBar()->maximum() > 0);
        QVERIFY(report->document()->size().width() > report->viewport()->width());
        QVERIFY(report->document()->size().height() - CashFlowDiagram::Height
                < 20 * report->fontMetrics().height());
        // Typing, deleting and pasting over a selection leave the report as built.
        const QString before = report->toHtml();
        report->selectAll();
        QTest::keyClicks(report, "999");
        QTest::keyClick(report, Qt::Key_Delete);
        QTest::keyClick(report, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(report->toHtml(), before);
    }

    // A resize re-lays out the report: its diagram drawn again to the new width, once the resizing stops.
    void followsWidth()
    {
        fill(w, first(), {"Planta", "3", "0.1"});
        w->resize(800, 500);
        w->showCashFlows();
        const auto diagramWidth = [this]() {
            return w->report()->document()->resource(QTextDocument::ImageResource, QUrl(CashFlowReport::diagramName(0)))
                .value<QImage>().width();
        };
        const int before = diagramWidth();
        QSignalSpy shown(w, &ProjectWindow::reportShown);
        for (int step = 1; step <= 5; ++step) {
            w->resize(800 + 60 * step, 500);
            QTest::qWait(20);
        }
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY2(diagramWidth() > before + 150, qPrintable(QString("%1 %2").arg(before).arg(diagramWidth())));
        QTest::qWait(2 * ReportReflow::SettleMs);
        QCOMPARE(shown.count(), 1);
    }

    void changesFollowed_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("limitMs"); // 0: every build counts as slow
        QTest::newRow("cash flows, fast") << QByteArray("pbVisualizar") << INT_MAX;
        QTest::newRow("comparison, slow") << QByteArray("pbComparar") << 0;
        QTest::newRow("worked solution, fast") << QByteArray("pbDetallar") << INT_MAX;
    }

    void changesFollowed()
    {
        QFETCH(QByteArray, button); QFETCH(int, limitMs);
        fill(w, first(), {"Antes", "2", "0.1"});
        click(button.constData());
        w->setRefreshLimit(limitMs);
        QSignalSpy builds(w->report(), &QTextEdit::textChanged);

        // A burst: a renamed alternative, a new one and a new flow.
        fill(w, first(), {"Después"});
        addAlternative(w, "Otra");
        addFlow(w, first()->child(0), 0);
        QCoreApplication::processEvents();
        QCOMPARE(builds.count(), limitMs ? 1 : 0);
        QCOMPARE(w->reportOutOfDate(), !limitMs);
        QCOMPARE(w->report()->toHtml().contains("Después"), bool(limitMs));

        click(button.constData());
        QVERIFY(!w->reportOutOfDate());
        QVERIFY(w->report()->toHtml().contains("Después"));
    }

    void unreadCellsNamed()
    {
        QVERIFY(!MainWindow::applicationIcon().isNull());
        fill(w, first(), {"<Compra>", "3", "0,1"});
        QCOMPARE(first()->foreground(0).color(), QColor(FigureDelegate::UnreadableHighlight));
        addFlow(w, first(), "IU|Pago|1,5|dos|x");
        addFlow(w, first(), "EU|Pago|1|2.5|1e3");
        addFlow(w, first(), "EA|Pago|1|%|1|1");
        click("pbComparar");
        QCOMPARE(w->report()->document()->firstBlock().text(),
                 QStringLiteral("Atención: se leyeron como 0 «0,1» en Interés de Oportunidad de «<Compra>», "
                                "«1,5» en Anualidad de «Pago», «dos» en Número Períodos de «Pago», "
                                "«x» en Inicia en de «Pago», «2.5» en Número Períodos de «Pago» y 2 más."));
        fill(w, first(), {QString(), QString(), "0.1"});
        QCOMPARE(first()->data(0, Qt::ForegroundRole), QVariant());
    }

    void comparison_data()
    {
        QTest::addColumn<Project>("project");
        QTest::addColumn<QString>("sentence"); // amounts worked out payment by payment
        QTest::addColumn<QString>("tirs"); // how many each alternative has, as its net flow changes sign
        QTest::addColumn<QString>("decision"); // TIRM, PR, PRD of the first, worked out by hand
        QTest::newRow("equal horizons") // A's TIR is the textbook 0.152382
            << Project{{"A", "5", "0.1", "ES|P|1000|0", "IU|P|300|5|1"}, {"B", "5", "0.08", "EU|P|500|1|0", "IU|P|190|5|1"}}
            << "La mejor alternativa es «B»: tiene el mayor VPN (258.61)." << "11" << "0.128659 3.33 4.26";
        QTest::newRow("unequal horizons: B's VPN is larger, A's VAE")
            << Project{{"A", "3", "0.1", "EU|P|1000|1|0", "IU|P|450|3|1"}, {"B", "6", "0.1", "EU|P|1000|1|0", "IU|P|260|6|1"}}
            << "La mejor alternativa es «A»: tiene el mayor VAE (47.89); horizontes distintos: se compara el VAE." << "11"
            << "0.142037 2.22 2.65";
        QTest::newRow("tie, names escaped") << Project{{"I&D <b>", "4", "0.1", "IU|P|10|4|1"}, {"Otra", "4", "0.1", "IU|P|10|4|1"},
                                                      {"Sur", "4", "0.1"}}
            << "Las mejores alternativas son «I&D <b>» y «Otra», empatadas con el mayor VPN (31.70)." << "000"
            << "— 0.00 0.00";
        QTest::newRow("TIRs 0.1 and 0.2, a TIR < 0, all VPN < 0")
            << Project{{"Compra", "2", "0.05", "EU|P|100|1|0", "IU|P|230|1|1", "EU|P|132|1|2"}, {"Gasto", "0", "0.1", "EU|P|50|1|0"},
                       {"Este", "1", "0.2", "EU|P|300|1|0", "IU|P|100|1|1"}}
            << "Ninguna alternativa rinde su interés de oportunidad: todas tienen VPN negativo." << "201"
            << "0.0483734 no se recupera no se recupera";
        // Costs only, or costs and a salvage value: one must be chosen anyway.
        QTest::newRow("services: the least cost")
            << Project{{"Máquina X", "3", "10%", "ES|C|10000|0", "EU|U|2000|3|1", "IS|Salvamento|1000|3"},
                       {"Máquina Y", "3", "0.1", "ES|C|8000|0", "EU|U|3000|3|1"}}
            << u8"Ninguna alternativa rinde su interés de oportunidad: todas tienen VPN negativo. Si hay que "
               u8"elegir una, la de menor costo es «Máquina X» (VPN -14 222.39)." << "00"
            << "— no se recupera no se recupera";
        QTest::newRow("one alternative, rate in per cent") << Project{{"A", "5", "12.5 %", "ES|P|1000|0", "IU|P|300|5|1"}}
            << "«A» rinde más que su interés de oportunidad: VPN 68.17." << "1" << "0.139936 3.33 4.59";
    }

    void comparison()
    {
        QFETCH(Project, project); QFETCH(QString, sentence); QFETCH(QString, tirs); QFETCH(QString, decision);
        for (int a = 0; a < project.size(); ++a) {
            QTreeWidgetItem *node = a ? addAlternative(w, project.at(a).at(0)) : first();
            fill(w, node, project.at(a).mid(0, 3));
            for (const QString &flow : project.at(a).mid(3))
                addFlow(w, node, flow);
        }
        w->showComparison();
        const ProjectFigures figures = w->figures();
        QTextDocument *document = w->report()->document();
        const Rows rows = reportTables(w->report()).value(0);
        const auto cell = [&rows](int row, int column) { return rows.value(row).value(column); };
        QVERIFY(rows.size() == 10 && rows.at(0).size() == project.size() + 1);
        QStringList labels;
        for (int r = 1; r < 10; ++r)
            labels << cell(r, 0);
        QCOMPARE(labels.join(' '), QStringLiteral("VPI VPE VPN VAE TIR B/C TIRM PR PRD"));
        QCOMPARE(QString(cell(7, 1) + ' ' + cell(8, 1) + ' ' + cell(9, 1)).replace(QChar(0x00A0), u' '), decision); // kept on one line

        for (int a = 0; a < project.size(); ++a) {
            const AlternativeFigures &flows = figures.alternatives.at(a); // as tst_document reads them
            const QString rate = project.at(a).at(2); // "10%" is 0.1
            const LD i = rate.endsWith('%') ? rate.chopped(1).toDouble() / 100 : rate.toDouble();
            const int n = project.at(a).at(1).toInt();
            // VAE: the payment in periods 1..N worth the VPN; B/C: VPI / VPE.
            LD annuity = 0;
            for (int p = 1; p <= n; ++p)
                annuity += 1 / std::pow(1 + i, LD(p));
            const LD vpi = worthOf(flows, i, 1).sum, vpe = -worthOf(flows, i, -1).sum, vpn = worthOf(flows, i).sum;
            QCOMPARE(cell(0, a + 1), project.at(a).at(0));
            const LD worths[] = {vpi, vpe, vpn};
            for (int r = 0; r < 3; ++r)
                QVERIFY(std::fabs(shown(cell(r + 1, a + 1)) - worths[r]) <= 0.005L + 1e-9L);
            QVERIFY(n > 0 ? std::fabs(shown(cell(4, a + 1)) - vpn / annuity) <= 0.005L + 1e-9L : cell(4, a + 1) == "\u2014");
            QVERIFY(vpe ? std::fabs(shown(cell(6, a + 1)) - vpi / vpe) <= 5e-4L + 1e-9L : cell(6, a + 1) == "\u2014");

            // Each TIR zeroes the net worth (to its six digits); tst_schedule finds them all.
            const QStringList shownTirs = cell(5, a + 1).replace(QChar(0x00A0), u' ').split("; "); // kept on one line
            for (const QString &tir : shownTirs) {
                const Oracle net = worthOf(flows, tir.toDouble());
                QVERIFY2(tir == "no existe" || std::fabs(net.sum) <= 1e-5L * net.size, qPrintable(tir));
            }
            const int count = tirs.at(a).digitValue();
            QCOMPARE(shownTirs.at(0) == "no existe" ? 0 : shownTirs.size(), count);
            QCOMPARE(document->toPlainText().contains("La TIR de «" + project.at(a).at(0)
                                                      + "» no es única: su flujo neto cambia de signo más de una vez."),
                     count > 1);
        }
        QVERIFY2(document->toPlainText().contains(sentence), qPrintable(document->toPlainText()));

        // The pictures are the document's own, as wide as its page.
        const auto image = [document](const QString &name) {
            return document->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        };
        QCOMPARE(image("quintavo:profile").width(), w->reports()->pictureWidth());
        w->showCashFlows();
        QVERIFY(image("quintavo:profile").isNull());
        for (int a = 0; a < project.size(); ++a) {
            const QString name = QStringLiteral("quintavo:diagram/%1").arg(a);
            QCOMPARE(image(name).size(), QSize(w->reports()->pictureWidth(), CashFlowDiagram::Height));
            QVERIFY(document->toHtml().contains("src=\"" + name + "\""));
        }
    }

    // Capitalized costs typed as a user types them: "∞", "inf" or "infinito" in a count and a horizon, read
    // in the tree and in both reports; a series that does not converge named, and never the best.
    void perpetual()
    {
        fill(w, first(), {"Puente", QString(), "0.1"});
        type(showNode(w, first()), 1, " Infinito ");
        addFlow(w, first(), "ES|Construcción|1000|0");
        QTreeWidgetItem *upkeep = addFlow(w, first(), "EU|Mantenimiento|20|0|1");
        type(showNode(w, upkeep), 2, u8"\u221E");
        addFlow(w, first(), "IG|Peajes|100|0.05|inf|1");
        QTreeWidgetItem *dam = addAlternative(w, "Dique");
        fill(w, dam, {"Dique", "5", "0.03"});
        addFlow(w, dam, "IU|Renta|100|5|1");
        addFlow(w, dam, "EG|Mantenimiento|10|0.05|INF|1");
        QTreeWidgetItem *fund = addAlternative(w, "Fondo");
        fill(w, fund, {"Fondo", u8"\u221E", "0"});
        addFlow(w, fund, u8"IU|Beca|5|\u221E|0");
        QCOMPARE(w->snapshot().alternatives.at(0).horizon, " Infinito ");
        QCOMPARE(first()->text(1) + " | " + upkeep->text(1), u8"N = \u221E, i = 0.1 | Anualidad 20.00 \u00D7 \u221E desde 1");

        w->showComparison();
        Rows rows = reportTables(w->report()).value(0);
        const QString inf = u8"\u221E", minus = u8"\u2212\u221E", nb = u8"\u00A0";
        const QStringList tirs = rows.value(5);
        rows.removeAt(5);
        QCOMPARE(rows.value(6).value(1) + rows.value(6).value(3), u8"\u2014\u2014"); // no TIRM without an end
        rows = rows.mid(0, 6);
        QCOMPARE(rows, (Rows{{"", "Puente", "Dique", "Fondo"}, {"VPI", "2" + nb + "000.00", "457.97", inf},
                             {"VPE", "1" + nb + "200.00", inf, "0.00"}, {"VPN", "800.00", minus, inf},
                             {"VAE", "80.00", minus, u8"\u2014"}, {"B/C", "1.667", "0.000", u8"\u2014"}}));
        // -1000 - 20/r + 100/(r - 0.05) = 0 and 100 (P/A, r, 5) = 10/(r - 0.05), where the series converge: r > 0.05
        QCOMPARE(tirs, (QStringList{"TIR", "0.137284", "0.0746966", "no" + nb + "existe"}));
        const QString text = w->report()->document()->toPlainText();
        for (const char *line : {"La serie perpetua «Mantenimiento» no converge: su crecimiento 0.05 no es menor que el interés de oportunidad 0.03.",
                                 "La serie perpetua «Beca» no converge con un interés de oportunidad de 0 o menos.",
                                 "La mejor alternativa es «Puente»: tiene el mayor VAE (80.00); horizontes distintos: se compara el VAE."})
            QVERIFY2(text.contains(QString::fromUtf8(line)), qPrintable(text));
        QVERIFY(!text.contains(u8"Atenci\u00F3n"));

        // Visualizar: an endless horizon to the period after the last payment of its finite flows, 10 at least.
        w->showCashFlows();
        const QList<Rows> tables = reportTables(w->report()); // a title band, then a table
        QCOMPARE(tables.size(), 6);
        for (const int a : {1, 5}) {
            QCOMPARE(tables.at(a).value(0), QStringList{u8"El horizonte no tiene fin; se muestran los períodos 0 a 10 de \u221E."});
            QCOMPARE(tables.at(a).value(1).size(), 12);
        }
        QCOMPARE(tables.at(1).value(3).mid(0, 4), (QStringList{"Peajes", "0", "100.00", "105.00"}));
        QCOMPARE(tables.at(3).value(0).size(), 7); // Concepto, 0..5
    }

    // "Análisis incremental" through the window: each increment's worth, rates
    // and B/C against the oracle, the verdicts, and the alternative kept.
    void incremental_data()
    {
        QTest::addColumn<Project>("project");
        QTest::addColumn<QStringList>("verdicts"); // the table's first and last columns
        QTest::addColumn<QString>("line");         // the last line, or the only one
        QTest::newRow("revenue: by investment, from doing nothing")
            << Project{{"A", "5", "0.1", "ES|P|1000|0", "IU|P|300|5|1"}, {"B", "5", "0.1", "ES|P|1500|0", "IU|P|420|5|1"},
                       {"C", "5", "0.1", "ES|P|600|0", "IU|P|150|5|1"}}
            << QStringList{"«C» − No hacer nada: se mantiene No hacer nada", "«A» − No hacer nada: gana «A»",
                           "«B» − «A»: se mantiene «A»"}
            << "El análisis incremental se queda con «A».";
        QTest::newRow("costs only: from the cheapest")
            << Project{{"C1", "4", "0.1", "ES|P|1000|0", "EU|P|300|4|1"}, {"C2", "4", "0.1", "ES|P|1400|0", "EU|P|150|4|1"}}
            << QStringList{"«C2» − «C1»: gana «C2»"} << "El análisis incremental se queda con «C2».";
        QTest::newRow("two rates of return: the worth decides")
            << Project{{"X", "2", "0.15", "ES|P|100|0", "IS|P|230|1", "ES|P|132|2"}, {"Y", "2", "0.15"}}
            << QStringList{"«Y» − No hacer nada: gana «Y»", "«X» − «Y»: gana «X»"} << "El análisis incremental se queda con «X».";
        QTest::newRow("horizons differ: annual worth")
            << Project{{"A", "3", "0.1", "EU|P|1000|1|0", "IU|P|450|3|1"}, {"B", "6", "0.1", "EU|P|1000|1|0", "IU|P|260|6|1"}}
            << QStringList{"«A» − No hacer nada: gana «A»", "«B» − «A»: se mantiene «A»"}
            << "El análisis incremental se queda con «A».";
        QTest::newRow("rates differ") << Project{{"A", "3", "0.1"}, {"B", "3", "0.12"}} << QStringList{}
            << "El análisis incremental necesita un mismo interés de oportunidad: «A» tiene 0.1 y «B» 0.12.";
    }

    void incremental()
    {
        QFETCH(Project, project); QFETCH(QStringList, verdicts); QFETCH(QString, line);
        for (int a = 0; a < project.size(); ++a) {
            QTreeWidgetItem *node = a ? addAlternative(w, project.at(a).at(0)) : first();
            fill(w, node, project.at(a).mid(0, 3));
            for (const QString &flow : project.at(a).mid(3))
                addFlow(w, node, flow);
        }
        w->showComparison();
        const QString text = w->report()->document()->toPlainText();
        QVERIFY2(text.contains("Análisis incremental\n") && text.contains(line), qPrintable(text));
        const Rows rows = reportTables(w->report()).value(1);
        QCOMPARE(rows.size(), verdicts.isEmpty() ? 0 : verdicts.size() + 1);
        const ProjectFigures figures = w->figures();
        const bool annual = project.at(0).at(1) != project.constLast().at(1);
        QCOMPARE(text.contains("Horizontes distintos"), annual);
        // The worth now, or per period over its horizon, of one side (0: net).
        const auto worth = [&](const QString &name, LD r, int side) {
            for (int a = 0; a < project.size(); ++a) {
                if (project.at(a).at(0) != name)
                    continue;
                Oracle o = worthOf(figures.alternatives.at(a), r, side);
                LD annuity = 0;
                for (int p = 1; p <= figures.alternatives.at(a).horizon; ++p)
                    annuity += 1 / std::pow(1 + r, LD(p));
                if (annual)
                    o.sum /= annuity, o.size /= annuity;
                return o;
            }
            return Oracle(); // "No hacer nada"
        };
        for (int r = 1; r < rows.size(); ++r) {
            const QStringList &row = rows.at(r);
            QCOMPARE(QString(row.at(0) + ": " + row.at(4)).replace(QChar(0x00A0), u' '), verdicts.at(r - 1));
            const QStringList names = QString(row.at(0)).replace(QChar(0x00A0), u' ').remove("No hacer nada").split(QRegularExpression("[«» −]+"), Qt::SkipEmptyParts);
            const auto delta = [&](LD i, int side) {
                Oracle d = worth(names.value(0), i, side);
                d.add(worth(names.value(1), i, side), -1);
                return d;
            };
            const LD i = project.at(0).at(2).toDouble(), benefit = delta(i, 1).sum, cost = -delta(i, -1).sum;
            QVERIFY(std::fabs(shown(row.at(1)) - delta(i, 0).sum) <= 0.005L + 1e-9L);
            QVERIFY(cost ? std::fabs(shown(row.at(3)) - benefit / cost) <= 5e-4L + 1e-9L : row.at(3) == "\u2014");
            for (const QString &rate : QString(row.at(2)).replace(QChar(0x00A0), u' ').remove(QRegularExpression(" \\(.*")).split("; ")) {
                const Oracle there = delta(rate.toDouble(), 0);
                QVERIFY2(rate == "no existe" || std::fabs(there.sum) <= 1e-5L * there.size, qPrintable(rate));
            }
            QCOMPARE(row.at(2).contains("varias"), row.at(2).contains(';'));
        }
    }

    // On random projects of one rate, the alternative that the incremental
    // analysis keeps is the one the sentence names.
    void agreement()
    {
        QRandomGenerator rng(2026);
        for (int round = 0; round < 25; ++round) {
            ProjectSnapshot project;
            const int horizon = 2 + rng.bounded(8);
            for (int a = 0, count = 2 + rng.bounded(4); a < count; ++a) {
                AlternativeSnapshot alternative;
                alternative.name = QStringLiteral("P%1").arg(a + 1);
                alternative.horizon = QString::number(round % 2 ? horizon : 2 + rng.bounded(8));
                alternative.rate = "0.1";
                const int n = 1 + rng.bounded(8);
                alternative.expenses << FlowSnapshot{CashFlow::Single, "I", QString::number(rng.bounded(2000)), "", "1", "0"};
                alternative.income << FlowSnapshot{CashFlow::Uniform, "V", QString::number(rng.bounded(600)), "", QString::number(n), "1"};
                alternative.expenses << FlowSnapshot{CashFlow::Arithmetic, "O", QString::number(rng.bounded(100)), "10", QString::number(n), "1"};
                project.alternatives << alternative;
            }
            w->document()->setProject(project);
            w->showComparison();
            const QString text = w->report()->document()->toPlainText();
            const QString kept = text.section("El análisis incremental se queda con ", 1).section('\n', 0, 0);
            const QString best = text.section(QRegularExpression("La mejor alternativa es |Las mejores alternativas son "), 1).section(':', 0, 0).section(", empatadas", 0, 0);
            QVERIFY2(kept.endsWith('.') && (text.contains("Ninguna alternativa rinde") ? kept.startsWith("No hacer nada")
                                                                : !best.isEmpty() && best.contains(kept.chopped(1))), qPrintable(text));
        }
    }

    void diagram_data()
    {
        QTest::addColumn<QVector<double>>("income");
        QTest::addColumn<QVector<double>>("expenses");
        QTest::addColumn<int>("width");
        // first-last period, i(ncome)/e(xpense), ^ up / v down, x, length
        // over the first one's; label: + across, | along the arrow, - none.
        QTest::addColumn<QString>("arrows");
        // Periods 30 + 190 p px; period 2 pays nothing.
        QTest::newRow("per period") << QVector<double>{0, 50, 0, 100} << QVector<double>{200} << 630
                                    << "0-0ev30:1+ 1-1i^220:0.25+ 3-3i^600:0.5+";
        // Widened to 120: 60 px for 9 steps, so pairs of periods; no arrow
        // for the pairs that net 0.
        QTest::newRow("grouped") << QVector<double>{0, 10, 10, 0, 0, 0, 5, 0, 0, 40}
                                 << QVector<double>{30, 0, 0, 10, 0, 0, 5} << 50
                                 << "0-1ev33:1- 8-9i^87:2-";
        // 28.5 px apart: amounts fit only along their arrows.
        QTest::newRow("labels along") << (QVector<double>(20) << 1500) << QVector<double>{1500} << 630
                                      << "0-0ev30:1| 20-20i^600:1|";
    }

    void diagram()
    {
        QFETCH(QVector<double>, income); QFETCH(QVector<double>, expenses); QFETCH(int, width);
        QFETCH(QString, arrows);
        const auto layout = CashFlowDiagram::layout(income, expenses, width);
        const QImage image = CashFlowDiagram::render(layout);
        QCOMPARE(image.size(), QSize(std::max(width, 120), CashFlowDiagram::Height));
        QStringList seen;
        for (const auto &arrow : layout.arrows) {
            seen << QStringLiteral("%1-%2%3%4%5:%6%7").arg(arrow.firstPeriod).arg(arrow.lastPeriod)
                        .arg(arrow.income ? 'i' : 'e').arg(arrow.up ? '^' : 'v').arg(std::lround(arrow.x))
                        .arg(arrow.length / layout.arrows[0].length, 0, 'g', 3)
                        .arg(arrow.label.text.isEmpty() ? '-' : arrow.label.vertical ? '|' : '+');
            const double middle = layout.axisY + (arrow.up ? -0.5 : 0.5) * arrow.length;
            QVERIFY(image.pixelColor(std::lround(arrow.x), std::lround(middle)) != Qt::white);
        }
        QCOMPARE(seen.join(' '), arrows);
        QCOMPARE(layout.axisLabel.contains("grupo"), layout.periodsPerGroup > 1);
    }

    void profile_data()
    {
        QTest::addColumn<QVector<double>>("rates");
        QTest::addColumn<QVector<double>>("tirs");   // of the first alternative
        QTest::addColumn<QVector<double>>("marked"); // by alternative, its rate first
        QTest::newRow("one") << QVector<double>{0.1} << QVector<double>{} << QVector<double>{0.1};
        QTest::newRow("two, a tir") << QVector<double>{0.1, 0.05} << QVector<double>{0.1986}
                                    << QVector<double>{0.1, 0.1986, 0.05};
        QTest::newRow("rates that cannot be valued") << QVector<double>{0.1, -1.5}
            << QVector<double>{NAN, 2.0, -1.0} << QVector<double>{0.1, 2.0};
    }

    void profile()
    {
        QFETCH(QVector<double>, rates); QFETCH(QVector<double>, tirs); QFETCH(QVector<double>, marked);
        QVector<AlternativeFigures> alternatives;
        for (const double rate : rates)
            alternatives.append({"A", 6, rate, false, {{"ventas", {CashFlow::Uniform, 100, 0, 5, 1}},
                {"ahorro", {CashFlow::Arithmetic, 40, 10.0 * alternatives.size(), 6, 1}}},
                {{"inversión", {CashFlow::Uniform, 500, 0, 1, 0}}}});
        const auto profile = VpnProfile::compute(alternatives, {{tirs.begin(), tirs.end()}});
        QVector<double> seen;
        for (const auto &mark : profile.marks) {
            seen << mark.rate;
            QVERIFY(std::fabs(mark.vpn - double(worthOf(alternatives[mark.alternative], mark.rate).sum)) < 1e-9);
        }
        QCOMPARE(seen, marked);
        const auto [low, high] = std::minmax_element(marked.begin(), marked.end());
        QVERIFY(profile.lowRate > -1 && profile.lowRate < *low && *high < profile.highRate);
        for (int a = 0; a < rates.size(); ++a) {
            const auto &points = profile.curves[a].points;
            QVERIFY(points.first().x() == profile.lowRate && points.last().x() == profile.highRate);
            for (const QPointF &p : points) {
                QVERIFY(std::fabs(p.y() - double(worthOf(alternatives[a], p.x()).sum)) < 1e-9
                        && profile.lowVpn <= std::min(p.y(), 0.0) && std::max(p.y(), 0.0) <= profile.highVpn);
            }
        }
        const QImage image = VpnProfile::render(profile, 500);
        QVERIFY(image.width() == 500 && image.height() > VpnProfile::PlotHeight);
    }
};

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
