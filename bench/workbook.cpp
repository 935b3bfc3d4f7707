// Time of "Exportar a Excel (.xlsx)…" on a large project: 100 alternatives
// of 20 flows over 30 periods, from the figures the reports read to the
// workbook on disk (every sheet, formula and cached result). The goal is
// under 1 s.
//
// Usage: bench_workbook [runs]   (default 9)
#include "benchstats.h"
#include "projectreading.h"
#include "typicalproject.h"
#include "workbookexport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("libro.xlsx"));
    WorkbookSource source;
    source.project = ProjectReading::figures(typicalProject(100, 20, 30));
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const QString error = WorkbookExport::write(source, file);
        samples.push_back(clock.nsecsElapsed() / 1e6);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    std::printf("Exportar a Excel, 100 alternativas x 20 flujos, N = 30 (%lld bytes):\n"
                "  mediana %.0f ms, mín. %.0f ms, máx. %.0f ms en %d exportaciones (objetivo < 1000 ms)\n",
                static_cast<long long>(QFileInfo(file).size()), BenchStats::median(samples),
                BenchStats::minimum(samples), BenchStats::maximum(samples), runs);
    return 0;
}
