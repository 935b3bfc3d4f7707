// Property tables tint the figures that are not read as typed: the readings
// behind the flag, and the tint and tooltip a user sees after typing.
#include "figuredelegate.h"
#include "figurereader.h"
#include "flowitem.h"
#include "guidriver.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <QWindow>

#include <cmath>
#include <limits>

using namespace GuiDriver;
using Kind = FigureReader::Kind;
using Problem = FigureReader::Problem;

Q_DECLARE_METATYPE(FigureReader::Kind)
Q_DECLARE_METATYPE(FigureReader::Problem)

namespace {

const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

bool sameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

// The colour the screen shows in cell (row, 0) above its text: the window's
// backing store, so only a repaint changes it.
QColor screenColour(QTableWidget *table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    const QRect shown = cell.intersected(table->viewport()->rect());
    QWidget *window = table->window();
    const QPoint spot =
        table->viewport()->mapTo(window, QPoint(shown.center().x(), shown.top() + 3));
    QWindow *handle = window->windowHandle();
    return handle->screen()
        ->grabWindow(handle->winId(), spot.x(), spot.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

// The tint of a cell once the user has moved away from it.
QColor tintOf(QTableWidget *table, int row)
{
    table->setCurrentIndex(QModelIndex());
    table->selectionModel()->clearSelection();
    return screenColour(table, row);
}

// The tooltip the view shows when the mouse rests on cell (row, 0).
QString toolTipOf(QTableWidget *table, int row)
{
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    const QPoint pos = cell.intersected(table->viewport()->rect()).center();
    QHelpEvent event(QEvent::ToolTip, pos, table->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(table->viewport(), &event);
    return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class TestFigureFlags : public ProjectTest
{
    Q_OBJECT

private slots:
    void cleanupTestCase();
    void readings_data();
    void readings();
    void flagsWhatDoesNotRead_data();
    void flagsWhatDoesNotRead();
    void flagNeverChangesData();
};

void TestFigureFlags::cleanupTestCase()
{
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestFigureFlags::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<double>("value");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("suggestion");
    const auto row = [](const char *name, const QString &text, Kind kind, bool converted,
                        double value, Problem problem = Problem::None,
                        const QString &suggestion = QString()) {
        QTest::newRow(name) << text << kind << converted << value << problem << suggestion;
    };

    const Kind whole = Kind::WholeNumber;
    row("whole empty", "", whole, false, 0);
    row("whole -0", "-0", whole, true, 0);
    row("whole spaced", " 5 ", whole, true, 5);
    row("whole max", "2147483647", whole, true, 2147483647.0);
    row("whole min", "-2147483648", whole, true, -2147483648.0);
    row("whole max+1", "2147483648", whole, false, 0, Problem::OutOfRange);
    row("whole 11 digits", "99999999999", whole, false, 0, Problem::OutOfRange);
    row("whole 5.0", "5.0", whole, false, 0, Problem::NotWhole);
    row("whole 1e3", "1e3", whole, false, 0, Problem::NotWhole);
    row("whole 1e308", "1e308", whole, false, 0, Problem::NotWhole);
    row("whole 0,12", "0,12", whole, false, 0, Problem::NotWhole);
    row("whole nan", "nan", whole, false, 0, Problem::NotANumber);

    const Kind amount = Kind::Amount;
    row("amount empty", "", amount, false, 0);
    row("amount nan", "nan", amount, true, notANumber);
    row("amount inf", "inf", amount, true, inf);
    row("amount 1e308", "1e308", amount, true, 1e308);
    row("amount 1e309", "1e309", amount, false, 0, Problem::OutOfRange);
    row("amount -0", "-0", amount, true, -0.0);
    row("amount 1.500,50", "1.500,50", amount, false, 0, Problem::DecimalComma, "1500.50");
    row("amount 1,500.50", "1,500.50", amount, false, 0, Problem::GroupSeparator, "1500.50");
    row("amount 12,5 %", "12,5 %", amount, false, 0, Problem::PercentSign, "0.125");
    row("amount letters", "abc", amount, false, 0, Problem::NotANumber);

    row("rate 0,12", "0,12", Kind::Rate, false, 0, Problem::DecimalComma, "0.12");
    row("rate 1", "1", Kind::Rate, true, 1);
    row("rate just above 1", "1.000001", Kind::Rate, true, 1.000001, Problem::RateAsPercentage);
    row("name 0,12", "0,12", Kind::Text, false, 0);
}

void TestFigureFlags::readings()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(bool, converted);
    QFETCH(double, value);
    QFETCH(Problem, problem);
    QFETCH(QString, suggestion);

    const FigureReader::Reading reading = FigureReader::read(text, kind);
    QCOMPARE(reading.converted, converted);
    QVERIFY2(sameDouble(reading.value, value), qPrintable(QString::number(reading.value)));
    QCOMPARE(reading.problem, problem);
    QCOMPARE(reading.suggestion, suggestion);

}

void TestFigureFlags::flagsWhatDoesNotRead_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QRgb>("tint");
    QTest::addColumn<QString>("toolTip");
    const auto flag = [](const char *name, const char *node, int row, const QString &typed,
                         QRgb tint = 0, const QString &toolTip = QString()) {
        QTest::newRow(name) << QString::fromLatin1(node) << row << typed << tint << toolTip;
    };

    const QRgb red = FigureDelegate::UnreadableTint;
    const QRgb amber = FigureDelegate::DoubtfulTint;
    const QString comma = QStringLiteral("Se lee como 0: use punto decimal, %1");
    const QString noPercent = QStringLiteral("Se lee como 0: escriba la fracción sin %, %1");
    const QString notWhole =
        QStringLiteral("Se lee como 0: escriba un número entero, sin decimales");
    const QString tooBig = QStringLiteral("Se lee como 0: el número entero es demasiado grande");
    const QString notNumber = QStringLiteral("Se lee como 0: no es un número");
    const QString percent =
        QStringLiteral("%1 se usa como %2 % por período; para %1 % escriba %3");

    // The window's first alternative lives in the form's table.
    flag("horizon 5.0", "form", 1, "5.0", red, notWhole);
    flag("horizon 2147483648", "form", 1, "2147483648", red, tooBig);
    flag("horizon letters", "form", 1, "doce", red, notNumber);
    flag("rate 0,12", "form", 2, "0,12", red, comma.arg("0.12"));
    flag("rate 12", "form", 2, "12", amber, percent.arg("12", "1200", "0.12"));
    flag("rate 0.12", "form", 2, "0.12");
    flag("rate 12%", "form", 2, "12%", red, noPercent.arg("0.12"));
    flag("rate 1e309", "form", 2, "1e309", red,
         QStringLiteral("Se lee como 0: el número está fuera del rango que se puede calcular"));
    flag("name 0,12", "form", 0, "0,12");
    flag("added horizon 2,5", "added", 1, "2,5", red, notWhole);
    flag("added rate 150", "added", 2, "150", amber, percent.arg("150", "15000", "1.5"));
    flag("payment 1500,50", "uniform", 1, "1500,50", red, comma.arg("1500.50"));
    flag("payment 1,500.50", "uniform", 1, "1,500.50", red,
         QStringLiteral("Se lee como 0: escriba sin separador de miles, 1500.50"));
    flag("count 99999999999", "uniform", 2, "99999999999", red, tooBig);
    flag("start 1e3", "uniform", 3, "1e3", red, notWhole);
    flag("flow name letters", "uniform", 0, "abc");
    flag("gradient 0,5", "arithmetic", 2, "0,5", red, comma.arg("0.5"));
    flag("count 2.5", "arithmetic", 3, "2.5", red, notWhole);
    flag("growth 5%", "geometric", 2, "5%", red, noPercent.arg("0.05"));
    flag("start letters", "geometric", 4, "x", red, notNumber);
}

void TestFigureFlags::flagsWhatDoesNotRead()
{
    QFETCH(QString, node);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QRgb, tint);
    QFETCH(QString, toolTip);

    project->parentWidget()->showMaximized();
    QTreeWidget *t = tree(project);
    QTreeWidgetItem *target = t->topLevelItem(0);
    if (node == "added") {
        addAlternative(project, QStringLiteral("Sur"));
        target = t->topLevelItem(1);
    } else if (node != "form") {
        const QString kinds[] = {QStringLiteral("Pago Anualidad"),
                                 QStringLiteral("Pago con incremento Aritmético"),
                                 QStringLiteral("Pago con incremento geométrico")};
        const int kind = node == "uniform" ? 0 : node == "arithmetic" ? 1 : 2;
        target = addFlow(project, target->child(1), kinds[kind]);
    }
    clickNode(t, target);
    QTableWidget *table = panelTable(project);
    const QColor plain = table->palette().color(QPalette::Base);

    // Never typed into: no flag.
    QTRY_COMPARE(tintOf(table, row), plain);
    QCOMPARE(toolTipOf(table, row), QString());

    // The flag is painted, never stored: the cell keeps its text and roles.
    typeIntoCell(table, row, typed);
    QSignalSpy edits(table, &QTableWidget::cellChanged);
    QTRY_COMPARE(tintOf(table, row), tint ? QColor(tint) : plain);
    QCOMPARE(toolTipOf(table, row), toolTip);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(edits.count(), 0);
    QCOMPARE(table->item(row, 0)->text(), typed);
    QVERIFY(!table->item(row, 0)->data(Qt::BackgroundRole).isValid());
    QVERIFY(!table->item(row, 0)->data(Qt::ToolTipRole).isValid());

    // Fixed, and then emptied: the flag goes at once.
    for (const QString &fix : {QStringLiteral("1"), QString()}) {
        typeIntoCell(table, row, fix);
        QTRY_COMPARE(tintOf(table, row), plain);
        QCOMPARE(toolTipOf(table, row), QString());
    }
}

void TestFigureFlags::flagNeverChangesData()
{
    // A rate of 12 is used as typed, 1200 % per period; a payment with a
    // decimal comma reads as 0, flagged or not.
    project->parentWidget()->showMaximized();
    QTreeWidget *t = tree(project);
    auto *alternative = static_cast<ProjectItem *>(t->topLevelItem(0));
    FlowItem *flow = FlowItem::fromTreeItem(
        addFlow(project, alternative->child(0), QStringLiteral("Pago Anualidad")));
    fillCells(project, alternative, {QString(), "5", "12"});
    QTRY_COMPARE(tintOf(panelTable(project), 2), QColor(FigureDelegate::DoubtfulTint));
    fillCells(project, flow, {QString(), "1500,50", "2", "1"});
    QTableWidget *figures = panelTable(project);
    QTRY_COMPARE(tintOf(figures, 1), QColor(FigureDelegate::UnreadableTint));
    QCOMPARE(flow->presentValue(), 0.0);
    typeIntoCell(figures, 1, QStringLiteral("1500.50"));
    QCOMPARE(flow->presentValue(), 1500.5 / 13.0 + 1500.5 / (13.0 * 13.0));
}

QTEST_MAIN(TestFigureFlags)
#include "tst_figureflags.moc"
