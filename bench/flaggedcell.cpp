// Opens the main window with one maximised project whose flow "Alquiler" has
// its "Anualidad" typed with a decimal comma, shows that flow's table and the
// cell's explanation, and stays open for a screenshot (bench/screenshot.sh
// takes docs/flagged-cell.png from it).
//
// Usage: bench_flaggedcell [seconds]   (default 20, then it quits by itself)
#include "benchproject.h"
#include "mainwindow.h"
#include "newproject.h"
#include "projectdocument.h"
#include "projectwindow.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

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

    BenchProject p(project);
    const int alternative = p.addAlternative(QStringLiteral("Local comercial"), 5, 0.1);
    p.addFlow(alternative, true, CashFlow::Uniform, QStringLiteral("Alquiler"), 1500, 0, 5, 1);
    // The payment ("Anualidad") is row 1 of every flow.
    const int paymentRow = 1;
    project->document()->setCellText(NodePlace{alternative, 0, 0}, paymentRow,
                                     QStringLiteral("1500,50"));
    QTreeWidgetItem *rent = p.tree()->topLevelItem(alternative)->child(0)->child(0);
    p.tree()->setCurrentItem(rent);
    QTableWidget *table = project->panelTable();

    main.show();
    sub->showMaximized();
    // The explanation a user reads with the mouse resting on the cell.
    QTimer::singleShot(1000, &app, [table, paymentRow]() {
        const QPoint at = table->visualRect(table->model()->index(paymentRow, 0)).center();
        QHelpEvent rest(QEvent::ToolTip, at, table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table->viewport(), &rest);
    });
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
