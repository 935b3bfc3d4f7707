// The reports as a reader sees them: figures to the cent, the net Total row,
// wide tables that scroll, a report that cannot be edited, follows the
// project and names the cells it read as 0.
#include "figuredelegate.h"
#include "guidriver.h"
#include "mainwindow.h"
#include "projectwindow.h"
#include "reportformat.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <cmath>

using namespace GuiDriver;
using Flows = QList<QStringList>; // {kind U/A/G, group I/E, A, [G,] n, s}

namespace {

const QMap<QString, QString> kinds{{"U", "Pago Anualidad"},
                                   {"A", "Pago con incremento Aritmético"},
                                   {"G", "Pago con incremento geométrico"}};

double shownNumber(QString text)
{
    return text.remove(QChar(0x00A0)).toDouble();
}

// The net payment of every period 0..N, each payment of the series worked
// out one by one in long double.
QVector<long double> netPayments(const Flows &flows, int horizon)
{
    QVector<long double> net(horizon + 1, 0.0L);
    for (const QStringList &f : flows) {
        const bool uniform = f.at(0) == "U";
        long double payment = f.at(2).toDouble();
        const long double change = uniform ? 0 : f.at(3).toDouble();
        const int n = f.at(uniform ? 3 : 4).toInt(), s = f.at(uniform ? 4 : 5).toInt();
        for (int p = s; p < s + n && p <= horizon; ++p) {
            net[p] += f.at(1) == "I" ? payment : -payment;
            payment = f.at(0) == "A" ? payment + change : f.at(0) == "G" ? payment * (1 + change) : payment;
        }
    }
    return net;
}

} // namespace

class TestReportView : public ProjectTest
{
    Q_OBJECT

private slots:
    void amountFormat_data();
    void amountFormat();
    void shownFigures_data();
    void shownFigures();
    void wideTableScrolls();
    void reportIsReadOnly();
    void changesFollowed_data();
    void changesFollowed();
    void unreadCellsNamed();

private:
    QTreeWidgetItem *first() const { return tree(project)->topLevelItem(0); }
    void addFlows(const Flows &flows)
    {
        for (const QStringList &f : flows) {
            QTreeWidgetItem *flow = addFlow(project, first()->child(f.at(1) == "I" ? 0 : 1), kinds[f.at(0)]);
            fillCells(project, flow, QStringList{QString()} + f.mid(2));
        }
    }
};

void TestReportView::amountFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    const QString nb(QChar(0x00A0));
    QTest::newRow("VPN") << 14769669.2449 << "14" + nb + "769" + nb + "669.24";
    QTest::newRow("small") << 686.175000001 << "686.18";
    QTest::newRow("negative thousand") << -1000.0 << "-1" + nb + "000.00";
    QTest::newRow("rounds to zero") << -0.004 << "0.00";
    QTest::newRow("just below 1e15") << 999999999999999.0 << "999" + nb + "999" + nb + "999" + nb + "999" + nb + "999.00";
    QTest::newRow("1e15") << 1e15 << "1e+15";
    QTest::newRow("-2.5e20") << -2.5e20 << "-2.5e+20";
    QTest::newRow("inf") << double(INFINITY) << "inf";
    QTest::newRow("nan") << double(NAN) << "nan";
}

void TestReportView::amountFormat()
{
    QFETCH(double, value);
    QFETCH(QString, shown);
    QCOMPARE(ReportFormat::amount(value), shown);
}

void TestReportView::shownFigures_data()
{
    QTest::addColumn<QStringList>("alternative"); // name, N, rate
    QTest::addColumn<Flows>("flows");
    QTest::newRow("fleet") << QStringList{"Flota", "6", "0.1"}
                           << Flows{{"U", "E", "60000", "1", "0"}, {"A", "E", "4000", "500", "6", "1"},
                                    {"U", "I", "21000", "6", "1"}};
    QTest::newRow("large, 20 periods") << QStringList{"Planta", "20", "0.08"}
                                       << Flows{{"G", "I", "25000000", "0.03", "20", "1"},
                                                {"U", "E", "150000000", "1", "0"},
                                                {"A", "E", "2000000", "150000", "20", "1"}};
    QTest::newRow("fractions of a cent") << QStringList{"Fino", "7", "0.0725"}
                                         << Flows{{"U", "I", "1234.567", "7", "0"},
                                                  {"G", "E", "99.99", "-0.1", "5", "2"}};
}

