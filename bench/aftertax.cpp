// Opens the main window with the README's after-tax project (a lathe bought
// with a bank loan, income tax of 30 %), shows "Visualizar" scrolled to the
// statement and stays open for a screenshot (bench/screenshot.sh takes
// docs/after-tax.png from it).
//
// Usage: bench_aftertax [seconds]   (default 20, then it quits by itself)
#include "mainwindow.h"
#include "newproject.h"
#include "projectdocument.h"
#include "projectfile.h"
#include "projectwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    MainWindow main;
    main.move(0, 0);
    main.resize(1280, 800);
    QMdiSubWindow *sub = newProject(main);
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());

    AlternativeSnapshot lathe;
    lathe.name = QStringLiteral("Torno con préstamo");
    lathe.horizon = QStringLiteral("5");
    lathe.rate = QStringLiteral("0.12");
    lathe.taxRate = QStringLiteral("0.3");
    FlowSnapshot sales{CashFlow::Uniform, QStringLiteral("Ventas"), QStringLiteral("20000"), {},
                       QStringLiteral("5"), QStringLiteral("1")};
    FlowSnapshot loan{CashFlow::Loan, QStringLiteral("Banco"), QStringLiteral("30000"),
                      QStringLiteral("0.1"), QStringLiteral("5"), QStringLiteral("0"),
                      QStringLiteral("Cuota fija"), QStringLiteral("0")};
    FlowSnapshot operation{CashFlow::Uniform, QStringLiteral("Operación"), QStringLiteral("3000"),
                           {}, QStringLiteral("5"), QStringLiteral("1")};
    FlowSnapshot asset{CashFlow::Asset, QStringLiteral("Torno"), QStringLiteral("50000"),
                       QStringLiteral("5000"), QStringLiteral("5"), QStringLiteral("0"),
                       QStringLiteral("Línea recta"), {}, QStringLiteral("5"),
                       QStringLiteral("8000")};
    lathe.income = {sales, loan};
    lathe.expenses = {operation, asset};
    ProjectSnapshot snapshot;
    snapshot.alternatives = {lathe};
    project->document()->setProject(snapshot);

    main.show();
    sub->showMaximized();
    project->showCashFlows();
    QTimer::singleShot(500, &app, [project]() {
        QTextEdit *report = project->report();
        QTextCursor at = report->document()->find(QStringLiteral("Flujo de caja de"));
        report->verticalScrollBar()->setValue(
            static_cast<int>(report->document()->documentLayout()->blockBoundingRect(at.block()).top()) - 10);
    });
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
