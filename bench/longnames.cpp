// Opens a maximised main window on a 1366 x 768 screen with one maximised
// project whose alternatives and flows have 40-character names, the panel as
// wide as it is by default (a third of the window), and stays open for a screenshot
// (bench/screenshot.sh takes docs/long-names.png from it).
//
// Usage: bench_longnames [seconds]   (default 20, then it quits by itself)
#include "benchproject.h"
#include "flowitem.h"
#include "mainwindow.h"
#include "newproject.h"
#include "projectwindow.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    // A bare X server has no window manager to maximise the window.
    MainWindow main;
    main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    QMdiSubWindow *sub = newProject(main);
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());

    using K = CashFlow;
    BenchProject p(project);
    const int north =
        p.addAlternative(QStringLiteral("Planta de tratamiento de aguas del norte"), 15, 0.11);
    p.addFlow(north, false, K::Uniform, QStringLiteral("Inversión en obra civil y equipo de 2027"),
              12500000, 0, 1, 0);
    p.addFlow(north, false, K::Arithmetic, QStringLiteral("Mantenimiento de bombas y filtros de red"),
              380000, 15000, 15, 1);
    p.addFlow(north, true, K::Geometric, QStringLiteral("Venta de agua tratada a la red municipal"),
              2150000, 0.03, 15, 1);
    const int south =
        p.addAlternative(QStringLiteral("Ampliación de la planta depuradora sur 2"), 15, 0.11);
    p.addFlow(south, false, K::Uniform, QStringLiteral("Ampliación de tanques y decantadores"),
              7800000, 0, 1, 0);
    p.addFlow(south, true, K::Uniform, QStringLiteral("Venta de agua tratada a la red municipal"),
              1450000, 0, 15, 1);
    project->showComparison();
    p.tree()->setCurrentItem(p.tree()->topLevelItem(north));

    main.show();
    sub->showMaximized();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
