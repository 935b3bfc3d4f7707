// The cash-flow report ("Visualizar") as a user gets it: figures typed into
// the property cells, the button clicked, the tables read back from the
// report area.
#include "cashflowreport.h"
#include "guidriver.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QTest>

#include <climits>
#include <QTreeWidget>

using namespace GuiDriver;

// A table as shown: its rows, each the texts of its cells.
using Rows = QList<QStringList>;
// Alternatives as {flows, N}.
using Sizes = QVector<QPair<int, int>>;

namespace {

// A flow as {kind U/A/G, group I/E, name, A, [G,] n, s}.
void addTypedFlow(ProjectWindow *project, QTreeWidgetItem *alternative, const QStringList &flow)
{
    static const QMap<QString, QString> kinds{
        {"U", QStringLiteral("Pago Anualidad")},
        {"A", QStringLiteral("Pago con incremento Aritmético")},
        {"G", QStringLiteral("Pago con incremento geométrico")}};
    QTreeWidgetItem *group = alternative->child(flow.at(1) == QLatin1String("I") ? 0 : 1);
    fillCells(project, addFlow(project, group, kinds.value(flow.at(0))), flow.mid(2));
}

} // namespace

class TestCashFlowReport : public ProjectTest
{
    Q_OBJECT

private slots:
    void workedExample();
    void shownTable_data();
    void shownTable();
    void alternativesInTreeOrder();
    void longHorizons_data();
    void longHorizons();
    void cellsShared_data();
    void cellsShared();

private:
    QTreeWidgetItem *first() const { return tree(project)->topLevelItem(0); }
};

void TestCashFlowReport::workedExample()
{
    fillCells(project, first(), {"A", "2"});
    addTypedFlow(project, first(), {"U", "I", "Venta", "100", "2", "1"});
    addTypedFlow(project, first(), {"U", "E", "Costo", "40", "1", "0"});

    const QString band = "<tr style=\"background-color:%1\"><th colspan=4>%2</th></tr>";
    const QString head = "<th><p align=\"center\"><span style=\"font-weight:600;\">%1</th>";
    const QString cell = "<td><p align=\"center\"><span style=\"font-weight:600;\">%1</td>";
    const QString total = "<td><p align=\"center\"><span style=\"font-weight:bold;\">%1</td>";
    const QString expected =
        "<table border=\"1\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; "
        "margin-right:0px;\" cellspacing=\"0\" cellpadding=\"5\">"
        + band.arg("#B89AFE", "A") + "<tr style=\"background-color:#CCCCCC\">"
        + head.arg("Concepto") + head.arg(0) + head.arg(1) + head.arg(2) + "</tr>"
        + band.arg("#86BCFF", "Ingresos")
        + "<tr>" + cell.arg("Venta") + cell.arg(0) + cell.arg("100.00") + cell.arg("100.00") + "</tr>"
        + band.arg("#FF8A8A", "Egresos")
        + "<tr>" + cell.arg("Costo") + cell.arg("40.00") + cell.arg(0) + cell.arg(0) + "</tr>"
        + "<tr style=\"background-color:#6CA870\"><td><span style=\"font-weight:bold;\">Total"
          "</span></td>"
        + total.arg("-40.00") + total.arg("100.00") + total.arg("100.00") + "</tr></table>";
    QCOMPARE(CashFlowReport::table(static_cast<ProjectItem *>(first())->figures()), expected);

    click(project, "pbVisualizar");
    QCOMPARE(reportTables(project),
             (QList<Rows>{{{"A"}, {"Concepto", "0", "1", "2"}, {"Ingresos"},
                           {"Venta", "0", "100.00", "100.00"}, {"Egresos"},
                           {"Costo", "40.00", "0", "0"}, {"Total", "-40.00", "100.00", "100.00"}}}));
}

void TestCashFlowReport::shownTable_data()
{
    QTest::addColumn<QStringList>("alternative");
    QTest::addColumn<Rows>("flows");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("no flows") << QStringList{"Vacia", "1"} << Rows{}
                              << Rows{{"Vacia"}, {"Concepto", "0", "1"}, {"Ingresos"},
                                      {"Egresos"}, {"Total", "0.00", "0.00"}};
    QTest::newRow("N 0") << QStringList{"Hoy", "0"}
                         << Rows{{"A", "I", "Obra", "5", "1", "2", "0"}}
                         << Rows{{"Hoy"}, {"Concepto", "0"}, {"Ingresos"}, {"Obra", "5.00"},
                                 {"Egresos"}, {"Total", "5.00"}};
    QTest::newRow("N INT_MIN") << QStringList{"Atras", "-2147483648"}
                                << Rows{{"U", "E", "Renta", "5", "1", "0"}}
                                << Rows{{"Atras"}, {"Concepto"}, {"Ingresos"}, {"Egresos"},
                                        {"Renta"}, {"Total"}};
    // Amounts to the cent, grouped by no-break spaces; 12.75 - 1234560 totals -1 234 547.25.
    QTest::newRow("number formats")
        << QStringList{"Formatos", "2"}
        << Rows{{"U", "I", "Grande", "2000000", "1", "0"},
                {"A", "I", "Media", "12.5", "0.25", "2", "1"},
                {"G", "E", "Costo", "1234560", "0.5", "1", "2"}}
        << Rows{{"Formatos"}, {"Concepto", "0", "1", "2"}, {"Ingresos"},
                {"Grande", "2\u00a0000\u00a0000.00", "0", "0"}, {"Media", "0", "12.50", "12.75"},
                {"Egresos"}, {"Costo", "0", "0", "1\u00a0234\u00a0560.00"},
                {"Total", "2\u00a0000\u00a0000.00", "12.50", "-1\u00a0234\u00a0547.25"}};
    // An income of inf less an expense of inf is nan.
    QTest::newRow("infinite amounts")
        << QStringList{"Inf", "1"}
        << Rows{{"U", "I", "Sube", "inf", "1", "0"}, {"U", "E", "Baja", "inf", "2", "0"}}
        << Rows{{"Inf"}, {"Concepto", "0", "1"}, {"Ingresos"}, {"Sube", "inf", "0"}, {"Egresos"},
                {"Baja", "inf", "inf"}, {"Total", "nan", "-inf"}};
    QTest::newRow("names shown as typed")
        << QStringList{"I&D <2027> %1 %2", "0"}
        << Rows{{"U", "I", "<b>%3</b> & %1", "1", "1", "0"}}
        << Rows{{"I&D <2027> %1 %2"}, {"Concepto", "0"}, {"Ingresos"}, {"<b>%3</b> & %1", "1.00"},
                {"Egresos"}, {"Total", "1.00"}};
}

