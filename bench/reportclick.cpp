// One click on a report button, for counting its instructions with valgrind's
// callgrind, which do not depend on the machine's load: the project of
// bench_reports is built and clicked once without being measured, then the
// measured click runs with instrumentation switched on around it alone.
//
// Usage, on Qt's offscreen platform:
//   valgrind --tool=callgrind --collect-atstart=no --instr-atstart=no
//            bench_reportclick comparar|detallar|visualizar alternatives flows horizon [rate]
// With a rate, every alternative has that rate.
// Without valgrind it only clicks.
#include "benchproject.h"
#include "mainwindow.h"
#include "newproject.h"
#include "projectwindow.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: %s comparar|detallar|visualizar alternatives flows horizon [rate]\n",
                     argv[0]);
        return 2;
    }
    MainWindow main;
    main.resize(1280, 800);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    QMdiSubWindow *sub = newProject(main);
    sub->showMaximized();
    QCoreApplication::processEvents();
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());
    BenchProject filler(project);
    filler.fillTypical(std::max(1, std::atoi(argv[2])), std::max(1, std::atoi(argv[3])),
                       std::max(1, std::atoi(argv[4])));
    if (argc == 6)
        filler.setCommonRate(std::atof(argv[5]));
    QCoreApplication::processEvents();
    const QString buttonName = std::strcmp(argv[1], "comparar") == 0 ? QStringLiteral("pbComparar")
        : std::strcmp(argv[1], "detallar") == 0                       ? QStringLiteral("pbDetallar")
                                                                      : QStringLiteral("pbVisualizar");
    auto *button = project->findChild<QPushButton *>(buttonName);
    button->click();
    QCoreApplication::processEvents();

    CALLGRIND_START_INSTRUMENTATION;
    CALLGRIND_TOGGLE_COLLECT;
    button->click();
    CALLGRIND_TOGGLE_COLLECT;
    CALLGRIND_STOP_INSTRUMENTATION;
    return 0;
}
