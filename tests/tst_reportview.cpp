// The reports as a reader sees them: figures to the cent, the net Total row,
// wide tables that scroll, a report that cannot be edited, follows the
// project and names the cells it read as 0.
#include "cashflowdiagram.h"
#include "figuredelegate.h"
#include "flowitem.h"
#include "driver.h"
#include "mainwindow.h"
#include "projectwindow.h"
#include "reportformat.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <cmath>

using Flows = QList<QStringList>; // {kind U/A/G, group I/E, A, G (0 for U), n, s}

namespace {

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
        long double payment = f.at(2).toDouble();
        const int s = f.at(5).toInt();
        for (int p = s; p < s + f.at(4).toInt() && p <= horizon; ++p) {
            net[p] += f.at(1) == "I" ? payment : -payment;
            payment = f.at(0) == "A" ? payment + f.at(3).toDouble() : payment * (1 + f.at(3).toDouble());
        }
    }
    return net;
}

} // namespace

class TestReportView : public WindowTest
{
    Q_OBJECT

private slots:
    void amountFormat_data();
    void amountFormat();
    void shownFigures_data();
    void shownFigures();
    void changesFollowed_data();
    void changesFollowed();
    void unreadCellsNamed();

private:
    QTableWidget *addFlows(const Flows &flows)
    {
        QTableWidget *table = nullptr;
        for (QStringList f : flows) {
            if (f.at(0) == "U")
                f.removeAt(3);
            const int kind = QString("UAG").indexOf(f.at(0));
            table = w->addFlow(first()->child(f.at(1) == "I" ? 0 : 1), kind)->propertyTable();
            fill(table, QStringList{QString()} + f.mid(2));
        }
        return table;
    }
    void click(const char *button) { QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton); }
};

void TestReportView::amountFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    const QString nb(QChar(0x00A0));
    QTest::newRow("VPN") << 14769669.2449 << "14" + nb + "769" + nb + "669.24";
    QTest::newRow("negative thousand") << -1000.0 << "-1" + nb + "000.00";
    QTest::newRow("rounds to zero") << -0.004 << "0.00";
    QTest::newRow("below 1e15") << 999999999999999.0 << QString("999" + nb).repeated(4) + "999.00";
    QTest::newRow("1e15") << 1e15 << "1e+15";
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
    QTest::newRow("large, 20 periods") << QStringList{"Planta", "20", "0.08"}
                                       << Flows{{"G", "I", "25000000", "0.03", "20", "1"},
                                                {"U", "E", "150000000", "0", "1", "0"},
                                                {"A", "E", "2000000", "150000", "20", "1"}};
    QTest::newRow("fractions of a cent") << QStringList{"Fino", "3", "0.0725"}
                                         << Flows{{"U", "I", "1234.567", "0", "4", "0"},
                                                  {"G", "E", "99.99", "-0.1", "2", "2"}};
}

void TestReportView::shownFigures()
{
    QFETCH(QStringList, alternative);
    QFETCH(Flows, flows);
    fill(first()->propertyTable(), alternative);
    addFlows(flows);
    const int horizon = alternative.at(1).toInt();
    const long double i = alternative.at(2).toDouble();
    const QVector<long double> net = netPayments(flows, horizon);

    click("pbVisualizar");
    const QStringList total = reportTables(w->report()).value(0).constLast();
    long double vpn = 0, shownWorth = 0;
    for (int p = 0; p <= horizon; ++p) {
        const long double discount = std::pow(1 + i, static_cast<long double>(p));
        vpn += net[p] / discount;
        shownWorth += shownNumber(total.value(p + 1)) / discount;
        QVERIFY2(std::fabs(shownNumber(total.value(p + 1)) - net[p]) <= 0.005L + 1e-9L, qPrintable(total.value(p + 1)));
    }

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

    click("pbComparar");
    const QString shownVpn = reportTables(w->report()).value(0).value(3).value(1);
    QVERIFY2(std::fabs(shownNumber(shownVpn) - vpn) <= 0.005L + 1e-9L, qPrintable(shownVpn));
    // The Total row is worth the VPN: each shown total is within half a cent.
    QVERIFY(std::fabs(shownWorth - vpn) <= 0.005L * (horizon + 1));
}

void TestReportView::changesFollowed_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("limitMs"); // 0: every build counts as slow
    QTest::newRow("cash flows, fast") << QByteArray("pbVisualizar") << INT_MAX;
    QTest::newRow("comparison, slow") << QByteArray("pbComparar") << 0;
}

void TestReportView::changesFollowed()
{
    QFETCH(QByteArray, button);
    QFETCH(int, limitMs);
    fill(first()->propertyTable(), {"Antes", "2", "0.1"});
    click(button.constData());
    w->setRefreshLimit(limitMs);
    QSignalSpy builds(w->report(), &QTextEdit::textChanged);

    // A burst: a renamed alternative, a new one and a new flow.
    w->panelTable()->item(0, 0)->setText("Después");
    w->addAlternative("Otra");
    w->addFlow(first()->child(0), 0);
    QCoreApplication::processEvents();
    QCOMPARE(builds.count(), limitMs ? 1 : 0);
    QCOMPARE(w->reportOutOfDate(), !limitMs);
    QCOMPARE(w->report()->toHtml().contains("Después"), bool(limitMs));

    click(button.constData());
    QVERIFY(!w->reportOutOfDate());
    QVERIFY(w->report()->toHtml().contains("Después"));
}

void TestReportView::unreadCellsNamed()
{
    QVERIFY(!MainWindow::applicationIcon().isNull());
    fill(first()->propertyTable(), {"<Compra>", "3", "0,1"});
    QCOMPARE(first()->foreground(0).color(), QColor(FigureDelegate::UnreadableHighlight));
    QTableWidget *expense = addFlows({{"U", "I", "1,5", "0", "dos", "x"}, {"U", "E", "1", "0", "2.5", "1e3"}, {"A", "E", "1", "%", "1", "1"}});
    click("pbComparar");
    QCOMPARE(w->report()->document()->firstBlock().text(),
             QStringLiteral("Atención: se leyeron como 0 «0,1» en Interés de Oportunidad de «<Compra>», "
                            "«1,5» en Anualidad de «Pago», «dos» en Número Períodos de «Pago», "
                            "«x» en Inicia en de «Pago», «2.5» en Número Períodos de «Pago» y 2 más."));
    // An expense's payment typed negative is flagged in its table.
    const auto kind = qobject_cast<FigureDelegate *>(expense->itemDelegate())->rowKind(1);
    QCOMPARE(FigureDelegate::explanation("-7", kind, FigureReader::read("-7", kind)),
             QStringLiteral("Un egreso negativo cuenta como ingreso"));

    fill(first()->propertyTable(), {QString(), QString(), "0.1"});
    QCOMPARE(first()->data(0, Qt::ForegroundRole), QVariant());
}

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
