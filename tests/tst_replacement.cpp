// Replacement analyses: each asset's equivalent annual cost against a
// long-double oracle, the decision against the oracle's, and the node
// through the window.
#include "driver.h"
#include "listfill.h"
#include "listfilldialog.h"
#include "projectfile.h"
#include "replacementdecision.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <cmath>

using LD = long double;

namespace {

// EUAC(k) worked payment by payment: every amount discounted to today on its
// own, the sum spread over k years by i / (1 - (1 + i)^-k), or divided by k
// at a rate of 0. `scale` is the same with every term's magnitude.
LD oracleCost(const AssetFigures &a, LD i, int k, LD *scale)
{
    LD sum = a.first, size = fabsl(LD(a.first));
    const LD v = 1 / (1 + i);
    LD d = 1;
    for (int t = 1; t <= k; ++t) {
        d *= v;
        sum += LD(a.operatingCosts[t - 1]) * d;
        size += fabsl(LD(a.operatingCosts[t - 1])) * d;
    }
    sum -= LD(a.marketValues[k - 1]) * d;
    size += fabsl(LD(a.marketValues[k - 1])) * d;
    const LD spread = i == 0 ? 1.0L / k : i / (1 - d);
    *scale = size * spread;
    return sum * spread;
}

AssetFigures randomAsset(QRandomGenerator &g, int n)
{
    AssetFigures a;
    a.first = 1000 + g.bounded(100000.0);
    double value = a.first, cost = g.bounded(5000.0);
    for (int k = 0; k < n; ++k) {
        value *= 0.6 + g.bounded(0.35);
        cost += g.bounded(3000.0) - 500;
        a.marketValues.push_back(value);
        a.operatingCosts.push_back(cost);
    }
    return a;
}

} // namespace

class TestReplacement : public WindowTest
{
    Q_OBJECT

    // Types `cells` into `node` from row 0 on, each an undo step; null strings left alone.
    void typeInto(QTreeWidgetItem *node, const QStringList &cells)
    {
        QTableWidget *table = showNode(w, node);
        for (int row = 0; row < cells.size(); ++row) {
            if (!cells.at(row).isNull())
                type(table, row, cells.at(row));
        }
    }

