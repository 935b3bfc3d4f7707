// Time of the two report buttons on large projects, and how much of it is
// Quintavo's own work (reading the cells, valuing the flows, writing the
// markup, painting the pictures) against QTextEdit::setHtml laying out the
// same document.
//
// Usage: bench_reports [clicks]   (default 15; 5 for the largest report)
#include "benchproject.h"
#include "benchstats.h"
#include "cashflowreport.h"
#include "mainwindow.h"
#include "projectwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

ProjectWindow *openProject(MainWindow *main)
{
    auto *area = main->findChild<QMdiArea *>(QStringLiteral("mdiArea"));
    main->findChild<QAction *>(QStringLiteral("action_Nuevo"))->trigger();
    QMdiSubWindow *sub = area->subWindowList().constLast();
    sub->showMaximized();
    QCoreApplication::processEvents();
    return qobject_cast<ProjectWindow *>(sub->widget());
}

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

struct Row {
    const char *report;
    QString load;
    double click;
    double setHtml;
    int documentKiB;
    bool exactDocument;
};

// Clicks `buttonName` once to get the document, then `clicks` times more,
// each click followed by setting that document on the same editor, so that
// both timings see the same machine load.
Row measure(ProjectWindow *project, const char *buttonName, const char *report, const QString &load,
            int clicks, ReportDocument (ProjectWindow::*document)() const)
{
    auto *button = project->findChild<QPushButton *>(QLatin1String(buttonName));
    auto *editor = project->findChild<QTextEdit *>(QStringLiteral("teReporte"));

    button->click();
    QCoreApplication::processEvents();
    const ReportDocument shown = (project->*document)();
    const QString &html = shown.html;
    // As the window sets a report: pictures first, then the markup.
    const auto set = [&shown](QTextEdit *target) {
        target->document()->clear();
        for (const auto &image : shown.images)
            target->document()->addResource(QTextDocument::ImageResource, QUrl(image.first),
                                            image.second);
        target->setHtml(shown.html);
    };
    // The document is the exact one when a fresh editor shows it the same.
    QTextEdit check;
    set(&check);
    const bool exact = check.toHtml() == editor->toHtml();

    std::vector<double> clickTimes;
    std::vector<double> setTimes;
    for (int i = 0; i < clicks; ++i) {
        clickTimes.push_back(elapsedMs([button]() { button->click(); }));
        QCoreApplication::processEvents();
        setTimes.push_back(elapsedMs([editor, &set]() { set(editor); }));
        QCoreApplication::processEvents();
    }
    return {report, load, BenchStats::median(clickTimes), BenchStats::median(setTimes),
            static_cast<int>(html.toUtf8().size() / 1024), exact};
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    MainWindow main;
    main.resize(1280, 800);
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 1;

    std::vector<Row> rows;
    // Rates of 8 to 15 %, and one rate for all: the alternatives are then
    // also compared by increments, 100 rows.
    for (const bool oneRate : {false, true}) {
        ProjectWindow *project = openProject(&main);
        BenchProject filler(project);
        filler.fillTypical(100, 20, 30);
        if (oneRate)
            filler.setCommonRate(0.1);
        rows.push_back(measure(project, "pbComparar", "Comparar",
                               QStringLiteral("100 alternatives x 20 flows, N = 30%1")
                                   .arg(oneRate ? QStringLiteral(", i = 0.1") : QString()),
                               clicks, &ProjectWindow::comparisonDocument));
    }
    // "Detallar" against "Comparar" on the same project, one rate for all so
    // that both also show the incremental analysis.
    {
        ProjectWindow *project = openProject(&main);
        BenchProject filler(project);
        filler.fillTypical(10, 20, 30);
        filler.setCommonRate(0.1);
        const QString load = QStringLiteral("10 alternatives x 20 flows, N = 30, i = 0.1");
        rows.push_back(measure(project, "pbComparar", "Comparar", load, clicks,
                               &ProjectWindow::comparisonDocument));
        rows.push_back(measure(project, "pbDetallar", "Detallar", load, clicks,
                               &ProjectWindow::workedSolutionDocument));
    }
    // The longest horizon of 20 flows that is still shown whole, and one
    // that is cut to it.
    const int fullest = static_cast<int>(CashFlowReport::MostShownCells / 22) - 1;
    for (const int horizon : {100, fullest, 2 * fullest}) {
        ProjectWindow *project = openProject(&main);
        BenchProject(project).fillTypical(1, 20, horizon);
        rows.push_back(measure(project, "pbVisualizar", "Visualizar",
                               QStringLiteral("1 alternative x 20 flows, N = %1").arg(horizon),
                               horizon > 100 ? std::max(1, clicks / 3) : clicks,
                               &ProjectWindow::cashFlowDocument));
    }

    std::printf("Report buttons (median of repeated clicks; own share = (click - setHtml) / click)\n");
    std::printf("  %-10s %-38s %10s %12s %10s %11s\n", "report", "project", "click ms", "setHtml ms",
                "own share", "markup KiB");
    bool allExact = true;
    for (const Row &row : rows) {
        const double share = row.click > 0 ? (row.click - row.setHtml) / row.click : 0.0;
        std::printf("  %-10s %-38s %10.2f %12.2f %9.1f%% %11d%s\n", row.report,
                    row.load.toUtf8().constData(), row.click, row.setHtml, 100.0 * share,
                    row.documentKiB, row.exactDocument ? "" : " *");
        allExact = allExact && row.exactDocument;
    }
    std::printf("  goal: own share under 5 %%\n");
    if (!allExact)
        std::printf("  * the rebuilt document differs from the one shown: the report's slot has changed\n");
    return 0;
}
