// Time of "Exportar a Excel (.xlsx)…" on a large project: 100 alternatives
// of 20 flows over 30 periods, from the figures the reports read to the
// workbook on disk (every sheet, formula and cached result). The goal is
// under 1 s.
//
// Usage: bench_workbook [runs]   (default 9)
//        bench_workbook FILE.xlsx (writes the README's small example instead)
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

namespace {

using Flow = AlternativeFigures::Flow;

// Three alternatives of a textbook exercise, for the README's picture.
WorkbookSource example()
{
    const auto flow = [](const char *name, CashFlow::Kind kind, double amount, double change,
                         int payments, int start) {
        return Flow{QString::fromUtf8(name), {kind, amount, change, payments, start}};
    };
    WorkbookSource source;
    source.project.alternatives = {
        {QStringLiteral("Planta"), 5, 0.1, false, {flow("Ventas", CashFlow::Uniform, 1500, 0, 5, 1)},
         {flow("Inversión", CashFlow::Single, 4000, 0, 1, 0),
          flow("Mantenimiento", CashFlow::Arithmetic, 200, 50, 5, 1)}},
        {QStringLiteral("Creciente"), 5, 0.1, false, {flow("Ingreso", CashFlow::Geometric, 1000, 0.05, 5, 1)},
         {flow("Compra", CashFlow::Single, 3000, 0, 1, 0)}},
        {QStringLiteral("Dos TIR"), 5, 0.15, false, {flow("Cobro", CashFlow::Single, 230, 0, 1, 1)},
         {flow("Pago", CashFlow::Single, 100, 0, 1, 0), flow("Cierre", CashFlow::Single, 132, 0, 1, 2)}},
    };
    return source;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]).endsWith(".xlsx")) {
        const QString error = WorkbookExport::write(example(), QString::fromLocal8Bit(argv[1]));
        if (!error.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(error));
        return error.isEmpty() ? 0 : 1;
    }
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
