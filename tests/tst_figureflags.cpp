// Property cells flag the figures that are not read as typed: how a text
// reads, and the tint and tooltip a user sees on each kind of table.
#include "driver.h"
#include "figuredelegate.h"
#include "flowitem.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include <cmath>

using namespace Driver;
using Kind = FigureReader::Kind;
using Problem = FigureReader::Problem;
Q_DECLARE_METATYPE(FigureReader::Kind)
Q_DECLARE_METATYPE(FigureReader::Problem)

class TestFigureFlags : public WindowTest
{
    Q_OBJECT

private slots:
    void readings_data();
    void readings();
    void flags_data();
    void flags();
};

void TestFigureFlags::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("value"); // nan: not converted
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("suggestion");
    const auto row = [](const QString &text, Kind kind, double value, Problem problem = Problem::None,
                        const QString &suggestion = QString()) {
        QTest::addRow("%d %s", int(kind), qPrintable(text)) << text << kind << value << problem << suggestion;
    };
    const double no = qQNaN();
    row("", Kind::WholeNumber, no);
    row(" 5 ", Kind::WholeNumber, 5);
    row("-2147483648", Kind::WholeNumber, INT_MIN);
    row("2147483648", Kind::WholeNumber, no, Problem::OutOfRange);
    row("1e3", Kind::WholeNumber, no, Problem::NotWhole);
    row("0,12", Kind::WholeNumber, no, Problem::NotWhole);
    row("nan", Kind::WholeNumber, no, Problem::NotANumber);
    row("-inf", Kind::Amount, -qInf());
    row("1e309", Kind::Amount, no, Problem::OutOfRange);
    row("1.500,50", Kind::Amount, no, Problem::DecimalComma, "1500.50");
    row("1,500.50", Kind::Amount, no, Problem::GroupSeparator, "1500.50");
    row("12,5 %", Kind::Amount, no, Problem::PercentSign, "0.125");
    row("abc", Kind::Amount, no, Problem::NotANumber);
    row("1", Kind::Rate, 1);
    row("1.000001", Kind::Rate, 1.000001, Problem::RateAsPercentage);
    row("0,12", Kind::Text, no);
}

void TestFigureFlags::readings()
{
    QFETCH(QString, text); QFETCH(Kind, kind); QFETCH(double, value); QFETCH(Problem, problem); QFETCH(QString, suggestion);
    const FigureReader::Reading reading = FigureReader::read(text, kind);
    QCOMPARE(reading.converted, !std::isnan(value));
    QCOMPARE(reading.value, reading.converted ? value : 0.0);
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.suggestion, suggestion);
}

void TestFigureFlags::flags_data()
{
    QTest::addColumn<int>("node"); // the form's alternative (-2), an added one (-1), a flow of kind 0..2
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QRgb>("tint");
    QTest::addColumn<QString>("toolTip");
    const QRgb red = FigureDelegate::UnreadableTint;
    const QString notWhole = "Se lee como 0: escriba un número entero, sin decimales";
    QTest::newRow("form rate 12") << -2 << 2 << "12" << FigureDelegate::DoubtfulTint
                                  << "12 se usa como 1200 % por período; para 12 % escriba 0.12";
    QTest::newRow("form rate 0.12") << -2 << 2 << "0.12" << QRgb(0) << QString();
    QTest::newRow("added horizon") << -1 << 1 << "2,5" << red << notWhole;
    QTest::newRow("uniform payment") << 0 << 1 << "1500,50" << red << "Se lee como 0: use punto decimal, 1500.50";
    QTest::newRow("arithmetic count") << 1 << 3 << "2.5" << red << notWhole;
    QTest::newRow("geometric growth") << 2 << 2 << "5%" << red << "Se lee como 0: escriba la fracción sin %, 0.05";
    QTest::newRow("geometric start") << 2 << 4 << "x" << red << "Se lee como 0: no es un número";
}

// The colour on screen at the top of the cell, and the tooltip when the mouse rests on it.
void TestFigureFlags::flags()
{
    QFETCH(int, node); QFETCH(int, row); QFETCH(QString, typed); QFETCH(QRgb, tint); QFETCH(QString, toolTip);
    QTableWidget *table = node == -2 ? first()->propertyTable() : node == -1 ? w->addAlternative("Sur")->propertyTable()
                                                                            : w->addFlow(first()->child(1), node)->propertyTable();
    w->showPropertyTable(table);
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
    type(table, row, typed);
    QTRY_COMPARE(shown(), qMakePair(tint ? QColor(tint) : plain, toolTip));
    QCOMPARE(table->item(row, 0)->text(), typed); // painted, never stored
    QVERIFY(!table->item(row, 0)->data(Qt::BackgroundRole).isValid());
    type(table, row, "1");
    QTRY_COMPARE(shown(), qMakePair(plain, QString()));
    QToolTip::hideText();
}

QTEST_MAIN(TestFigureFlags)
#include "tst_figureflags.moc"