void TestReportView::shownFigures()
{
    QFETCH(QStringList, alternative);
    QFETCH(Flows, flows);
    fillCells(project, first(), alternative);
    addFlows(flows);
    const int horizon = alternative.at(1).toInt();
    const long double i = alternative.at(2).toDouble();
    const QVector<long double> net = netPayments(flows, horizon);

    click(project, "pbVisualizar");
    const QStringList total = reportTables(project).value(0).constLast();
    QCOMPARE(total.size(), horizon + 2);
    long double vpn = 0, shownWorth = 0;
    for (int p = 0; p <= horizon; ++p) {
        const long double discount = std::pow(1 + i, static_cast<long double>(p));
        vpn += net[p] / discount;
        shownWorth += shownNumber(total.at(p + 1)) / discount;
        QVERIFY2(std::fabs(shownNumber(total.at(p + 1)) - net[p]) <= 0.005L + 1e-9L, qPrintable(total.at(p + 1)));
    }

    click(project, "pbComparar");
    const QStringList shownVpn = reportTables(project).value(0).value(3);
    QCOMPARE(shownVpn.value(0), QStringLiteral("VPN"));
    QVERIFY2(std::fabs(shownNumber(shownVpn.value(1)) - vpn) <= 0.005L + 1e-9L, qPrintable(shownVpn.value(1)));
    // The Total row is worth the VPN: each shown total is within half a cent.
    QVERIFY(std::fabs(shownWorth - vpn) <= 0.005L * (horizon + 1));
}

void TestReportView::wideTableScrolls()
{
    fillCells(project, first(), {"Ancha", "40", "0.1"});
    addFlows({{"U", "I", "25000000", "40", "1"}});
    click(project, "pbVisualizar");
    QTextEdit *report = project->report();
    QTRY_VERIFY(report->horizontalScrollBar()->maximum() > 0);
    QVERIFY(report->document()->size().width() > report->viewport()->width());
    // Each cell on one line: the document is no taller than its rows need.
    QVERIFY(report->document()->size().height() < 20 * report->fontMetrics().height());
}

void TestReportView::reportIsReadOnly()
{
    QVERIFY(!MainWindow::applicationIcon().isNull());
    addFlows({{"U", "I", "100", "1", "0"}});
    click(project, "pbVisualizar");
    QTextEdit *report = project->report();
    const QString before = report->toHtml();
    report->setFocus();
    report->selectAll();
    QTest::keyClicks(report, "999");
    QTest::keyClick(report, Qt::Key_Delete);
    QTest::keyClick(report, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(report->toHtml(), before);
    QVERIFY(report->textInteractionFlags() & Qt::TextSelectableByMouse);
}

void TestReportView::changesFollowed_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("limitMs");
    QTest::newRow("cash flows, fast") << QByteArray("pbVisualizar") << INT_MAX;
    QTest::newRow("comparison, fast") << QByteArray("pbComparar") << INT_MAX;
    QTest::newRow("cash flows, slow") << QByteArray("pbVisualizar") << 0;
    QTest::newRow("comparison, slow") << QByteArray("pbComparar") << 0;
}

void TestReportView::changesFollowed()
{
    QFETCH(QByteArray, button);
    QFETCH(int, limitMs);
    fillCells(project, first(), {"Antes", "2", "0.1"});
    click(project, button.constData());
    project->setRefreshLimit(limitMs);
    const QString before = reportHtml(project);
    QSignalSpy builds(project->report(), &QTextEdit::textChanged);

    // A burst: a renamed alternative, a new one and a new flow.
    project->panelTable()->item(0, 0)->setText("Después");
    project->addAlternative("Otra");
    project->addFlow(first()->child(0), 0);
    QCoreApplication::processEvents();
    QCOMPARE(builds.count(), limitMs ? 1 : 0);
    QCOMPARE(project->reportOutOfDate(), !limitMs);
    QCOMPARE(reportHtml(project) != before, bool(limitMs));
    QCOMPARE(reportHtml(project).contains("Después"), bool(limitMs));

    click(project, button.constData());
    QVERIFY(!project->reportOutOfDate());
    QVERIFY(reportHtml(project).contains("Después"));
}

void TestReportView::unreadCellsNamed()
{
    fillCells(project, first(), {"<Compra>", "3", "0,1"});
    QCOMPARE(first()->foreground(0).color(), QColor(FigureDelegate::UnreadableHighlight));
    addFlows({{"U", "I", "1,5", "dos", "x"}, {"U", "E", "-7", "2.5", "1e3"}, {"A", "E", "1", "%", "1", "1"}});
    click(project, "pbComparar");
    QCOMPARE(project->report()->document()->firstBlock().text(),
             QStringLiteral("Atención: se leyeron como 0 «0,1» en Interés de Oportunidad de «<Compra>», "
                            "«1,5» en Anualidad de «Pago», «dos» en Número Períodos de «Pago», "
                            "«x» en Inicia en de «Pago», «2.5» en Número Períodos de «Pago» y 2 más."));
    // A negative expense is read as typed, and flagged in its table.
    const auto *flags = qobject_cast<FigureDelegate *>(panelTable(project)->itemDelegate());
    QCOMPARE(flags->rowKind(1), FigureReader::Kind::ExpenseAmount);
    const QString negative = FigureDelegate::explanation(
        "-7", FigureReader::Kind::ExpenseAmount, FigureReader::read("-7", FigureReader::Kind::ExpenseAmount));
    QCOMPARE(negative, QStringLiteral("Un egreso negativo cuenta como ingreso"));

    fillCells(project, first(), {QString(), QString(), "0.1"});
    QCOMPARE(first()->data(0, Qt::ForegroundRole), QVariant());
}

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
