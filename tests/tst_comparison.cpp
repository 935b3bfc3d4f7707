// "Comparar": the present worth of every flow as the user types it, and the
// report that sets the alternatives side by side. Expected figures come from
// discounting each scheduled payment one by one.
#include "comparisonreport.h"
#include "reportformat.h"
#include "flowitem.h"
#include "guidriver.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QTest>
#include <QTreeWidget>

#include <climits>
#include <cmath>

using namespace GuiDriver;

namespace {

const QString anualidad = QStringLiteral("Pago Anualidad");
const QString aritmetico = QStringLiteral("Pago con incremento Aritmético");
const QString geometrico = QStringLiteral("Pago con incremento geométrico");

// Worth at period 0 of the payments a flow makes from period 0 on: the k-th
// payment (k from 0) of the series falls in period max(s, 0) + k.
double discountedPayments(const QString &kind, double i, double a, double g, int n, int s)
{
    const long long first = std::max(s, 0);
    const long long last = static_cast<long long>(s) + n - 1;
    long double payment = a;
    long double sum = 0;
    for (long long p = first; p <= last; ++p) {
        sum += payment / std::pow(1.0L + i, static_cast<long double>(p));
        if (kind == aritmetico)
            payment += g;
        else if (kind == geometrico)
            payment *= 1.0L + g;
    }
    return static_cast<double>(sum);
}

bool closeEnough(double actual, double expected)
{
    return std::isnan(expected) ? std::isnan(actual)
                                : std::fabs(actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

} // namespace

class TestComparison : public ProjectTest
{
    Q_OBJECT

private slots:
    void markupOfWorkedExample();
    void alternativesSideBySide();
    void flowWorthAsTyped_data();
    void flowWorthAsTyped();

private:
    ProjectItem *alternative(int index) const;
    void addTypedFlow(QTreeWidgetItem *group, const QString &kind, const QStringList &figures);
};

ProjectItem *TestComparison::alternative(int index) const
{
    return static_cast<ProjectItem *>(tree(project)->topLevelItem(index));
}

// Adds a flow of `kind` under `group` and types its figures, row 1 onwards.
void TestComparison::addTypedFlow(QTreeWidgetItem *group, const QString &kind,
                                  const QStringList &figures)
{
    QTreeWidgetItem *flow = addFlow(project, group, kind);
    QVERIFY(flow);
    fillCells(project, flow, QStringList{QString()} + figures);
}

void TestComparison::markupOfWorkedExample()
{
    ComparisonReport empty;
    const QString tableStart = QStringLiteral(
        "<html><head/><body><table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; "
        "margin-left:0px; margin-right:0px;\" cellspacing=\"0\" cellpadding=\"5\">");
    const QString emptyRows = QStringLiteral(
        "<tr style=\"background-color:#A6D5A9\"><td>VAE</td>%1</tr>"
        "<tr style=\"background-color:#FFE08A\"><td>TIR</td>%2</tr>"
        "<tr style=\"background-color:#D9CCFF\"><td>B/C</td>%3</tr></table>");
    QCOMPARE(empty.document(600), (ReportDocument{
             tableStart
                 + QStringLiteral("<tr style=\"background-color:#B89AFE\"><th></th></tr>"
                                  "<tr style=\"background-color:#86BCFF\"><td>VPI</td></tr>"
                                  "<tr style=\"background-color:#FF8A8A\"><td>VPE</td></tr>"
                                  "<tr style=\"background-color:#6CA870\"><td>VPN</td></tr>")
                 + emptyRows.arg(QString(), QString(), QString()) + "</body></html>", {}}));

    // A: 100 and 50 a period over periods 1..5 at 10 %; the other one pays
    // 1234567 now and has no period, so the VAE decides.
    ComparisonReport report;
    AlternativeFigures a;
    a.name = QStringLiteral("A");
    a.horizon = 5;
    a.rate = 0.1;
    a.income = {{QString(), {CashFlow::Uniform, 100, 0, 5, 1}}};
    a.expenses = {{QString(), {CashFlow::Uniform, 50, 0, 5, 1}}};
    report.addAlternative(a);
    AlternativeFigures b;
    b.name = QStringLiteral("I&D <%1>");
    b.expenses = {{QString(), {CashFlow::Uniform, 1234567, 0, 1, 0}}};
    report.addAlternative(b);
    const ReportDocument document = report.document(600);
    const QString cell = QStringLiteral("<td><p align=\"center\">%1</td>");
    QCOMPARE(document.html,
             tableStart
                 + QStringLiteral(
                     "<tr style=\"background-color:#B89AFE\"><th></th>"
                     "<th><p align=\"center\"><span style=\"font-weight:600;\">A</span></th>"
                     "<th><p align=\"center\"><span style=\"font-weight:600;\">I&amp;D &lt;%1&gt;</span></th></tr>"
                     "<tr style=\"background-color:#86BCFF\"><td>VPI</td>"
                     "<td><p align=\"center\">379.08</td><td><p align=\"center\">0.00</td></tr>"
                     "<tr style=\"background-color:#FF8A8A\"><td>VPE</td>"
                     "<td><p align=\"center\">189.54</td><td><p align=\"center\">1\u00a0234\u00a0567.00</td></tr>"
                     "<tr style=\"background-color:#6CA870\"><td>VPN</td>"
                     "<td><p align=\"center\">189.54</td><td><p align=\"center\">-1\u00a0234\u00a0567.00</td></tr>")
                 + emptyRows.arg(cell.arg("50.00") + cell.arg("\u2014"),
                                 cell.arg("no existe") + cell.arg("no existe"),
                                 cell.arg("2.000") + cell.arg("0.000"))
                 + QStringLiteral("<p><b>La mejor alternativa es «A»: tiene el mayor VAE (50.00); "
                                  "horizontes distintos: se compara el VAE.</b></p>"
                                  "<p><img src=\"quintavo:profile\" width=\"600\" height=\"%1\"></p>"
                                  "</body></html>").arg(document.images.value(0).second.height()));
}

void TestComparison::alternativesSideBySide()
{
    // A is the worked example; Sur has no flows; Este loses money; the last
    // one has markup in its name.
    ProjectItem *a = alternative(0);
    fillCells(project, a, {"A", "5", "0.1"});
    addTypedFlow(a->child(0), anualidad, {"100", "5", "1"});
    addTypedFlow(a->child(1), anualidad, {"50", "5", "1"});
    for (const char *title : {"Sur", "Este", "I&D <2027>"})
        addAlternative(project, QString::fromLatin1(title));
    fillCells(project, alternative(2), {QString(), "3", "0.2"});
    addTypedFlow(alternative(2)->child(0), anualidad, {"100", "1", "1"});
    addTypedFlow(alternative(2)->child(1), anualidad, {"300", "1", "0"});
    fillCells(project, alternative(3), {QString(), "3", "0.5"});
    addTypedFlow(alternative(3)->child(0), geometrico, {"100", "0.5", "2", "1"});

    click(project, "pbComparar");
    QCOMPARE(reportTables(project),
             (QList<QList<QStringList>>{{{"", "A", "Sur", "Este", "I&D <2027>"},
                                         {"VPI", "379.08", "0.00", "83.33", "133.33"},
                                         {"VPE", "189.54", "0.00", "300.00", "0.00"},
                                         {"VPN", "189.54", "0.00", "-216.67", "133.33"},
                                         {"VAE", "50.00", "—", "-102.86", "94.74"},
                                         {"TIR", "no existe", "no existe", "-0.666667", "no existe"},
                                         {"B/C", "2.000", "—", "0.278", "—"}}}));
    const QString first = reportHtml(project);
    click(project, "pbComparar");
    QCOMPARE(reportHtml(project), first);
}

void TestComparison::flowWorthAsTyped_data()
{
    // What the user types (the rate, then rows 1.. of the flow's table), then
    // what the program must read from it.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QList<double>>("read"); // i, A, G, n, s
    const auto row = [](const char *name, const QString &kind, const char *rateText,
                        const QStringList &figures, const QList<double> &read) {
        QTest::newRow(name) << kind << QString::fromLatin1(rateText) << figures << read;
    };
    const QString un = anualidad, ar = aritmetico, ge = geometrico;
    row("uniform, deferred", un, "0.1", {"100", "5", "3"}, {0.1, 100, 0, 5, 3});
    row("uniform, paid now", un, "0.1", {"100", "5", "0"}, {0.1, 100, 0, 5, 0});
    row("uniform, start before now", un, "0.1", {"100", "5", "-2"}, {0.1, 100, 0, 5, -2});
    row("uniform, rate 0", un, "0", {"100", "5", "1"}, {0, 100, 0, 5, 1});
    row("uniform, rate 1e-15", un, "1e-15", {"100", "5", "1"}, {1e-15, 100, 0, 5, 1});
    row("arithmetic", ar, "0.1", {"50", "10", "5", "1"}, {0.1, 50, 10, 5, 1});
    row("arithmetic, rate 1e-8", ar, "1e-8", {"50", "10", "5", "1"}, {1e-8, 50, 10, 5, 1});
    row("arithmetic, negative base", ar, "0.1", {"-50", "-10", "5", "2"}, {0.1, -50, -10, 5, 2});
    row("arithmetic, start before now", ar, "0.05", {"100", "10", "4", "-1"},
        {0.05, 100, 10, 4, -1});
    row("geometric", ge, "0.1", {"100", "0.04", "5", "1"}, {0.1, 100, 0.04, 5, 1});
    row("geometric, growth = rate", ge, "0.1", {"100", "0.1", "5", "1"}, {0.1, 100, 0.1, 5, 1});
    row("empty cells", ge, "", {"100", QString(), QString(), "1"}, {0, 100, 0, 0, 1});
    row("decimal comma rate", un, "0,1", {"100", "2", "1"}, {0, 100, 0, 2, 1});
    row("letters and fractions", un, "0.1", {"cien", "2.5", "1"}, {0.1, 0, 0, 0, 1});
    row("count beyond int", un, "0.1", {"100", "99999999999", "1"}, {0.1, 100, 0, 0, 1});
    row("nan rate", un, "nan", {"100", "5", "1"}, {std::nan(""), 100, 0, 5, 1});
    row("rate -1", un, "-1", {"100", "3", "1"}, {-1, 100, 0, 3, 1});
    row("start INT_MAX", un, "0.1", {"100", "5", "2147483647"}, {0.1, 100, 0, 5, INT_MAX});
    row("count INT_MAX from INT_MIN", ar, "0.1", {"100", "1", "2147483647", "-2147483648"},
        {0.1, 100, 1, INT_MAX, INT_MIN});
}

void TestComparison::flowWorthAsTyped()
{
    QFETCH(QString, kind);
    QFETCH(QString, rateText);
    QFETCH(QStringList, figures);
    QFETCH(QList<double>, read);

    ProjectItem *alt = alternative(0);
    fillCells(project, alt, {QString(), QStringLiteral("5"), rateText});
    addTypedFlow(alt->child(0), kind, figures);
    const double income = alt->incomePresentValue();
    if (read.at(0) <= -1.0) {
        // No meaningful interest: the report shows whatever IEEE arithmetic gives.
        QVERIFY(!std::isfinite(income));
    } else {
        const double expected = discountedPayments(kind, read.at(0), read.at(1), read.at(2), int(read.at(3)),
                                                   int(read.at(4)));
        QVERIFY2(closeEnough(income, expected),
                 qPrintable(QStringLiteral("%1 against %2").arg(income, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }
    click(project, "pbComparar");
    const QList<QStringList> rows = reportTables(project).value(0);
    QCOMPARE(rows.value(1).value(1), ReportFormat::amount(income));
    QCOMPARE(rows.value(3).value(1), ReportFormat::amount(income));
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
