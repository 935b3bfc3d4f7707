// The project document without any widget: its operations and what they
// announce, the undo steps that act on it, and the figures read from it
// against the payment-by-payment oracle.
#include "cellcommand.h"
#include "flowkind.h"
#include "nodecommand.h"
#include "oracle.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "projectreading.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void stepsUndone();
    void figures_data();
    void figures();
    void kinds();
};

// A story of steps on one document: each announces itself, and undoing them
// all, then redoing them, passes through the same projects.
void TestDocument::stepsUndone()
{
    ProjectDocument document;
    QUndoStack steps;
    QSignalSpy changes(&document, &ProjectDocument::changed);
    QSignalSpy cells(&document, &ProjectDocument::cellChanged);
    QList<QByteArray> states{ProjectFile::toJson(document.project())};
    const auto push = [&](QUndoCommand *step) {
        steps.push(step);
        states << ProjectFile::toJson(document.project());
    };
    const AlternativeSnapshot buy{"Compra", "5", "0.1", {}, {}};
    push(new NodeCommand(&document, NodeCommand::Action::Insert, {7, -1, -1}, buy, "a"));
    QCOMPARE(document.alternativeCount(), 1); // beyond the last: last
    const FlowSnapshot sales{CashFlow::Arithmetic, "Ventas", "100", "10", "3", "1"};
    push(new NodeCommand(&document, NodeCommand::Action::Insert, {0, 0, 0}, sales, "b"));
    push(new CellCommand(&document, {0, 0, 0}, 2, "10", "-5", "c"));
    QCOMPARE(document.flow({0, 0, 0})->change, QStringLiteral("-5"));
    QCOMPARE(cells.takeLast(), (QList<QVariant>{QVariant::fromValue(NodePlace{0, 0, 0}), 2}));
    QVERIFY(!document.setCellText({0, 0, 0}, 2, "-5"));  // no change, nothing announced
    QVERIFY(!document.setCellText({0, 0, 0}, 5, "x") && !document.setCellText({0, 1, 0}, 0, "x")); // no row, no flow
    QCOMPARE(document.duplicateAlternative(0), 1);
    states << ProjectFile::toJson(document.project());  // not a step: undone by hand below
    QCOMPARE(document.alternative(1).name, QStringLiteral("Compra (copia)"));
    QCOMPARE(document.alternative(1).income, document.alternative(0).income);
    QVERIFY(document.remove({1, -1, -1}));
    states.removeLast();
    push(new NodeCommand(&document, NodeCommand::Action::Remove, {0, 0, 0}, *document.flow({0, 0, 0}), "d"));
    QCOMPARE(document.flows(0, 0)->size(), 0);
    QCOMPARE(changes.count(), 6);
    for (int k = states.size() - 2; k >= 0; --k) {
        steps.undo();
        QCOMPARE(ProjectFile::toJson(document.project()), states.at(k));
    }
    for (int k = 1; k < states.size(); ++k) {
        steps.redo();
        QCOMPARE(ProjectFile::toJson(document.project()), states.at(k));
    }
}

void TestDocument::figures_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("cells"); // the flow's rows after its name
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("expense");
    QTest::newRow("uniform") << 0 << QStringList{"3500", "5", "1"} << "0.1" << false;
    QTest::newRow("uniform from 0") << 0 << QStringList{"100", "4", "0"} << "0.07" << true;
    QTest::newRow("arithmetic, negative start") << 1 << QStringList{"1000", "-100", "8", "-3"} << "0.12" << false;
    QTest::newRow("geometric, g = i") << 2 << QStringList{"900", "0.05", "4", "2"} << "0.05" << true;
    QTest::newRow("geometric, alternating") << 2 << QStringList{"10", "-2.5", "9", "1"} << "0.3" << false;
    QTest::newRow("single") << 3 << QStringList{"25000", "4"} << "0.1" << false;
    QTest::newRow("single now, expense") << 3 << QStringList{"-700", "0"} << "0.1" << true;
    QTest::newRow("single before 0") << 3 << QStringList{"500", "-1"} << "0.1" << false;
    QTest::newRow("unread cells") << 1 << QStringList{"1,5", "dos", "3", "x"} << "0,1" << true;
}

// The figures the reports read from the document, valued, against each
// payment discounted on its own; the unread cells named with row and node.
void TestDocument::figures()
{
    QFETCH(int, kind); QFETCH(QStringList, cells); QFETCH(QString, rate); QFETCH(bool, expense);
    const FlowKind &flowKind = *FlowKind::all().at(kind);
    FlowSnapshot flow{flowKind.id(), "Pago", {}, {}, {}, {}};
    for (int row = 1; row < flowKind.rowCount(); ++row)
        FlowKind::setText(&flow, flowKind.rows().at(row).field, cells.at(row - 1));
    ProjectDocument document;
    document.insertAlternative(0, {"A", "10", rate, {}, {}});
    document.insertFlow({0, expense ? 1 : 0, 0}, flow);
    const ProjectFigures figures = ProjectReading::figures(document.project());
    const AlternativeFigures &alternative = figures.alternatives.at(0);
    const CashFlow read = (expense ? alternative.expenses : alternative.income).at(0).figures;
    const double i = rate.toDouble();
    const bool change = kind == 1 || kind == 2, single = kind == 3; // a single payment: one, in its period
    const Oracle oracle = Oracle::flow(single ? 0 : kind, i, cells.at(0).toDouble(), change ? cells.at(1).toDouble() : 0,
                                       single ? 1 : cells.value(change ? 2 : 1).toInt(),
                                       cells.value(single ? 1 : change ? 3 : 2).toInt());
    QVERIFY2(oracle.near(FlowKind::worth(read, alternative.rate)), qPrintable(QString::number(double(oracle.sum))));
    const bool unread = QTest::currentDataTag() == QByteArray("unread cells");
    QCOMPARE(document.holdsUnread({0, expense ? 1 : 0, 0}), unread);
    QCOMPARE(document.holdsUnread({0, -1, -1}), unread);
    if (unread) {
        QStringList named;
        for (const ProjectFigures::UnreadCell &cell : figures.unread)
            named << cell.text + " " + cell.row + " " + cell.node;
        QCOMPARE(named, (QStringList{"0,1 Interés de Oportunidad A", "1,5 Anualidad Pago",
                                     "dos Gradiente Aritmético Pago", "x Inicia en Pago"}));
    }
}

// Every kind: its file name read back, each of its cells set and read by row.
void TestDocument::kinds()
{
    for (const FlowKind *kind : FlowKind::all()) {
        QCOMPARE(FlowKind::fromFileName(kind->fileName()), &FlowKind::of(kind->id()));
        ProjectDocument document;
        document.insertAlternative(0, {});
        document.insertFlow({0, 1, 0}, {kind->id(), {}, {}, {}, {}, {}});
        for (int row = 0; row < kind->rowCount(); ++row)
            QVERIFY(document.setCellText({0, 1, 0}, row, QString::number(row + 1)));
        for (int row = 0; row < kind->rowCount(); ++row)
            QCOMPARE(document.cellText({0, 1, 0}, row), QString::number(row + 1));
    }
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