void TestCashFlowReport::shownTable()
{
    QFETCH(QStringList, alternative);
    QFETCH(Rows, flows);
    QFETCH(Rows, expected);

    fillCells(project, first(), alternative);
    for (const QStringList &flow : flows)
        addTypedFlow(project, first(), flow);
    click(project, "pbVisualizar");
    QCOMPARE(reportTables(project), QList<Rows>{expected});
}

void TestCashFlowReport::alternativesInTreeOrder()
{
    const auto titles = [this]() {
        QStringList shown;
        for (const Rows &table : reportTables(project))
            shown << table.value(0).value(0);
        return shown;
    };
    fillCells(project, first(), {"Norte"});
    addAlternative(project, QStringLiteral("Sur"));
    addAlternative(project, QStringLiteral("Este"));
    QTreeWidgetItem *sur = tree(project)->topLevelItem(1);
    fillCells(project, sur, {"Sur", "1"});
    addTypedFlow(project, sur, {"U", "E", "Luz", "3", "2", "0"});

    // The comparison shown before gives way to this report.
    click(project, "pbComparar");
    click(project, "pbVisualizar");
    QCOMPARE(titles(), (QStringList{"Norte", "Sur", "Este"}));
    QCOMPARE(reportTables(project).at(1).constLast(), (QStringList{"Total", "-3.00", "-3.00"}));

    // A new name shows at the next click, and the report does not pile up.
    fillCells(project, sur, {"Sur Nuevo"});
    click(project, "pbVisualizar");
    QCOMPARE(titles(), (QStringList{"Norte", "Sur Nuevo", "Este"}));
}

void TestCashFlowReport::longHorizons_data()
{
    QTest::addColumn<QString>("horizon");
    QTest::addColumn<bool>("inFull");
    QTest::newRow("1000, no flow") << "1000" << true;
    QTest::newRow("INT_MAX") << "2147483647" << false;
}

void TestCashFlowReport::longHorizons()
{
    QFETCH(QString, horizon);
    QFETCH(bool, inFull);

    // Qt's layout of the shown table dominates: a limit of 1001 periods of
    // 3 rows, and only the notice case gets a flow, one that pays in every
    // period shown.
    project->setCellLimit(3003);
    fillCells(project, first(), {"Largo", horizon});
    if (!inFull)
        addTypedFlow(project, first(), {"U", "I", "Siempre", "1", "2147483647", "-5"});
    click(project, "pbVisualizar");
    const QList<Rows> tables = reportTables(project);
    QCOMPARE(tables.size(), 1);
    const QString last = inFull ? horizon : QStringLiteral("1000");
    if (!inFull) {
        QCOMPARE(tables.at(0).at(1),
                 QStringList{"El horizonte de " + horizon + " períodos es demasiado largo para "
                             "mostrarlo entero; se muestran los períodos 0 a 1000 de " + horizon + "."});
        QCOMPARE(tables.at(0).constLast().constLast(), QStringLiteral("1.00"));
    }
    QCOMPARE(tables.at(0).size(), inFull ? 5 : 7);
    QCOMPARE(tables.at(0).at(inFull ? 1 : 2).size(), last.toInt() + 2);
    QCOMPARE(tables.at(0).at(inFull ? 1 : 2).constLast(), last);
}

void TestCashFlowReport::cellsShared_data()
{
    // A table shown to period K holds (flows + 2) * (K + 1) cells, 24000 at most in all.
    QTest::addColumn<Sizes>("alternatives");
    QTest::addColumn<QVector<int>>("shown");
    QTest::newRow("one period more") << Sizes{{0, 12000}} << QVector<int>{11999};
    QTest::newRow("both cut, cells even") << Sizes{{0, 12000}, {20, 1000}} << QVector<int>{6004, 544};
    QTest::newRow("short one whole") << Sizes{{0, INT_MAX}, {20, 100}, {1, -5}} << QVector<int>{10888, 100, -5};
    QTest::newRow("even shares") << Sizes{{1, INT_MAX}, {1, INT_MAX}, {1, INT_MAX}} << QVector<int>{2665, 2666, 2666};
    QTest::newRow("period 0 at least") << Sizes{{30000, 10}, {0, 50}} << QVector<int>{0, 50};
}

void TestCashFlowReport::cellsShared()
{
    QFETCH(Sizes, alternatives);
    QFETCH(QVector<int>, shown);
    QVector<AlternativeFigures> figures(alternatives.size());
    for (int a = 0; a < figures.size(); ++a) {
        figures[a].income.resize(alternatives.at(a).first);
        figures[a].horizon = alternatives.at(a).second;
    }
    QCOMPARE(CashFlowReport::shownHorizons(figures), shown);
}

QTEST_MAIN(TestCashFlowReport)
#include "tst_cashflowreport.moc"
