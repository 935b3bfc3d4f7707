// A replacement analysis in "Comparar" for the README: the old lathe
// against a CNC one at 10 %, the report scrolled to the challenger's table,
// the sentence and the picture; stays open for a screenshot
// (bench/screenshot.sh).
//
// Usage: bench_replacementscene [seconds]   (default 20 s, then it quits)
#include "mainwindow.h"
#include "newproject.h"
#include "projectdocument.h"
#include "projecttree.h"
#include "projectwindow.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
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
    main.resize(1280, 1000);
    main.show();
    QMdiSubWindow *sub = newProject(main);
    sub->setWindowTitle(QStringLiteral("Taller"));
    sub->showMaximized();
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());
    ProjectSnapshot lathe;
    ReplacementSnapshot analysis;
    analysis.name = QStringLiteral("Torno");
    analysis.rate = QStringLiteral("10 %");
    analysis.defender = {QStringLiteral("Torno viejo"), QStringLiteral("5000"),
                         QStringLiteral("4100; 3200; 2500; 1500; 800"),
                         QStringLiteral("2000; 2300; 2800; 4000; 5200")};
    analysis.challenger = {QStringLiteral("Torno CNC"), QStringLiteral("10000"),
                           QStringLiteral("7000; 5000; 3500; 2000; 1200"),
                           QStringLiteral("1000; 1500; 2200; 3000; 3900")};
    lathe.replacements.append(analysis);
    project->document()->setProject(lathe);
    QTreeWidgetItem *node = project->tree()->topLevelItem(0);
    project->tree()->setCurrentItem(node->child(1));
    project->findChild<QPushButton *>(QStringLiteral("pbComparar"))->click();
    QTimer::singleShot(300, [project]() {
        QScrollBar *bar = project->report()->verticalScrollBar();
        bar->setValue(bar->maximum());
    });
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
