// Opens the main window with two filled-in 20-period projects, one showing
// "Comparar" in front and one "Visualizar" behind it, and stays open for a
// screenshot (bench/screenshot.sh). With "diagram", only the "Visualizar"
// project, filling the window, scrolled to its cash-flow diagram.
//
// With "decide", only the "Comparar" project, filling the window, with its
// decision rows and incremental analysis; with "detail", the same project
// showing "Detallar".
//
// With "menu", the "Visualizar" project with the menu "Proyecto" open; with
// "guide", the same project beside the window of "Guía de Quintavo".
//
// Usage: bench_showcase [seconds] [diagram|decide|detail|menu|guide]   (default 20 s, then it quits)
#include "benchproject.h"
#include "flowitem.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QByteArray>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRect>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdlib>

namespace {

ProjectWindow *openProject(MainWindow *main, const QString &title, const QRect &place)
{
    auto *area = main->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    main->findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    QMdiSubWindow *sub = area->subWindowList().constLast();
    sub->setWindowTitle(title);
    // A lone project opens maximised: the scene places its windows itself.
    sub->showNormal();
    sub->setGeometry(place);
    return qobject_cast<ProjectWindow *>(sub->widget());
}

void click(ProjectWindow *project, const char *button)
{
    project->findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(MainWindow::applicationIcon());
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    MainWindow main;
    main.move(0, 0);
    main.resize(1280, 800);

    using K = CashFlow;
    const bool menuShown = argc > 2 && QByteArray(argv[2]) == "menu";
    const bool guideShown = argc > 2 && QByteArray(argv[2]) == "guide";
    const bool diagramOnly = menuShown || guideShown || (argc > 2 && QByteArray(argv[2]) == "diagram");
    const bool detailOnly = argc > 2 && QByteArray(argv[2]) == "detail";
    const bool decideOnly = detailOnly || (argc > 2 && QByteArray(argv[2]) == "decide");
    if (decideOnly)
        main.show();
    ProjectWindow *wind = openProject(&main, QStringLiteral("Parque eólico"),
                                      diagramOnly ? QRect(0, 0, 1270, 740) : QRect(500, 0, 770, 500));
    BenchProject w(wind);
    const int park = w.addAlternative(QStringLiteral("Parque eólico 24 MW"), 20, 0.09);
    w.addFlow(park, true, K::Geometric, QStringLiteral("Venta de energía"), 7450000, 0.025, 20, 1);
    w.addFlow(park, true, K::Uniform, QStringLiteral("Salvamento"), 2250000, 0, 1, 20);
    w.addFlow(park, false, K::Uniform, QStringLiteral("Inversión"), 36800000, 0, 1, 0);
    w.addFlow(park, false, K::Arithmetic, QStringLiteral("Operación y mantenimiento"), 1180000,
              42500, 20, 1);
    w.tree()->setCurrentItem(w.tree()->topLevelItem(park)->child(1)->child(1));
    main.show();
    click(wind, "pbVisualizar");
    if (decideOnly)
        wind->parentWidget()->hide();
    if (guideShown) {
        main.showGuide();
        if (auto *guide = main.findChild<QDialog *>())
            guide->setGeometry(700, 60, 560, 700);
    }
    if (menuShown) {
        auto *menu = main.findChild<QMenu *>(QStringLiteral("menu_Proyecto"));
        QTimer::singleShot(500, menu, [&main, menu]() {
            main.menuBar()->setActiveAction(menu->menuAction());
        });
    }
    if (diagramOnly) {
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        return app.exec();
    }

    ProjectWindow *plant = openProject(&main, QStringLiteral("Planta de envasado"),
                                       decideOnly ? QRect(0, 0, 1270, 740) : QRect(0, 40, 1000, 700));
    BenchProject p(plant);
    const int manual = p.addAlternative(QStringLiteral("Línea manual"), 20, 0.12);
    p.addFlow(manual, false, K::Uniform, QStringLiteral("Inversión"), 18500000, 0, 1, 0);
    p.addFlow(manual, false, K::Arithmetic, QStringLiteral("Operación"), 2400000, 95000, 20, 1);
    p.addFlow(manual, true, K::Geometric, QStringLiteral("Ventas"), 6100000, 0.035, 20, 1);
    const int automatic = p.addAlternative(QStringLiteral("Línea automática"), 20, 0.12);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Inversión"), 41000000, 0, 1, 0);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Operación"), 1150000, 0, 20, 1);
    p.addFlow(automatic, true, K::Geometric, QStringLiteral("Ventas"), 7900000, 0.045, 20, 1);
    p.addFlow(automatic, true, K::Uniform, QStringLiteral("Salvamento"), 3500000, 0, 1, 20);
    const int outsourced = p.addAlternative(QStringLiteral("Subcontratar"), 20, 0.12);
    p.addFlow(outsourced, false, K::Uniform, QStringLiteral("Contrato"), 4650000, 0, 20, 1);
    p.addFlow(outsourced, true, K::Uniform, QStringLiteral("Ventas"), 6100000, 0, 20, 1);
    p.tree()->setCurrentItem(p.tree()->topLevelItem(automatic));
    click(plant, detailOnly ? "pbDetallar" : "pbComparar");

    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
