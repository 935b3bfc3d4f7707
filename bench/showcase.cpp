// Opens the main window with two filled-in projects, one showing "Comparar"
// and one "Visualizar", and stays open for a screenshot (bench/screenshot.sh).
//
// Usage: bench_showcase [seconds]   (default 20, then it quits by itself)
#include "benchproject.h"
#include "flowitem.h"
#include "mainwindow.h"
#include "projectitem.h"
#include "projectwindow.h"

#include <QAction>
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
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    MainWindow main;
    main.move(0, 0);
    main.resize(1280, 800);

    using K = BenchProject::Kind;
    ProjectWindow *fleet = openProject(&main, QStringLiteral("Flota de reparto"),
                                       QRect(0, 0, 860, 520));
    BenchProject f(fleet);
    ProjectItem *vans = f.addAlternative(QStringLiteral("Furgonetas"), 6, 0.1);
    f.addFlow(vans, false, K::Uniform, QStringLiteral("Compra"), 60000, 0, 1, 0);
    f.addFlow(vans, false, K::Arithmetic, QStringLiteral("Mantenimiento"), 4000, 500, 6, 1);
    f.addFlow(vans, true, K::Uniform, QStringLiteral("Ahorro en fletes"), 21000, 0, 6, 1);
    ProjectItem *leasing = f.addAlternative(QStringLiteral("Leasing"), 6, 0.1);
    f.addFlow(leasing, false, K::Uniform, QStringLiteral("Cuota"), 14500, 0, 6, 1);
    f.addFlow(leasing, true, K::Uniform, QStringLiteral("Ahorro en fletes"), 21000, 0, 6, 1);
    click(fleet, "pbVisualizar");
    f.tree()->setCurrentItem(vans->child(1)->child(1));

    ProjectWindow *plant = openProject(&main, QStringLiteral("Planta de envasado"),
                                       QRect(410, 215, 860, 520));
    BenchProject p(plant);
    ProjectItem *manual = p.addAlternative(QStringLiteral("Línea manual"), 10, 0.12);
    p.addFlow(manual, false, K::Uniform, QStringLiteral("Inversión"), 80000, 0, 1, 0);
    p.addFlow(manual, false, K::Arithmetic, QStringLiteral("Operación"), 12000, 800, 10, 1);
    p.addFlow(manual, true, K::Geometric, QStringLiteral("Ventas"), 30000, 0.04, 10, 1);
    ProjectItem *automatic = p.addAlternative(QStringLiteral("Línea automática"), 10, 0.12);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Inversión"), 150000, 0, 1, 0);
    p.addFlow(automatic, false, K::Uniform, QStringLiteral("Operación"), 6000, 0, 10, 1);
    p.addFlow(automatic, true, K::Geometric, QStringLiteral("Ventas"), 38000, 0.05, 10, 1);
    p.addFlow(automatic, true, K::Uniform, QStringLiteral("Salvamento"), 20000, 0, 1, 10);
    ProjectItem *outsourced = p.addAlternative(QStringLiteral("Subcontratar"), 10, 0.12);
    p.addFlow(outsourced, false, K::Uniform, QStringLiteral("Contrato"), 25000, 0, 10, 1);
    p.addFlow(outsourced, true, K::Uniform, QStringLiteral("Ventas"), 30000, 0, 10, 1);
    click(plant, "pbComparar");
    p.tree()->setCurrentItem(automatic);

    main.show();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return app.exec();
}