    // The worked case below, through the panel, under a new "Reemplazo N".
    QTreeWidgetItem *workedAnalysis()
    {
        const QList<QAction *> menu = w->contextActions(nullptr);
        if (menu.size() != 2 || menu.at(1)->text() != "Añadir análisis de reemplazo")
            return nullptr;
        menu.at(1)->trigger();
        QTreeWidgetItem *node = w->tree()->topLevelItem(w->tree()->topLevelItemCount() - 1);
        typeInto(node, {QString(), "0.1"});
        typeInto(node->child(0), {"Torno viejo", "5000", "4000; 3200; 2500; 1500", "2000; 2300; 2800; 4000"});
        typeInto(node->child(1), {"Torno CNC", "10000", "7000; 5000; 3500; 2000", "1000;1500;2200;3000;"});
        return node;
    }

private slots:
    void annualCost_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("years");
        for (quint32 s = 1; s <= 12; ++s) {
            const double rates[] = {0.1, 1e-9, -0.3, 0.0, 2.5, 0.07};
            QTest::addRow("seed %u", s) << s << rates[s % 6] << int(1 + s * 7 % 60);
        }
    }

    // Every row of the table to 1e-9 of its terms; the least the one marked.
    void annualCost()
    {
        QFETCH(quint32, seed); QFETCH(double, rate); QFETCH(int, years);
        QRandomGenerator g(seed);
        const AssetFigures a = randomAsset(g, years);
        const std::vector<LifeRow> rows = EconomicLife::table(a, rate);
        QCOMPARE(int(rows.size()), years);
        LD least = INFINITY;
        for (int k = 1; k <= years; ++k) {
            LD scale;
            const LD want = oracleCost(a, rate, k, &scale);
            const LifeRow &row = rows[k - 1];
            QVERIFY2(fabsl(row.annualCost - want) <= 1e-9L * scale,
                     qPrintable(QString("k %1: %2 against %3").arg(k).arg(row.annualCost)
                                    .arg(double(want))));
            QVERIFY(fabsl(row.capitalRecovery + row.operatingAnnual - want) <= 1e-9L * scale);
            least = std::min(least, want);
        }
        const int best = EconomicLife::best(rows);
        QVERIFY(fabsl(rows[best].annualCost - least) <= 1e-9L * fabsl(least));
    }

    // At a rate of 0 the cost is (P - MVk + c1 + ... + ck) / k, exactly.
    void zeroRate()
    {
        const AssetFigures a{9000, {6000, 4500, 2800, 1800}, {400, 700, 1100, 1700}};
        const std::vector<LifeRow> rows = EconomicLife::table(a, 0.0);
        const double want[] = {3400, 2800, 2800, 2775};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(rows[k].annualCost, want[k]);
        QCOMPARE(rows[3].capitalRecovery, 1800.0);
        QCOMPARE(rows[3].operatingAnnual, 975.0);
    }

    // Worked by hand at 10 %: the challenger costs 10 000, its annual costs
    // are 5 000, 4 619.05, 4 492.45, 4 569.49 for 1..4 years (economic life 3
    // years); the defender's marginal costs, (MV(k-1) - MVk) + 0.1 MV(k-1) +
    // ck from its 5 000 today, are 3 500, 3 500, 3 820, 5 250: keep it three
    // years more.
    void workedCase()
    {
        const AssetFigures defender{5000, {4000, 3200, 2500, 1500}, {2000, 2300, 2800, 4000}};
        const AssetFigures challenger{10000, {7000, 5000, 3500, 2000}, {1000, 1500, 2200, 3000}};
        const ReplacementDecision d = ReplacementDecision::decide(defender, challenger, 0.1);
        QVERIFY(d.valid);
        QCOMPARE(d.challengerBest, 2);
        QCOMPARE(qRound64(d.challenger[2].annualCost * 100), 449245);
        QCOMPARE(qRound64(d.challenger[1].annualCost * 100), 461905);
        QCOMPARE(qRound64(d.defender[2].annualCost * 100), 359668);
        const double marginal[] = {3500, 3500, 3820, 5250};
        for (int k = 0; k < 4; ++k)
            QVERIFY(qAbs(d.marginal[k] - marginal[k]) < 1e-9);
        QVERIFY(!d.replaceNow);
        QCOMPARE(d.keepYears, 3);
        QVERIFY(!d.keptToTheEnd);
        // Dearer today than the challenger at its best: replace now.
        const AssetFigures worn{5000, {1000}, {6000}};
        QVERIFY(ReplacementDecision::decide(worn, challenger, 0.1).replaceNow);
        // Nothing to decide on an empty list.
        QVERIFY(!ReplacementDecision::decide(AssetFigures{5000, {}, {}}, challenger, 0.1).valid);
    }

    // Random pairs decided as the oracle's costs decide them.
    void randomDecisions()
    {
        QRandomGenerator g(2029);
        int replaced = 0, kept = 0;
        for (int run = 0; run < 300; ++run) {
            const double rate = g.bounded(0.3);
            const AssetFigures defender = randomAsset(g, 1 + g.bounded(15));
            const AssetFigures challenger = randomAsset(g, 1 + g.bounded(15));
            const ReplacementDecision d = ReplacementDecision::decide(defender, challenger, rate);
            LD scale, least = INFINITY, target = INFINITY;
            for (int k = 1; k <= defender.years(); ++k)
                least = std::min(least, oracleCost(defender, rate, k, &scale));
            for (int k = 1; k <= challenger.years(); ++k)
                target = std::min(target, oracleCost(challenger, rate, k, &scale));
            if (fabsl(least - target) < 1e-6L * target)
                continue; // a tie the rounding may decide either way
            QCOMPARE(d.replaceNow, least > target);
            if (d.replaceNow) {
                ++replaced;
                continue;
            }
            ++kept;
            int years = 0;
            LD before = defender.first;
            for (int k = 0; k < defender.years(); ++k) {
                const LD mv = defender.marketValues[k];
                const LD m = (before - mv) + LD(rate) * before + defender.operatingCosts[k];
                QVERIFY(fabsl(m - d.marginal[k]) <= 1e-9L * (fabsl(before) + fabsl(mv) + fabsl(m)));
                if (years == k && m <= target)
                    ++years;
                before = mv;
            }
            QCOMPARE(d.keepYears, years ? years : d.defenderBest + 1);
        }
        QVERIFY(replaced > 20 && kept > 20);
    }

    // The node through the window: its cells, "Comparar", the file, duplicate,
    // remove, undo and redo.
    void window()
    {
        QTreeWidgetItem *node = workedAnalysis();
        QVERIFY(node);
        QCOMPARE(node->text(0), "Reemplazo 1");
        QCOMPARE(node->child(0)->text(0), "Defensor: Torno viejo");
        QCOMPARE(node->child(1)->text(1), "P 10\u00A0000.00, 4 años");
        QVERIFY(!node->child(1)->data(0, Qt::ForegroundRole).isValid());
        w->showComparison();
        QVERIFY(w->report()->toPlainText().replace('\n', ' ').contains(
            "Conservar «Torno viejo» 3 años más y luego reemplazarlo por «Torno CNC»: su costo marginal "
            "supera entonces 4 492.45, el costo anual del retador en su vida económica de 3 años."));
        const QList<Rows> tables = reportTables(w->report());
        QCOMPARE(tables.size(), 3);
        QCOMPARE(tables.at(1).at(4), (QStringList{"4", "1\u00A0500.00", "4\u00A0000.00", "1\u00A0254.15",
                                                  "2\u00A0698.77", "3\u00A0952.92", "5\u00A0250.00"}));
        QCOMPARE(tables.at(2).at(3).at(5), "4\u00A0492.45\u00A0◀\u00A0mínimo");

        w->showWorkedSolution(); // "Detallar": each EUAC in factor notation, the same cost
        QVERIFY(w->report()->toPlainText().contains(
            "CAUE(3) = 10 000.00 × (A/P, 10 %, 3) − 3 500.00 × (A/F, 10 %, 3) + 3 801.65 × (A/P, 10 %, 3) "
            "= 10 000.00 × 0.402115 − 3 500.00 × 0.302115 + 3 801.65 × 0.402115 = 4 492.45"));
        QVERIFY(w->report()->toPlainText().contains("CM(4) = (2 500.00 − 1 500.00) + 0.1 × 2 500.00 + 4 000.00 = 5 250.00"));
        const QStringList before = stateOf(w);
        QTemporaryDir dir;
        const QString path = dir.filePath("torno.quintavo");
        QVERIFY(w->saveTo(path));
        ProjectSnapshot read;
        QVERIFY(ProjectFile::read(path, &read, nullptr));
        QCOMPARE(read, w->snapshot());
        QCOMPARE(ProjectFile::versionFor(read), 4);
        ProjectWindow again(read);
        QCOMPARE(stateOf(&again), before);

        QTreeWidgetItem *copy = w->commands()->duplicateAlternative(node);
        QVERIFY(copy);
        QCOMPARE(copy->text(0), "Reemplazo 1 (copia)");
        QVERIFY(w->commands()->removeNode(node));
        QCOMPARE(w->tree()->topLevelItem(1)->text(0), "Reemplazo 1 (copia)");
        QVERIFY(!w->commands()->removeNode(w->tree()->topLevelItem(1)->child(0)));
        w->undoStack()->undo();
        w->undoStack()->undo();
        QCOMPARE(stateOf(w), before);
        const int steps = w->undoStack()->index();
        w->undoStack()->setIndex(0);
        QCOMPARE(w->tree()->topLevelItemCount(), 1);
        w->undoStack()->setIndex(steps);
        QCOMPARE(stateOf(w), before);
    }

    // "Llenar…" on the defender's costs: 2000 growing 10 % a year for 3 years, one undo step.
    void fillList()
    {
        QCOMPARE(ListFillDialog::list(8000, -1000, false, 3), "8000; 7000; 6000");
        QTreeWidgetItem *node = workedAnalysis();
        QVERIFY(node);
        QTableWidget *table = showNode(w, node->child(0));
        table->setCurrentCell(3, 0);
        QVERIFY(w->listFill()->fillAction()->isEnabled());
        whenShown([]() { return QApplication::activeModalWidget(); }, [](QWidget *dialog) {
            dialog->findChild<QLineEdit *>("first")->setText("2000");
            dialog->findChild<QComboBox *>("kind")->setCurrentIndex(1);
            dialog->findChild<QLineEdit *>("change")->setText("10 %");
            dialog->findChild<QSpinBox *>("years")->setValue(3);
            static_cast<QDialog *>(dialog)->accept();
        });
        const int steps = w->undoStack()->count();
        QVERIFY(w->listFill()->fill());
        const NodePlace defender = NodePlace::ofReplacement(0, 0);
        QCOMPARE(w->document()->cellText(defender, 3), "2000; 2200; 2420");
        QCOMPARE(table->item(3, 0)->text(), "2000; 2200; 2420");
        QCOMPARE(w->undoStack()->count(), steps + 1);
        w->undoStack()->undo();
        QCOMPARE(w->document()->cellText(defender, 3), "2000; 2300; 2800; 4000");
        table->setCurrentCell(1, 0);
        QVERIFY(!w->listFill()->fillAction()->isEnabled()); // greyed out
        QVERIFY(!w->listFill()->fill()); // no list: no dialog
    }

    // The example of docs/file-format.md, written back to the byte, and its decision.
    void documentedFile()
    {
        QFile doc(QStringLiteral(QUINTAVO_SOURCE_DIR "/docs/file-format.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QByteArray text = doc.readAll();
        const int start = text.indexOf("```json\n", text.indexOf("## Replacement analyses")) + 8;
        const QByteArray example = text.mid(start, text.indexOf("```", start) - start);
        ProjectSnapshot read;
        QString reason;
        QVERIFY2(ProjectFile::fromJson(example, &read, &reason), qPrintable(reason));
        QCOMPARE(ProjectFile::toJson(read), example);
        QVERIFY(!ProjectFile::fromJson(QByteArray(example).replace("\"defender\": {", "\"defender\": [1], \"x\": {"),
                                       &read, &reason));
        QCOMPARE(reason, "«defender» en el análisis de reemplazo 1 no es un objeto");
        ProjectWindow shown(read);
        QVERIFY(stateOf(&shown).at(2).contains("Conservar «Torno viejo» 3 años más"));
    }

    // Cells that cannot be read or that disagree: the cell, the node and the report say so.
    void flags()
    {
        QTreeWidgetItem *node = workedAnalysis();
        QVERIFY(node);
        typeInto(node->child(0), {QString(), QString(), "4000; 3200,5; 2500; 1500"});
        const FigureReader::Reading reading = FigureReader::read("4000; 3200,5", FigureReader::Kind::ValueList);
        QVERIFY(FigureReader::isUnread(reading));
        QCOMPARE(reading.item, 2);
        QVERIFY(node->child(0)->data(0, Qt::ForegroundRole).isValid());
        typeInto(node->child(0), {QString(), QString(), "4000; -5"});
        typeInto(node->child(1), {QString(), QString(), QString(), ""});
        w->showComparison();
        const QString text = w->report()->toPlainText();
        QVERIFY(text.contains("El valor de mercado 2 de «Torno viejo» es negativo."));
        QVERIFY(text.contains("«Torno viejo» tiene 2 valores de mercado y 4 costos de operación: se evalúan los primeros 2 años."));
        QVERIFY(text.contains("Sin años que evaluar"));
        QVERIFY(text.contains("Costos de operación"));
    }
};

QTEST_MAIN(TestReplacement)
#include "tst_replacement.moc"
