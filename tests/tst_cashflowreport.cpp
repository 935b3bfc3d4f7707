// "Visualizar": the cash-flow table of each alternative as a user reads it,
// for the figures typed into the property cells.
#include "cashflowreport.h"
#include "driver.h"

class TestCashFlowReport : public WindowTest
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void longHorizons();
};

void TestCashFlowReport::table_data()
{
    QTest::addColumn<QStringList>("alternative"); // name, horizon
    QTest::addColumn<QStringList>("flows");
    QTest::addColumn<Rows>("expected");
    // A negative start drops the payments before period 0: period 0 carries A.
    QTest::newRow("schedules") << QStringList{"A", "3"}
        << QStringList{"IU|Venta|100|2|1", "IA|Obra|50|-10|3|-1", "EG|Costo|100|0.5|5|2"}
        << Rows{{"A"}, {"Concepto", "0", "1", "2", "3"}, {"Ingresos"}, {"Venta", "0", "100.00", "100.00", "0"},
                {"Obra", "50.00", "40.00", "0", "0"}, {"Egresos"}, {"Costo", "0", "0", "100.00", "150.00"},
                {"Total", "50.00", "140.00", "0.00", "-150.00"}};
    // Money to the cent, grouped by no-break spaces; the Total is the net flow.
    QTest::newRow("formats, names as typed") << QStringList{"I&D <2027> %1 %2", "2"}
        << QStringList{"IU|<b>%3</b> & %1|2000000|1|0", "IA|Media|12.5|0.25|2|1", "EG|Costo|1234560|0.5|1|2"}
        << Rows{{"I&D <2027> %1 %2"}, {"Concepto", "0", "1", "2"}, {"Ingresos"},
                {"<b>%3</b> & %1", u8"2\u00a0000\u00a0000.00", "0", "0"}, {"Media", "0", "12.50", "12.75"},
                {"Egresos"}, {"Costo", "0", "0", u8"1\u00a0234\u00a0560.00"},
                {"Total", u8"2\u00a0000\u00a0000.00", "12.50", u8"-1\u00a0234\u00a0547.25"}};
    // A single payment pays in its one period: not before 0, nor past the horizon.
    QTest::newRow("single payments") << QStringList{"U", "2"}
        << QStringList{"IS|Salvamento|1000|2", "IS|Antes|7|-1", "IS|Después|9|3", "ES|Inversión|2500|0"}
        << Rows{{"U"}, {"Concepto", "0", "1", "2"}, {"Ingresos"}, {"Salvamento", "0", "0", u8"1\u00a0000.00"},
                {"Antes", "0", "0", "0"}, {"Después", "0", "0", "0"}, {"Egresos"}, {"Inversión", u8"2\u00a0500.00", "0", "0"},
                {"Total", u8"-2\u00a0500.00", "0.00", u8"1\u00a0000.00"}};
    QTest::newRow("horizon INT_MIN") << QStringList{"Atras", "-2147483648"} << QStringList{"EU|Renta|5|1|0"}
        << Rows{{"Atras"}, {"Concepto"}, {"Ingresos"}, {"Egresos"}, {"Renta"}, {"Total"}};
}

void TestCashFlowReport::table()
{
    QFETCH(QStringList, alternative);
    QFETCH(QStringList, flows);
    QFETCH(Rows, expected);
    fill(w, first(), alternative);
    for (const QString &flow : flows)
        addFlow(w, first(), flow);
    w->showCashFlows();
    QCOMPARE(reportTables(w->report()), QList<Rows>{expected});
}

void TestCashFlowReport::longHorizons()
{
    // Room for 1001 periods of 3 rows: of a horizon of 1001 the first 1001
    // periods are shown, and the notice says so.
    w->setCellLimit(3003);
    fill(w, first(), {"Largo", "1001"});
    addFlow(w, first(), "IU|Siempre|1|2147483647|-5");
    w->showCashFlows();
    const Rows shown = reportTables(w->report()).at(0);
    QCOMPARE(shown.at(1), QStringList{"El horizonte de 1001 períodos es demasiado largo para mostrarlo "
                                      "entero; se muestran los períodos 0 a 1000 de 1001."});
    QCOMPARE(shown.at(2).size(), 1002);
    QCOMPARE(shown.constLast().constLast(), QStringLiteral("1.00"));
}

QTEST_MAIN(TestCashFlowReport)
#include "tst_cashflowreport.moc"
