// "Comparar" on replacement analyses: the time of a click on a project of
// 20 analyses of 50-year lists (two tables of 50 lives, a sentence and a
// picture each) beside one typical alternative, and how much of it Qt's
// layout of the same document takes.
//
// Usage: bench_replacement [clicks] [analyses] [years]   (default 9, 20, 50)
//
// Under valgrind's callgrind the first measured click and the setHtml after
// it are counted, in instructions that do not depend on the machine's load,
// each in a dump of its own ("click", "setHtml"):
//   valgrind --tool=callgrind --collect-atstart=no --instr-atstart=no
//            bench_replacement 1
#include "benchproject.h"
#include "benchstats.h"
#include "mainwindow.h"
#include "newproject.h"
#include "projectdocument.h"
#include "projectwindow.h"
#include "replacementwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const int analyses = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const int years = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
    MainWindow main;
    main.resize(1280, 800);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;
    QMdiSubWindow *sub = newProject(main);
    sub->showMaximized();
    auto *project = qobject_cast<ProjectWindow *>(sub->widget());
    ProjectSnapshot work = replacementWork(analyses, years);
    {
        BenchProject filler(project);
        filler.fillTypical(1, 20, 30);
        work.alternatives = project->snapshot().alternatives;
    }
    project->document()->setProject(work);
    QCoreApplication::processEvents();
    auto *button = project->findChild<QPushButton *>(QStringLiteral("pbComparar"));
    auto *editor = project->findChild<QTextEdit *>(QStringLiteral("teReporte"));
    button->click();
    QCoreApplication::processEvents();
    const ReportDocument shown = project->comparisonDocument();

    std::vector<double> clickTimes, setTimes;
    QElapsedTimer clock;
    for (int i = 0; i < clicks; ++i) {
        const bool counted = i == 0;
        if (counted) {
            CALLGRIND_START_INSTRUMENTATION;
            CALLGRIND_TOGGLE_COLLECT;
        }
        clock.start();
        button->click();
        clickTimes.push_back(clock.nsecsElapsed() / 1e6);
        if (counted) {
            CALLGRIND_TOGGLE_COLLECT;
            CALLGRIND_DUMP_STATS_AT("click");
        }
        QCoreApplication::processEvents();
        if (counted)
            CALLGRIND_TOGGLE_COLLECT;
        clock.start();
        editor->document()->clear();
        for (const auto &image : shown.images)
            editor->document()->addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
        editor->setHtml(shown.html);
        setTimes.push_back(clock.nsecsElapsed() / 1e6);
        if (counted) {
            CALLGRIND_TOGGLE_COLLECT;
            CALLGRIND_DUMP_STATS_AT("setHtml");
            CALLGRIND_STOP_INSTRUMENTATION;
        }
        QCoreApplication::processEvents();
    }
    std::printf("Comparar, %d replacement analyses of %d-year lists and 1 alternative x 20 flows:\n"
                "  click %.1f ms (median of %d; %.1f to %.1f), setHtml of the same document %.1f ms, "
                "markup %d KiB, %d pictures\n",
                analyses, years, BenchStats::median(clickTimes), clicks,
                BenchStats::minimum(clickTimes), BenchStats::maximum(clickTimes),
                BenchStats::median(setTimes), int(shown.html.toUtf8().size() / 1024),
                int(shown.images.size()));
    return 0;
}
