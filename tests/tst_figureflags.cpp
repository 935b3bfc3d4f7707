// Property cells flag the figures that are not read as typed: the tint and
// tooltip a user sees on each kind of table, for each way a text misreads.
#include "driver.h"
#include "figuredelegate.h"

#include <QScreen>
#include <QToolTip>
#include <QWindow>

class TestFigureFlags : public WindowTest
{
    Q_OBJECT

private slots:
    void flags_data();
    void flags();
};

void TestFigureFlags::flags_data()
{
    QTest::addColumn<int>("node"); // the form's alternative (-2), an added one (-1), an expense of kind 0..3
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("toolTip"); // none: no tint; "12 se usa...": amber; "Se lee como 0...": red
    const QString notWhole = "Se lee como 0: escriba un número entero, sin decimales";
    const QString tooBig = "Se lee como 0: el número entero es demasiado grande";
    QTest::newRow("rate 12") << -2 << 2 << "12" << "12 se usa como 1200 % por período; para 12 % escriba 0.12";
    QTest::newRow("rate 1") << -2 << 2 << "1" << QString();
    QTest::newRow("rate 1e309") << -2 << 2 << "1e309" << "Se lee como 0: el número está fuera del rango que se puede calcular";
    QTest::newRow("name 0,12") << -2 << 0 << "0,12" << QString();
    QTest::newRow("horizon 2,5") << -1 << 1 << "2,5" << notWhole;
    QTest::newRow("horizon INT_MIN") << -1 << 1 << "-2147483648" << QString();
    QTest::newRow("horizon INT_MAX + 1") << -1 << 1 << "2147483648" << tooBig;
    QTest::newRow("payment 1.500,50") << 0 << 1 << "1.500,50" << "Se lee como 0: use punto decimal, 1500.50";
    QTest::newRow("payment 1,500.50") << 0 << 1 << "1,500.50" << "Se lee como 0: escriba sin separador de miles, 1500.50";
    QTest::newRow("count 1e3") << 0 << 2 << "1e3" << notWhole;
    QTest::newRow("count 2.5") << 1 << 3 << "2.5" << notWhole;
    QTest::newRow("count 11 digits") << 1 << 3 << "99999999999" << tooBig;
    QTest::newRow("growth 12,5 %") << 2 << 2 << "12,5 %" << "Se lee como 0: escriba la fracción sin %, 0.125";
    QTest::newRow("growth nan") << 2 << 2 << "nan" << QString();
    QTest::newRow("start nan") << 2 << 4 << "nan" << "Se lee como 0: no es un número";
    QTest::newRow("single -5") << 3 << 1 << "-5" << "Un egreso negativo cuenta como ingreso";
    QTest::newRow("period 2.5") << 3 << 2 << "2.5" << notWhole;
}

// The colour on screen at the top of the cell, and the tooltip when the mouse rests on it.
void TestFigureFlags::flags()
{
    QFETCH(int, node); QFETCH(int, row); QFETCH(QString, typed); QFETCH(QString, toolTip);
    QTableWidget *table = showNode(w, node == -2 ? first() : node == -1 ? addAlternative(w, "Sur")
                                                                        : addFlow(w, first()->child(1), node));
    const auto shown = [table, row]() {
        table->setCurrentIndex(QModelIndex());
        const QRect cell = table->visualRect(table->model()->index(row, 0)).intersected(table->viewport()->rect());
        const QPoint spot = table->viewport()->mapTo(table->window(), QPoint(cell.center().x(), cell.top() + 3));
        QHelpEvent event(QEvent::ToolTip, cell.center(), table->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(table->viewport(), &event);
        QWindow *window = table->window()->windowHandle();
        return qMakePair(window->screen()->grabWindow(window->winId(), spot.x(), spot.y(), 1, 1).toImage().pixelColor(0, 0),
                         event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString());
    };
    const QColor plain = table->palette().color(QPalette::Base);
    const QRgb tint = toolTip.isEmpty() ? plain.rgba() : toolTip.startsWith("Se lee") ? FigureDelegate::UnreadableTint
                                                                                       : FigureDelegate::DoubtfulTint;
    type(table, row, typed);
    QTRY_COMPARE(shown(), qMakePair(QColor(tint), toolTip));
    QCOMPARE(table->item(row, 0)->text(), typed); // painted, never stored
    QVERIFY(!table->item(row, 0)->data(Qt::BackgroundRole).isValid());
    type(table, row, "1");
    QTRY_COMPARE(shown(), qMakePair(plain, QString()));
    QToolTip::hideText();
}

QTEST_MAIN(TestFigureFlags)
#include "tst_figureflags.moc"
