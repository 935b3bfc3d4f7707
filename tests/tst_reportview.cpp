// The reports as a reader sees them: amounts to the cent, wide tables that
// scroll, a report that cannot be edited, follows the
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
