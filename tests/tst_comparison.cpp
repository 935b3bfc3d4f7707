// "Comparar": VPI, VPE and VPN of the alternatives side by side. The worth
// of each flow is checked against its payments in tst_flowworth and, for
// figures as typed, in tst_stress.
#include "driver.h"

class TestComparison : public WindowTest
{
    Q_OBJECT

private slots:
    void sideBySide();
};

void TestComparison::sideBySide()
{
    fill(first()->propertyTable(), {"A", "5", "0.1"});
    addFlow(w, first(), "IU|x|100|5|1");
    addFlow(w, first(), "EU|y|50|5|1");
    w->addAlternative("Sur");
    fill(w->addAlternative("Este")->propertyTable(), {QString(), "3", "0.2"});
    addFlow(w, w->tree()->topLevelItem(2), "IU|x|100|1|1");
    addFlow(w, w->tree()->topLevelItem(2), "EU|y|300|1|0");
    fill(w->addAlternative("I&D <2027>")->propertyTable(), {QString(), "3", "0.5"});
    addFlow(w, w->tree()->topLevelItem(3), "IG|x|100|0.5|2|1");
    w->showComparison();
    QCOMPARE(reportTables(w->report()), (QList<Rows>{{{"", "A", "Sur", "Este", "I&D <2027>"},
                                                      {"VPI", "379.08", "0.00", "83.33", "133.33"},
                                                      {"VPE", "189.54", "0.00", "300.00", "0.00"},
                                                      {"VPN", "189.54", "0.00", "-216.67", "133.33"},
                                                      {"VAE", "50.00", "—", "-102.86", "94.74"},
                                                      {"TIR", "no existe", "no existe", "-0.666667", "no existe"},
                                                      {"B/C", "2.000", "—", "0.278", "—"}}}));
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
