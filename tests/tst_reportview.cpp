// The reports as a reader sees them: amounts to the cent, the net Total row,
// wide tables that scroll, a report that cannot be edited, follows the
// project and names the cells it read as 0.
#include "cashflowdiagram.h"
#include "figuredelegate.h"
#include "driver.h"
#include "mainwindow.h"
#include "reportformat.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>

#include <cmath>

namespace {

double shownNumber(QString text)
{
    return text.remove(QChar(0x00A0)).toDouble();
}

// The net payment of every period 0..N of the flows "GK|name|A|G|n|s" (no G
// for K = U), each payment of the series worked out one by one in long double.
QVector<long double> netPayments(const QStringList &flows, int horizon)
{
    QVector<long double> net(horizon + 1, 0.0L);
    for (const QString &flow : flows) {
        const QStringList f = flow.split('|');
        const int s = f.constLast().toInt(), n = f.at(f.size() - 2).toInt();
        const long double g = f.size() == 6 ? f.at(3).toDouble() : 0;
        long double payment = f.at(2).toDouble();
        for (int p = s; p < s + n && p <= horizon; ++p) {
            net[p] += f.at(0).at(0) == 'I' ? payment : -payment;
            payment = f.at(0).at(1) == 'A' ? payment + g : payment * (1 + g);
        }
    }
    return net;
}

} // namespace

class TestReportView : public WindowTest
{
    Q_OBJECT

    void click(const char *button) { QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton); }

private slots:
    void amountFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        const QString nb(QChar(0x00A0));
        QTest::newRow("VPN") << 14769669.2449 << "14" + nb + "769" + nb + "669.24";
        QTest::newRow("negative, six digits") << -123456.0 << "-123" + nb + "456.00";
        QTest::newRow("rounds to zero") << -0.004 << "0.00";
        QTest::newRow("below 1e15") << 999999999999999.0 << QString("999" + nb).repeated(4) + "999.00";
        QTest::newRow("1e15") << 1e15 << "1e+15";
        QTest::newRow("inf") << double(INFINITY) << "inf";
        QTest::newRow("nan") << double(NAN) << "nan";
    }

    void amountFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(ReportFormat::amount(value), shown);
    }

    void shownFigures_data()
    {
        QTest::addColumn<QStringList>("alternative"); // name, N, rate
        QTest::addColumn<QStringList>("flows");
        QTest::newRow("large, 20 periods") << QStringList{"Planta", "20", "0.08"}
            << QStringList{"IG|a|25000000|0.03|20|1", "EU|b|150000000|1|0", "EA|c|2000000|150000|20|1"};
        QTest::newRow("fractions of a cent") << QStringList{"Fino", "3", "0.0725"}
            << QStringList{"IU|a|1234.567|4|0", "EG|b|99.99|-0.1|2|2"};
    }

    void shownFigures()
    {
        QFETCH(QStringList, alternative);
        QFETCH(QStringList, flows);
        fill(w, first(), alternative);
        for (const QString &flow : flows)
            addFlow(w, first(), flow);
        const QVector<long double> net = netPayments(flows, alternative.at(1).toInt());
        click("pbVisualizar");
        const QStringList total = reportTables(w->report()).value(0).constLast();
        for (int p = 0; p < net.size(); ++p)
            QVERIFY2(std::fabs(shownNumber(total.value(p + 1)) - net[p]) <= 0.005L + 1e-9L, qPrintable(total.value(p + 1)));

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

    void changesFollowed_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("limitMs"); // 0: every build counts as slow
        QTest::newRow("cash flows, fast") << QByteArray("pbVisualizar") << INT_MAX;
        QTest::newRow("comparison, slow") << QByteArray("pbComparar") << 0;
    }

    void changesFollowed()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, limitMs);
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
        QTableWidget *expense = showNode(w, addFlow(w, first(), "EA|Pago|1|%|1|1"));
        click("pbComparar");
        QCOMPARE(w->report()->document()->firstBlock().text(),
                 QStringLiteral("Atención: se leyeron como 0 «0,1» en Interés de Oportunidad de «<Compra>», "
                                "«1,5» en Anualidad de «Pago», «dos» en Número Períodos de «Pago», "
                                "«x» en Inicia en de «Pago», «2.5» en Número Períodos de «Pago» y 2 más."));
        // An expense's payment typed negative is flagged in its table.
        const auto kind = qobject_cast<FigureDelegate *>(expense->itemDelegate())->rowKind(1);
        QCOMPARE(FigureDelegate::explanation("-7", kind, FigureReader::read("-7", kind)),
                 QStringLiteral("Un egreso negativo cuenta como ingreso"));

        fill(w, first(), {QString(), QString(), "0.1"});
        QCOMPARE(first()->data(0, Qt::ForegroundRole), QVariant());
    }
};

QTEST_MAIN(TestReportView)
#include "tst_reportview.moc"
