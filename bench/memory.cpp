// Peak memory (getrusage ru_maxrss) of a project of 1,000 flows: 50
// alternatives of 20 flows, every property table shown once in the panel,
// then both reports. The peak is printed after each step.
//
// Usage: bench_memory [alternatives] [flows] [horizon]   (default 50 20 30)
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
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // Linux reports KiB
}

void printStep(const char *step)
{
    std::printf("  %-52s %10.1f\n", step, peakMiB());
    std::fflush(stdout);
}

int argument(int argc, char *argv[], int index, int fallback)
{
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int alternatives = argument(argc, argv, 1, 50);
    const int flows = argument(argc, argv, 2, 20);
    const int horizon = argument(argc, argv, 3, 30);

    std::printf("Peak memory, %d alternatives x %d flows, N = %d (ru_maxrss)\n", alternatives, flows,
                horizon);
    std::printf("  %-52s %10s\n", "after", "peak MiB");

    MainWindow main;
    main.resize(1280, 800);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    QMdiSubWindow *sub = newProject(main);
    sub->showMaximized();
    QCoreApplication::processEvents();
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());
    printStep("start-up, one empty project window");

    BenchProject builder(project);
    builder.fillTypical(alternatives, flows, horizon);
    QCoreApplication::processEvents();
    printStep("building the project");

    // Every node once in the panel, as a user clicking through the tree.
    QTreeWidget *tree = builder.tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        tree->setCurrentItem(*it);
        QCoreApplication::processEvents();
    }
    printStep("every property table shown once");

    project->findChild<QPushButton *>(QStringLiteral("pbVisualizar"))->click();
    QCoreApplication::processEvents();
    printStep("\"Visualizar\"");

    project->findChild<QPushButton *>(QStringLiteral("pbComparar"))->click();
    QCoreApplication::processEvents();
    printStep("\"Comparar\"");
    return 0;
}
